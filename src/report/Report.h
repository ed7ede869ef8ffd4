#ifndef ReportH
#define ReportH

// The paged report of a project: header and footer on every page and the content frames stacked between them,
// each moved to the next page as a whole when it does not fit. Lays itself out for any paint device and paints
// there through one code path: printers, PDF writers and images alike. Created by the print dialog and the
// command-line tool, which hand over the project data and the report options before printing.

#include "ReportPageLayout.h"

#include <model/AssessmentChoices.h>
#include <model/UserLogoSettings.h>

#include <QObject>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CalculationResults;
class InputData;
struct MonthlyAssessment;
class ProjectInformation;
class ReportFrameBase;
class ReportSettings;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;

class Report : public QObject {
    Q_OBJECT
public:
    /*! Text format index of the project information: H1 0, H2 1, H3 2, H4 3, normal 4, small 5. */
    enum TextFormat { FormatH1, FormatH2, FormatH3, FormatH4, FormatNormal, FormatSmall };

    /*! A report in the font \a fontFamily at \a fontPointSize points. Logs an error when the family is not
        installed; a substitute font is used then. */
    explicit Report(const QString &fontFamily, int fontPointSize = 9, QObject *parent = nullptr);
    ~Report() override;

    /*! The project data and options the frames read; not owned, must outlive the report's use. */
    void setSettings(const InputData *inputData, const CalculationResults *results,
                     const ProjectInformation *projectInformation, const ReportSettings *reportSettings);
    /*! Makes this a report of the monthly method: the climate, results, diagram, conclusions and Glaser frames
        (ids 5, 8 to 12) show \a assessment instead (climate and interior, monthly table, bar chart, profile of the
        worst month, conclusions, surface check). Not owned; call once, before the first layout. */
    void setMonthly(const MonthlyAssessment *assessment);
    /*! Project file, shown as the project's name when the project has none. */
    void setProjectFileName(const QString &fileName) { m_projectFileName = fileName; }
    /*! Report font for the next layout; logs an error when a newly set family is not installed. */
    void setFont(const QString &family, int pointSize);
    void setPageNumbersVisible(bool visible) { m_pageNumbersVisible = visible; }
    void setUserLogo(int position, const QString &path, bool widthSetting, int size);
    /*! True: water absorption coefficients per s^0.5, false: per h^0.5. */
    void setAwInSeconds(bool inSeconds) { m_awInSeconds = inSeconds; }
    /*! One of TextFormat, for the captions and values of the project information. */
    void setProjectInfoTextFormat(int format) { m_projectInfoTextFormat = format; }
    /*! Where the assessment choices come from, when not from the project's own or the report settings alone. */
    void setAssessmentOrigin(AssessmentChoices::Origin origin) { m_assessmentOrigin = origin; }

    /*! Lays out for the printer's page and prints its page range (from and to page 0: all pages). False, with
        the error logged, when no painter can be opened on the printer; the caller tells the user. */
    bool print(QPrinter *printer);
    /*! Lays out for \a device and prints pages firstPage..lastPage (0: first or last page), a new device page
        between two pages. False, with the error logged, when no painter can be opened on the device. */
    bool printPages(QPagedPaintDevice *device, int firstPage, int lastPage);
    /*! Lays out for \a device and paints page \a page (from 1) onto it. */
    void paintPage(QPaintDevice *device, int page);

    int pageCount() const { return m_pageLayout.pageCount(); }
    const QSizeF &pageSize() const { return m_pageSize; }
    /*! Layout of the last print or page paint. */
    const ReportPageLayout &pageLayout() const { return m_pageLayout; }

    // Read by the frames
    const InputData &inputData() const;
    const CalculationResults &results() const;
    const ProjectInformation &projectInformation() const;
    const ReportSettings &reportSettings() const;
    /*! The assessment of setMonthly(); an empty one when none was set. */
    const MonthlyAssessment &monthly() const;
    const QString &projectFileName() const { return m_projectFileName; }
    const QString &fontFamily() const { return m_fontFamily; }
    int fontPointSize() const { return m_fontPointSize; }
    bool pageNumbersVisible() const { return m_pageNumbersVisible; }
    const UserLogoSettings &userLogo() const { return m_userLogo; }
    bool awInSeconds() const { return m_awInSeconds; }
    int projectInfoTextFormat() const { return m_projectInfoTextFormat; }
    /*! The origin set, else Project for a project with choices of its own, else Defaults. */
    AssessmentChoices::Origin assessmentOrigin() const;
    /*! Height of the page body between header and footer, known to the body frames while they lay out. */
    double bodyHeight() const { return m_bodyHeight; }
    /*! The project's name, or the project file's name when it has none. */
    QString projectName() const;
    /*! Device pixels per millimetre of the last layout. */
    double pixelsPerMM() const { return m_pixelsPerMM; }
    /*! Device of the last layout. */
    QPaintDevice *device() const { return m_device; }

signals:
    /*! Layout emits id + 1 after each frame, painting id + 15 after each painted frame. */
    void progress(int step);

private:
    /*! Logs (from \a source) when the report font family is not installed. */
    void checkFontFamily(const char *source) const;
    /*! Binds the shared document to the device, applies the fonts and lays out all frames. */
    void layout(QPaintDevice *device);
    void applyFonts();
    void paintPage(QPainter *painter, int page);
    bool isActive(int id) const;

    std::unique_ptr<QTextDocument> m_textDocument;
    std::vector<std::unique_ptr<ReportFrameBase>> m_frames;
    ReportPageLayout m_pageLayout;
    QSizeF m_pageSize;
    double m_pixelsPerMM = 1;
    double m_bodyHeight = 0;
    QPaintDevice *m_device = nullptr;

    QString m_fontFamily;
    int m_fontPointSize;
    const InputData *m_inputData = nullptr;
    const CalculationResults *m_results = nullptr;
    const ProjectInformation *m_projectInformation = nullptr;
    const ReportSettings *m_reportSettings = nullptr;
    const MonthlyAssessment *m_monthly = nullptr;
    QString m_projectFileName;
    bool m_pageNumbersVisible = false;
    UserLogoSettings m_userLogo;
    bool m_awInSeconds = false;
    int m_projectInfoTextFormat = FormatNormal;
    std::optional<AssessmentChoices::Origin> m_assessmentOrigin;
};

#endif // ReportH
