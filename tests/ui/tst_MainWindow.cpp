#include <QtTest>

#include <CoreEnums.h>

#include <QDataStream>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QUndoStack>

#include <app/Globals.h>
#include <app/Settings.h>
#include <model/MaterialList.h>
#include <model/Project.h>
#include <model/ReportSettings.h>
#include <report/Report.h>
#include <report/ReportPageLayout.h>
#include <ui/MainWindow.h>
#include <ui/MaterialDatabaseWidget_2.h>
#include <ui/PrintDialog.h>
#include <visualisation/V2_ResultsWidget.h>

#include "MessageCapture.h"
#include "ModalAnswerer.h"

#include <memory>

// The real main window, driven headless: every edit through its actions and fields, every answer of its
// dialogs given by a ModalAnswerer. Example projects are copied to a temporary directory first.
class tst_MainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layerCommandsUndoneAndRedoneAllTheWay();
    void heatFlowDirectionWithAirLayer();
    void saveAsAndReopenEqual();
    void modifiedFollowsTheUndoStack();
    void projectExtension_data();
    void projectExtension();
    void missingFileShowsBoxAndKeepsProject();
    void damagedUserDatabaseNoticeOnce();
    void preferencesReachTheEditorAtOnce();
    void failedSaveKeepsProjectModified_data();
    void failedSaveKeepsProjectModified();
    void closeQueryCancelKeepsProject();
    void failedExportKeepsTheOldFile();
    void missingRecentProjectOffersRemoval();
    void startProject_data();
    void startProject();
    void resultsLinks_data();
    void resultsLinks();
    void inputFieldsHaveAccessibleNames();
    void everyToolbarActionInAMenu();
    void reportPreviewShowsTheProject();
    void printDefaultsReachTheOpenPreview();

private:
    QString example(const QString &name) const { return m_dir.filePath(name); }
    void openWindow(const QString &fileName = QString());
    template <typename T> T *child(const char *name) const {
        T *widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    void trigger(const char *actionName) { child<QAction>(actionName)->trigger(); }
    void selectColumn(int column);
    const InputData &input() const { return Project::instance().document()->inputData(); }
    QUndoStack &stack() const { return *Settings::instance().undoStack(); }

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    for (const QString &name : QDir(HYGROLUX_EXAMPLES_DIR).entryList({"*.v2p"}))
        QVERIFY(QFile::copy(QString(HYGROLUX_EXAMPLES_DIR) + "/" + name, example(name)));
}

void tst_MainWindow::init() {
    Settings &settings = Settings::instance();
    settings.m_recentProjects.clear();
    settings.m_lastProjectFile.clear();
    settings.m_projectFileToOpen.clear();
    settings.m_defaultRestartMode = 1;
}

void tst_MainWindow::cleanup() {
    if (m_window) {
        stack().setClean();
        m_window.reset();
    }
    Project::instance().close();
}

