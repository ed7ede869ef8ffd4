#ifndef ReportSettingsH
#define ReportSettingsH

// Report options stored with the application settings in the group "ReportSettings": which
// frames are printed, page numbers, the user logo, the final remarks, and the assessment choices that new
// projects and projects without their own choices get. Used by the report, the print dialog, the preferences,
// the criteria evaluation and the command-line tool.

#include <QSet>
#include <QString>

#include "AssessmentChoices.h"
#include "UserLogoSettings.h"

class QSettings;

class ReportSettings : public AssessmentChoices {
public:
    /*! Report frame ids: the printing order and the positions in "ActivatedFrames". */
    enum FrameId {
        HeaderFrameId,
        FooterFrameId,
        ProjectInfoFrameId,
        SketchFrameId,
        ConstructionLayerFrameId,
        ClimateFrameId,
        SurfaceResistanceFrameId,
        ResistanceFrameId,
        ResultsTableFrameId,
        WaterContentDiagramFrameId,
        VaporPressureDiagramFrameId,
        ConclusionsFrameId,
        GlaserFrameId,
        DisclaimerFrameId,
        NumFrames
    };

    /*! Reads the group "ReportSettings" of \a settings (which must be at top level). Missing keys
        give the defaults; "ActivatedFrames" changes only the frames it lists. */
    void read(QSettings &settings);
    /*! Writes the group "ReportSettings"; the older keys are removed rather than written. */
    void write(QSettings &settings) const;

    bool operator==(const ReportSettings &other) const;
    bool operator!=(const ReportSettings &other) const { return !(*this == other); }

    /*! Frames printed by default: {0, 1, 2, 3, 4, 5, 9, 11, 12}. */
    static QSet<int> defaultFrames();

    /*! Active frame ids. */
    QSet<int> m_frames = defaultFrames();
    /*! Print "Page %1 of %2" in the footer. */
    bool m_pageNumbersVisible = false;
    UserLogoSettings m_userLogo;
    /*! Print the final remarks frame. */
    bool m_printDisclaimer = false;
    /*! Final remarks (rich text). */
    QString m_disclaimerText;

private:
    void readFrames(const QString &activatedFrames);
    QString framesText() const;
};

#endif // ReportSettingsH
