#ifndef PrintDialogH
#define PrintDialogH

// The report preview dialog: a live preview of the report's pages beside the options that shape it (frames,
// fonts, page numbers, user logo, criteria options, final remarks), zoom, page setup, printing, the PDF of the
// whole report and the export of the shown page. The layout options are written straight into the application
// settings, so that the next report and the preferences see them. The assessment choices and the final remarks
// belong to the project and change through undo commands (the remarks one per burst of typing). Created by the
// main window for the open project.

#include <model/AssessmentChoices.h>
#include <model/Project.h>

#include <QDialog>
#include <QHash>

#include <memory>

class HTMLTextFormatWidget;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFontComboBox;
class QPrintPreviewWidget;
class QPrinter;
class QSpinBox;
class QTimer;
class QToolBox;
class QUndoStack;
class Report;
class Settings;
class TextEditWidget;
class UserLogoSettingsWidget;
class DINCriteriaSettings;
class DryingReserveSettings;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    /*! Image and document formats of the page export, in the order of the file dialog's filters. */
    enum PageFormat { PngPage, PdfPage, SvgPage, JpgPage };

    PrintDialog(Project &project, QUndoStack *undoStack, Settings &settings, QWidget *parent = nullptr);
    ~PrintDialog() override;

    /*! Writes the whole report as PDF (A4, 20 mm margins) to \a fileName, ".pdf" appended when it has no
        suffix. False, with the reason in \a errorText, when the file cannot be written. */
    bool writePdf(const QString &fileName, QString *errorText = nullptr);
    /*! Writes page \a page of the report to \a fileName in \a format. False, with the reason in \a errorText,
        when it cannot be written. */
    bool exportPage(int page, const QString &fileName, PageFormat format, QString *errorText = nullptr);
    /*! The report of the last preview or print. */
    const Report &report() const { return *m_report; }
    QPrintPreviewWidget *preview() const { return m_preview; }

    /*! Pause in typing, ms, after which the final remarks typed so far become one undo command. */
    static const int RemarksBurstPause = 600;

signals:
    /*! The report's progress while laying out and painting. */
    void progress(int step);

public slots:
    /*! Shows the report options of the settings anew (after the preferences changed them) and lays out. */
    void settingsChanged();
    void updatePreview();
    /*! Prints the report onto \a printer; ignored while another print runs. */
    void printReport(QPrinter *printer);
    /*! Asks for the printer and its page range in the system's print dialog, then prints. */
    void print();

protected:
    void hideEvent(QHideEvent *event) override;

private slots:
    void on_pushButtonPrint_clicked();
    void on_pushButtonWritePdf_clicked();
    void on_pushButtonPageSetup_clicked();
    void on_pushButtonClose_clicked();
    void on_toolButtonExportPage_clicked();
    void on_toolButtonUpdatePreview_clicked();
    void on_toolButtonZoomIn_clicked();
    void on_toolButtonZoomOut_clicked();
    void on_comboBoxZoomOptions_currentIndexChanged(int index);
    void on_comboBoxMinHeatResVersion_currentIndexChanged(int index);
    void on_comboBoxMinHeatRes_currentIndexChanged(int index);
    void on_fontComboBoxDefault_currentFontChanged(const QFont &font);
    void on_spinBoxFontSize_valueChanged(int size);
    void checkBoxStateChanged(int state);
    void pageNumbersEnabled(int state);
    void frsiCheckEnabled(int state);
    void userLogoChanged();
    void projectInfoTextChanged();
    void textEdit_textChanged();
    void dryingReserveSettingsChanged(double value);
    void DINCriteriaSettingsChanged();
    void fileDialogFilterSelected(const QString &filter);
    void actionHelp_triggered();
    void projectModified(Project::ModificationType modType);

private:
    // Building the form (PrintDialogForm.cpp)
    void buildForm();
    QWidget *buildOptions();
    QWidget *buildPreviewArea();
    QWidget *generalAppearancePage();
    QWidget *inputDataPage();
    QWidget *diagramsPage();
    QWidget *resultsPage();
    QWidget *finalRemarksPage();
    /*! The check boxes of \a frameIds, entered in the check box map. */
    QList<QWidget *> frameCheckBoxes(const QVector<int> &frameIds);
    void showSettings();
    /*! Shows the assessment choices in force in the criteria controls, without signals. */
    void showAssessment();
    void connectControls();
    /*! The project's assessment choices, or the defaults of the settings for a project without. */
    AssessmentChoices assessmentInForce() const;
    /*! Gives the project \a choices through an undo command named \a text, when they differ from its own. */
    void changeAssessment(const AssessmentChoices &choices, const QString &text);

    /*! Prints the report onto \a printer unless a print runs already (then true without printing). False
        when the printer cannot be painted on. */
    bool printOnto(QPrinter *printer);
    /*! Hands the report the project, the options and the font of the settings. */
    void prepareReport();
    void showPrintError();
    QString exportStartPath() const;
    /*! Ends a burst of typing in the final remarks now: pushFinalRemarks() when one is going on. */
    void commitFinalRemarks();
    /*! Pushes the final remarks as one command, when they differ from the project's. */
    void pushFinalRemarks();

    Project &m_project;
    QUndoStack *m_undoStack;
    Settings &m_settings;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<Report> m_report;
    QPrintPreviewWidget *m_preview = nullptr;
    QHash<QCheckBox *, int> m_frameCheckBoxes;
    /*! Set while no print runs; a paint request that finds it cleared is ignored. */
    bool m_notPrinting = true;
    /*! Text format of the project information in the report (Report::TextFormat). */
    int m_projectInfoTextFormat;
    QFileDialog *m_exportDialog = nullptr;

    QToolBox *m_toolBox = nullptr;
    QCheckBox *m_pageNumbers = nullptr;
    QCheckBox *m_frsiCheck = nullptr;
    QComboBox *m_minHeatResVersion = nullptr;
    QComboBox *m_minHeatRes = nullptr;
    QFontComboBox *m_font = nullptr;
    QSpinBox *m_fontSize = nullptr;
    QComboBox *m_zoomOptions = nullptr;
    UserLogoSettingsWidget *m_userLogo = nullptr;
    HTMLTextFormatWidget *m_projectInfoFormat = nullptr;
    DINCriteriaSettings *m_criteriaSettings = nullptr;
    DryingReserveSettings *m_dryingReserve = nullptr;
    TextEditWidget *m_finalRemarks = nullptr;
    /*! Runs while the final remarks are being typed; its timeout ends the burst. */
    QTimer *m_remarksBurst = nullptr;
};

#endif // PrintDialogH