void tst_MainWindow::openWindow(const QString &fileName) {
    Settings::instance().m_projectFileToOpen = fileName;
    {
        // No translations lie beside the test executables: the window names the missing file, and nothing else.
        MessageCapture capture;
        m_window = std::make_unique<MainWindow>();
        QCOMPARE(capture.count(ZOT::MSG_WARNING), capture.count(ZOT::MSG_WARNING, "Language file"));
        QCOMPARE(capture.count(ZOT::MSG_ERROR), 0);
    }
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_MainWindow::selectColumn(int column) {
    child<QTableWidget>("tableWidgetConstruction")->setCurrentCell(0, column);
}

void tst_MainWindow::layerCommandsUndoneAndRedoneAllTheWay() {
    openWindow(example("masonry-wall-inside-insulation.v2p"));
    const InputData original = input();
    auto *table = child<QTableWidget>("tableWidgetConstruction");
    ModalAnswerer answerer;
    const auto pickFirstMaterial = [](QDialog *dialog) {
        const MaterialList &materials = Globals::instance().materialList();
        int id = -1;
        for (int i = 0; i < materials.count() && id < 0; ++i) {
            if (materials.materialAt(i)->isValid())
                id = materials.materialAt(i)->materialId();
        }
        dialog->findChild<MaterialDatabaseWidget_2 *>()->selectMaterial(id);
        dialog->accept();
    };

    selectColumn(2);
    answerer.add(pickFirstMaterial);
    trigger("actionAddLeft");
    QCOMPARE(input().layers().size(), original.layers().size() + 1);
    QCOMPARE(table->columnCount(), original.layers().size() + 3);
    answerer.add(pickFirstMaterial);
    trigger("actionAddRight");
    trigger("actionMoveRight");
    trigger("actionMoveLeft");
    selectColumn(1);
    QVERIFY(!child<QAction>("actionMoveLeft")->isEnabled());
    trigger("actionRemoveLayer");
    selectColumn(table->columnCount() - 2);
    QVERIFY(!child<QAction>("actionMoveRight")->isEnabled());
    trigger("actionRemoveLayer");
    QCOMPARE(table->currentColumn(), table->columnCount() - 2);
    QCOMPARE(stack().count(), 6);
    QCOMPARE(answerer.pending(), 0);
    const InputData edited = input();

    while (stack().canUndo())
        stack().undo();
    QVERIFY(input() == original);
    QVERIFY(!m_window->windowTitle().endsWith('*'));
    while (stack().canRedo())
        stack().redo();
    QVERIFY(input() == edited);
    QVERIFY(m_window->windowTitle().endsWith('*'));
}

void tst_MainWindow::heatFlowDirectionWithAirLayer() {
    openWindow(example("masonry-wall-inside-insulation.v2p"));
    QVERIFY(child<QToolBar>("toolBarHeatFlowDirection")->isHidden());
    cleanup();
    openWindow(example("timber-frame-wall.v2p"));
    QVERIFY(child<QToolBar>("toolBarHeatFlowDirection")->isVisible());
    QVERIFY(child<QAction>("actionHorizontalHeatFlow")->isChecked());
    const double horizontalU = Project::instance().document()->calculation().results().U;

    trigger("actionHeatFlowUp");
    QCOMPARE(Project::instance().document()->projectInformation().m_heatFlowDirection, HeatFlowDirection::Upwards);
    QVERIFY(Project::instance().document()->calculation().results().U != horizontalU);
    stack().undo();
    QCOMPARE(Project::instance().document()->projectInformation().m_heatFlowDirection, HeatFlowDirection::Horizontal);
    QVERIFY(child<QAction>("actionHorizontalHeatFlow")->isChecked());
    QCOMPARE(Project::instance().document()->calculation().results().U, horizontalU);
}

void tst_MainWindow::saveAsAndReopenEqual() {
    openWindow(example("flat-roof.v2p"));
    selectColumn(3);
    trigger("actionMoveLeft");
    const InputData edited = input();
    const QString target = m_dir.filePath("saved-roof");
    ModalAnswerer answerer;
    answerer.chooseFile(target);
    trigger("actionSaveAs");
    QCOMPARE(Project::instance().fileName(), target + ".v2p");
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Hygrolux 2 Pro - saved-roof.v2p"));
    QCOMPARE(Settings::instance().m_recentProjects.first(), target + ".v2p");

    cleanup();
    openWindow(target + ".v2p");
    QVERIFY(input() == edited);
    QVERIFY(!m_window->isProjectModified());
}

void tst_MainWindow::modifiedFollowsTheUndoStack() {
    openWindow(example("flat-roof.v2p"));
    QVERIFY(!m_window->isProjectModified());
    selectColumn(2);
    trigger("actionMoveLeft");
    QVERIFY(m_window->isProjectModified());
    stack().undo();
    QVERIFY(!m_window->isProjectModified());
    QVERIFY(!m_window->windowTitle().endsWith('*'));
    stack().redo();
    QCOMPARE(m_window->save(m_dir.filePath("modified-roof.v2p")), 0);
    QVERIFY(!m_window->isProjectModified());
    // The file holds the moved layer now: going back is a change.
    stack().undo();
    QVERIFY(m_window->isProjectModified());
    QVERIFY(m_window->windowTitle().endsWith('*'));

    // A file of the old format differs from what saving writes, before any edit.
    cleanup();
    openWindow(QStringLiteral(HYGROLUX_TEST_DATA_DIR "/project/legacy_valid.vpj"));
    QVERIFY(m_window->isProjectModified());
    stack().undo();
    QVERIFY(m_window->isProjectModified());
}

void tst_MainWindow::projectExtension_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no suffix") << "/p/wall"
                               << "/p/wall.v2p";
    QTest::newRow("folder named like the extension") << "/p/dir-v2p/wall"
                                                     << "/p/dir-v2p/wall.v2p";
    QTest::newRow("name ending in the letters") << "/p/wallv2p"
                                                << "/p/wallv2p.v2p";
    QTest::newRow("extension") << "/p/wall.v2p"
                               << "/p/wall.v2p";
    QTest::newRow("extension in capitals") << "/p/wall.V2P"
                                           << "/p/wall.V2P";
    QTest::newRow("other extension") << "/p/wall.vpj"
                                     << "/p/wall.vpj.v2p";
}

