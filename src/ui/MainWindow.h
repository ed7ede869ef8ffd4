#ifndef MainWindowH
#define MainWindowH

// The program's one top-level window: layer table and profile diagram on the left, the editor stack and the
// results panel on the right. Owns the file commands, starts every edit of the project as an undo command
// and refreshes its views whenever the project signals a change.

#include <model/Project.h>

#include <QMainWindow>
#include <QModelIndex>
#include <QPointer>
#include <QUrl>

#include <memory>

class AssessmentClimateWidget;
class MaterialEditWidget;
class Material;
class MaterialDatabaseDialog;
class ModifiedState;
class PrintDialog;
class QAction;
class QActionGroup;
class QFileDialog;
class QMenu;
class QScrollArea;
class QSplashScreen;
class QUndoStack;
class VariantStudyDialog;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /*! Paints the program's subtitle onto \a splash (when given) and opens the start-up project of the
        settings when the restart mode asks for it. */
    explicit MainWindow(QSplashScreen *splash = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    /*! \a fileName with ".v2p" appended unless the file name's suffix is "v2p" in any case. */
    static QString withProjectExtension(const QString &fileName);
    /*! \a fileName with its extension replaced by \a suffix (appended when there is none). */
    static QString withSuffix(const QString &fileName, const QString &suffix);

    /*! Writes the project to \a fileName (extension appended as needed). 0 on success, 1 on failure. */
    int save(const QString &fileName);
    /*! Asks for a file name and saves there. 0 on success, 1 on failure or cancel. */
    int saveAs();
    /*! Asks whether to save a modified project, then closes it. False when the caller must stop. */
    bool closeProjectQuery();
    /*! Opens \a fileName chosen by the user: a missing file is reported, a modified project offered for saving
        first. */
    void openProject(const QString &fileName);
    /*! Creates a new project and reads \a fileName into it; shows the reader's error on failure. */
    void openProjectFile(const QString &fileName);
    /*! Puts \a fileName at the front of the recent projects and stores it as the last project file. */
    void addToRecentProjects(const QString &fileName);
    /*! Opens the help document; every topic opens the same file. */
    void showHelp(int topic);
    void showHelpPathMessage(const QString &path);
    /*! Path of the help document in \a language under \a resourcesDir; the English one when the manual does not
        exist in that language (the window is English then too). */
    static QString helpFilePath(const QString &resourcesDir, const QString &language);
    /*! True when the open project differs from its file. */
    bool isProjectModified() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void updateUi(Project::ModificationType modType);
    void constructionTableColumnChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void setProgress(int value);
    void on_actionHelp_triggered();
    void on_actionExportChart_triggered();
    void on_actionExportSketch_triggered();
    void on_actionCopyChart_triggered();
    void on_actionCopySketch_triggered();
    void on_actionToggleGlaser_triggered(bool checked);
    void on_actionShowGlaserDiagram_triggered(bool checked);
    void on_actionUseHashes_triggered(bool checked);
    void on_actionEditProjectInformation_triggered();
    void on_actionReport_triggered();
    void on_actionVariantStudy_triggered();
    void on_actionMoveRight_triggered();
    void on_actionMoveLeft_triggered();
    void on_actionAddRight_triggered();
    void on_actionAddLeft_triggered();
    void on_actionRemoveLayer_triggered();
    void on_actionSelectMaterial_triggered();
    void on_actionEditMaterialDatabase_triggered();
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionPrint_triggered();
    void on_actionQuit_triggered();
    void on_actionPreferences_triggered();
    void on_actionQtConfig_triggered();
    void on_actionKesslauWebpage_triggered();
    void on_actionAbout_triggered();
    void on_actionAboutQt_triggered();
    void actionLanguange_triggered();
    void tableViewDoubleClicked(QModelIndex index);
    void fileDialogFilterSelected(QString filter);
    void onHeatFlowDirectionTriggerd(QAction *action);
    void customContextMenu(QPoint pos);
    void actionOpenRecentFile();
    void actionSwitchLanguage();
    void resultsLinkClicked(QUrl url);
    void on_actionAddToConstructionDatabase_triggered();
    void on_actionHelpHeatFlowDirections_triggered();
    void on_actionAddMaterialToUserDatabase_triggered();
    void on_actionShow_Logfile_triggered();

private:
    void setupForm(QSplashScreen *splash);
    void setupEditors();
    void wrapResultsInScrollArea();
    void setupConnections();
    void paintSubtitle(QSplashScreen *splash);
    void sizeAndCentre();
    void addLanguageAction(const QString &name, const QString &languageId);

    bool isActive() const;
    void updateActionsAndTitle();
    void updateHeatFlowToolbar();
    void updateConstructionTable();
    void rebuildRecentProjectsMenu();

    int currentLayerIndex() const;
    /*! The material and construction database dialog, created on first use. */
    MaterialDatabaseDialog &materialDatabaseDialog();
    /*! Asks for a material; false when none was chosen. */
    bool chooseMaterial(Material &material);
    void addLayer(bool left);
    /*! Tells the user once of every damaged database whose original was kept before it was written. */
    void showDatabaseNotices();

    /*! Asks for an export file; empty when cancelled. The extension matches the chosen filter. */
    QString exportFileName();
    void exportPicture(bool chart);
    QPixmap chartPixmap() const;
    QPixmap sketchPixmap() const;
    /*! The report preview dialog, created on first use. */
    PrintDialog *printDialog();

    std::unique_ptr<Ui::MainWindow> m_ui;
    Project &m_project;
    QUndoStack *m_undoStack;
    ModifiedState *m_modifiedState;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QActionGroup *m_heatFlowGroup = nullptr;
    QMenu *m_recentProjectsMenu = nullptr;
    QList<QAction *> m_recentProjectActions;
    /*! The picture export's file dialog, made on first use. */
    QFileDialog *m_exportDialog = nullptr;
    QPointer<PrintDialog> m_printPreview;
    QPointer<VariantStudyDialog> m_variantStudy;
    QScrollArea *m_resultsScrollArea = nullptr;
    MaterialEditWidget *m_materialEditor = nullptr;
    AssessmentClimateWidget *m_assessmentClimateEditor = nullptr;
    MaterialDatabaseDialog *m_materialDatabaseDialog = nullptr;
};

#endif // MainWindowH
