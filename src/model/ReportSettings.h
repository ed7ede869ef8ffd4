#ifndef ReportSettingsH
#define ReportSettingsH

// Report options stored with the application settings in the group "ReportSettings": which
// frames are printed, page numbers, the user logo, the final remarks and the options of the
// DIN criteria evaluation. Used by the report, the print dialog, the preferences, the criteria
// evaluation and the command-line tool.

#include <QSet>
#include <QString>

#include "UserLogoSettings.h"
#include <calculation/PhysicalProperties.h>

class QSettings;

class ReportSettings {
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

    /*! DIN 4108-3 assessment types (editions) of m_DIN4108_3Accordance_Type. */
    enum DIN4108_3Edition { DIN4108_3_2001, DIN4108_3_2014, DIN4108_3_2018, DIN4108_3_UserDefined };

    /*! Reads the group "ReportSettings" of \a settings (which must be at top level). Missing keys
        give the defaults; "ActivatedFrames" changes only the frames it lists. */
    void read(QSettings &settings);
    /*! Writes the group "ReportSettings"; the older keys are removed rather than written. */
    void write(QSettings &settings) const;

    bool operator==(const ReportSettings &other) const;
    bool operator!=(const ReportSettings &other) const { return !(*this == other); }

    /*! Frames printed by default: {0, 1, 2, 3, 4, 5, 9, 11, 12}. */
    static QSet<int> defaultFrames();

    /*! Water absorption limit in kg/(m2 h^0.5) of a DIN 4108-3 edition; 0 for user-defined or unknown. */
    static double awLimitForEdition(int edition);

    /*! Active frame ids. */
    QSet<int> m_frames = defaultFrames();
    /*! Print "Page %1 of %2" in the footer. */
    bool m_pageNumbersVisible = false;
    UserLogoSettings m_userLogo;
    /*! Print the final remarks frame. */
    bool m_printDisclaimer = false;
    /*! Final remarks (rich text). */
    QString m_disclaimerText;

    /*! Edition of the DIN 4108-2 minimum thermal resistance table: 0 = 2004, 1 = 2013. */
    int m_minimumHeatResVersion = 1;
    /*! Row (construction kind) of that table. */
    int m_minimumHeatResConstruction = 12;
    /*! Check the temperature factor fRsi. */
    bool m_frsiCheck = false;
    /*! Drying reserve in kg/(m2 a); 0 = no check. */
    double m_dryingReserve = 0;
    /*! One of DIN4108_3Edition. */
    int m_DIN4108_3Accordance_Type = DIN4108_3_2018;
    /*! A_w limit of non-capillary-active materials in kg/(m2 s^0.5), used by the user-defined edition. */
    double m_nonCapillarAw = awPerRootSecond(0.2);
    /*! A_w limit of capillary-active materials in kg/(m2 s^0.5). */
    double m_capillarActiveAw = awPerRootSecond(0.7);
    /*! Capillary check on one side (true) or both sides (false) of a condensation plane. */
    bool m_capillaryCheckOneSide = true;

private:
    void readFrames(const QString &activatedFrames);
    QString framesText() const;
};

#endif // ReportSettingsH