void tst_MainWindow::projectExtension() {
    QFETCH(QString, chosen);
    QTEST(MainWindow::withProjectExtension(chosen), "saved");
}

void tst_MainWindow::missingFileShowsBoxAndKeepsProject() {
    openWindow(example("flat-roof.v2p"));
    const InputData original = input();
    ModalAnswerer answerer;
    answerer.clickButton(QMessageBox::Ok);
    m_window->openProject(m_dir.filePath("missing.v2p"));
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Error #4: File not found")});
    QVERIFY(input() == original);
    QCOMPARE(Project::instance().fileName(), example("flat-roof.v2p"));

    // A start project that cannot be read: the reader's error, and the window runs without a project.
    cleanup();
    QFile broken(m_dir.filePath("broken.v2p"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<?xml version=\"1.0\"?><VaproProject version=\"2.0\"><InputData>");
    broken.close();
    QString boxText;
    answerer.add([&boxText](QDialog *dialog) {
        boxText = qobject_cast<QMessageBox *>(dialog)->text();
        dialog->accept();
    });
    openWindow(broken.fileName());
    QCOMPARE(answerer.titles().value(1), QStringLiteral("Error loading project file"));
    QVERIFY2(boxText.startsWith(broken.fileName() + ":\n"), qPrintable(boxText));
    QVERIFY(!Project::instance().hasDocument());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Hygrolux 2 Pro"));
}

void tst_MainWindow::damagedUserDatabaseNoticeOnce() {
    // A user database of a format version this program does not know is kept before it is written over.
    Globals::instance().releaseDatabases();
    const QString path = Globals::instance().materialList().userDatabasePath();
    Globals::instance().releaseDatabases();
    QDir().mkpath(QFileInfo(path).path());
    QFile database(path);
    QVERIFY(database.open(QIODevice::WriteOnly));
    QDataStream(&database) << qint32(-5) << qint32(0);
    database.close();

    openWindow(example("flat-roof.v2p"));
    selectColumn(1);
    ModalAnswerer answerer;
    answerer.clickButton(QMessageBox::Ok);
    MessageCapture capture;
    trigger("actionAddMaterialToUserDatabase");
    trigger("actionAddMaterialToUserDatabase");
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Damaged database")});
    QCOMPARE(capture.count(ZOT::MSG_WARNING, "unknown format version"), 1);
    const QStringList kept = QFileInfo(path).dir().entryList({QFileInfo(path).fileName() + ".damaged-*"});
    QCOMPARE(kept.size(), 1);
    QDir(QFileInfo(path).path()).remove(kept.first());
    Globals::instance().releaseDatabases();
    QFile::remove(path);
}

void tst_MainWindow::preferencesReachTheEditorAtOnce() {
    Settings::instance().m_layerWidthUnit = 1000;
    openWindow(example("flat-roof.v2p"));
    selectColumn(1);
    ModalAnswerer answerer;
    answerer.add([](QDialog *dialog) {
        dialog->findChild<QComboBox *>("comboBoxWidthUnit")->setCurrentIndex(1);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger("actionPreferences");
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(child<QLabel>("labelWidth")->text(), QStringLiteral("Layer width/height [cm]:"));
    QVERIFY(!m_window->windowTitle().endsWith('*'));
    Settings::instance().m_layerWidthUnit = 1000;
}

void tst_MainWindow::failedSaveKeepsProjectModified_data() {
    QTest::addColumn<bool>("readOnlyDirectory");
    QTest::newRow("read-only directory") << true;
    QTest::newRow("missing directory") << false;
}

void tst_MainWindow::failedSaveKeepsProjectModified() {
    QFETCH(bool, readOnlyDirectory);
    const QString directory = m_dir.filePath(readOnlyDirectory ? "readonly" : "missing");
    if (readOnlyDirectory) {
        QDir(m_dir.path()).mkdir("readonly");
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(directory).isWritable())
            QSKIP("running with rights that ignore directory permissions");
    }
    openWindow(example("flat-roof.v2p"));
    QFile original(example("flat-roof.v2p"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray originalBytes = original.readAll();
    original.close();
    selectColumn(2);
    trigger("actionMoveLeft");
    const InputData edited = input();

    ModalAnswerer answerer;
    answerer.clickButton(QMessageBox::Ok);
    QCOMPARE(m_window->save(directory + "/roof.v2p"), 1);
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Error #3: Saving failed")});
    QVERIFY(m_window->isProjectModified());
    QCOMPARE(Project::instance().fileName(), example("flat-roof.v2p"));
    QVERIFY(input() == edited);
    QVERIFY(m_window->windowTitle().endsWith('*'));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), originalBytes);
}

void tst_MainWindow::failedExportKeepsTheOldFile() {
    const QString directory = m_dir.filePath("exports");
    QVERIFY(QDir().mkpath(directory));
    const QString target = directory + "/chart.jpg";
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the earlier picture");
    old.close();
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
    const auto restore = qScopeGuard(
        [&directory] { QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (QFileInfo(directory).isWritable())
        QSKIP("running with rights that ignore directory permissions");

    openWindow(example("flat-roof.v2p"));
    ModalAnswerer answerer;
    answerer.chooseFile(target);
    answerer.clickButton(QMessageBox::Yes); // replace the file
    QString boxText;
    answerer.add([&boxText](QDialog *dialog) {
        boxText = qobject_cast<QMessageBox *>(dialog)->text();
        dialog->accept();
    });
    trigger("actionExportChart");
    QCOMPARE(answerer.titles(), (QStringList{"Export file", "Export file", "Export failed"}));
    QVERIFY2(boxText.contains(target), qPrintable(boxText));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the earlier picture"));
}

void tst_MainWindow::closeQueryCancelKeepsProject() {
    openWindow(example("flat-roof.v2p"));
    selectColumn(2);
    trigger("actionMoveLeft");
    ModalAnswerer answerer;
    answerer.clickButton(QMessageBox::Cancel);
    QVERIFY(!m_window->close());
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Save project before closing")});
    QVERIFY(Project::instance().hasDocument());
    QCOMPARE(Settings::instance().m_lastProjectFile, example("flat-roof.v2p"));
    answerer.clickButton(QMessageBox::Discard);
    QVERIFY(m_window->close());
    QVERIFY(!Project::instance().hasDocument());
}

void tst_MainWindow::missingRecentProjectOffersRemoval() {
    Settings::instance().m_recentProjects = QStringList{m_dir.filePath("gone.v2p"), example("flat-roof.v2p")};
    openWindow();
    QAction *recent = child<QAction>("actionRecentProjects");
    QVERIFY(recent->menu());
    ModalAnswerer answerer;
    answerer.clickButton(QMessageBox::Yes);
    recent->menu()->actions().first()->trigger();
    QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Error #5: File not found")});
    QCOMPARE(Settings::instance().m_recentProjects, QStringList{example("flat-roof.v2p")});
    QCOMPARE(recent->menu()->actions().size(), 1);
    QVERIFY(!Project::instance().hasDocument());
}

void tst_MainWindow::startProject_data() {
    QTest::addColumn<int>("restartMode");
    QTest::addColumn<bool>("opened");
    QTest::newRow("last project") << 1 << true;
    QTest::newRow("start without project") << 0 << false;
}

void tst_MainWindow::startProject() {
    QFETCH(int, restartMode);
    QFETCH(bool, opened);
    Settings::instance().m_defaultRestartMode = restartMode;
    openWindow(example("flat-roof.v2p"));
    QCOMPARE(Project::instance().hasDocument(), opened);
    QCOMPARE(child<QTableWidget>("tableWidgetConstruction")->isVisible(), opened);
    QCOMPARE(child<QAction>("actionSave")->isEnabled(), opened);
    QCOMPARE(m_window->windowTitle(),
             opened ? QStringLiteral("Hygrolux 2 Pro - flat-roof.v2p") : QStringLiteral("Hygrolux 2 Pro"));
}

void tst_MainWindow::resultsLinks_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("column");
    QTest::newRow("layer 3") << "layer-3" << 3;
    QTest::newRow("not a number") << "layer-x" << 1;
    QTest::newRow("other word") << "zone-3" << 1;
    QTest::newRow("no hyphen") << "layer3" << 1;
}

void tst_MainWindow::resultsLinks() {
    QFETCH(QString, link);
    QFETCH(int, column);
    openWindow(example("timber-frame-wall.v2p"));
    selectColumn(1);
    emit child<V2_ResultsWidget>("widgetResults")->linkClicked(QUrl(link));
    QCOMPARE(child<QTableWidget>("tableWidgetConstruction")->currentColumn(), column);
}

void tst_MainWindow::inputFieldsHaveAccessibleNames() {
    openWindow(example("timber-frame-wall.v2p"));
    const int columns = child<QTableWidget>("tableWidgetConstruction")->columnCount();
    for (int column : {0, 1, columns - 1}) {
        selectColumn(column);
        for (QWidget *widget : m_window->findChildren<QWidget *>()) {
            const bool input = qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
                               qobject_cast<QComboBox *>(widget) || qobject_cast<QTextEdit *>(widget) ||
                               qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QAbstractItemView *>(widget);
            if (input && widget->isVisibleTo(m_window.get()) && !qobject_cast<QComboBox *>(widget->parent()))
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
    }
}

void tst_MainWindow::everyToolbarActionInAMenu() {
    openWindow(example("timber-frame-wall.v2p"));
    QSet<QAction *> inMenus;
    QList<QMenu *> menus;
    for (QAction *action : m_window->menuBar()->actions())
        menus << action->menu();
    while (!menus.isEmpty()) {
        QMenu *menu = menus.takeFirst();
        QVERIFY2(menu->title().contains('&') || menu->parent() != m_window->menuBar(), qPrintable(menu->title()));
        for (QAction *action : menu->actions()) {
            inMenus << action;
            if (action->menu() && action->objectName() != QLatin1String("actionRecentProjects"))
                menus << action->menu();
        }
    }
    for (QToolBar *toolbar : m_window->findChildren<QToolBar *>()) {
        for (QAction *action : toolbar->actions()) {
            if (!action->isSeparator() && action->isVisible())
                QVERIFY2(inMenus.contains(action), qPrintable(action->objectName()));
        }
    }
}

void tst_MainWindow::reportPreviewShowsTheProject() {
    // The report logs a missing font family as an error; the default family need not be installed here.
    const QFontDatabase fonts;
    Settings::instance().m_fontFamily =
        fonts.hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans") : fonts.families().value(0);
    openWindow(example("timber-frame-wall.v2p"));
    trigger("actionReport");
    auto *dialog = m_window->findChild<PrintDialog *>();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->report().projectName(), QString("Timber-frame wall"));
    QVERIFY(dialog->report().pageCount() >= 2);
    // A second call shows the same dialog.
    trigger("actionReport");
    QCOMPARE(m_window->findChildren<PrintDialog *>().size(), 1);
}

void tst_MainWindow::printDefaultsReachTheOpenPreview() {
    ReportSettings &report = Settings::instance().m_reportSettings;
    const ReportSettings before = report;
    openWindow(example("timber-frame-wall.v2p"));
    trigger("actionReport");
    auto *preview = m_window->findChild<PrintDialog *>();
    QVERIFY(preview->report().pageLayout().frameRect(ReportSettings::HeaderFrameId).height() > 0);
    ModalAnswerer answerer;
    answerer.add([](QDialog *dialog) {
        dialog->findChild<QCheckBox *>("checkBoxHeader_2")->setChecked(false);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger("actionPreferences");
    QCOMPARE(answerer.pending(), 0);
    QVERIFY(!preview->findChild<QCheckBox *>("checkBoxHeader")->isChecked());
    QCOMPARE(preview->report().pageLayout().frameRect(ReportSettings::HeaderFrameId).height(), 0.0);
    report = before;
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
