#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSplashScreen>
#include <QUndoStack>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>
#include <app/Globals.h>
#include <app/Settings.h>
#include <calculation/DINCriteria.h>
#include <model/ProgramInfo.h>
#include <model/Project.h>

#include "AssessmentClimateWidget.h"
#include "MaterialEditWidget.h"
#include "ModifiedState.h"
#include "PrintDialog.h"

namespace {
const char *const Subtitle =
    QT_TRANSLATE_NOOP("MainWindow", "A software for hygrothermal evaluation of building envelope systems");
}

MainWindow::MainWindow(QSplashScreen *splash, QWidget *parent)
    : QMainWindow(parent), m_ui(new Ui::MainWindow), m_project(Project::instance()),
      m_undoStack(Settings::instance().undoStack()), m_modifiedState(new ModifiedState(*m_undoStack, this)) {
    Q_INIT_RESOURCE(Hygrolux2);
    paintSubtitle(splash);
    setupForm(splash);
    setupEditors();
    setupConnections();

    const Settings &settings = Settings::instance();
    if (!settings.m_projectFileToOpen.isEmpty() && settings.m_defaultRestartMode == 1)
        openProjectFile(settings.m_projectFileToOpen);
    else
        updateActionsAndTitle();
    sizeAndCentre();
}

MainWindow::~MainWindow() {
    // Commands hold layer table and editors only weakly, but none may outlive the project it was made for.
    m_undoStack->clear();
}

void MainWindow::paintSubtitle(QSplashScreen *splash) {
    if (!splash)
        return;
    QPixmap pixmap = splash->pixmap();
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRect textRect(10, pixmap.height() - 30, pixmap.width() - 20, 20);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, tr(Subtitle));
    painter.end();
    splash->setPixmap(pixmap);
}

void MainWindow::setupForm(QSplashScreen *splash) {
    Q_UNUSED(splash)
    m_ui->setupUi(this);
    setWindowTitle(ProgramInfo::productName());

    QAction *showMainToolbar = m_ui->toolBarMain->toggleViewAction();
    showMainToolbar->setText(tr("Show/hide main toolbar"));
    showMainToolbar->setToolTip(tr("Shows/hides the main toolbar"));
    QAction *showDiagramToolbar = m_ui->toolBarDiagram->toggleViewAction();
    showDiagramToolbar->setText(tr("Show/hide diagram toolbar"));
    showDiagramToolbar->setToolTip(tr("Shows/hides the diagram toolbar"));
    m_ui->menu_View->addAction(showMainToolbar);
    m_ui->menu_View->addAction(showDiagramToolbar);
    m_ui->menu_View->addAction(m_ui->actionToggleGlaser);
    m_ui->menu_View->addAction(m_ui->actionShowGlaserDiagram);

    m_recentProjectsMenu = new QMenu(this);
    rebuildRecentProjectsMenu();
    m_ui->actionAbout->setText(tr("About %1 ...").arg(ProgramInfo::productName()));

    m_undoAction = m_undoStack->createUndoAction(this, tr("Undo"));
    m_undoAction->setShortcut(QKeySequence(tr("Ctrl+Z")));
    m_undoAction->setIcon(QIcon(QStringLiteral(":/icons/editundo.png")));
    m_redoAction = m_undoStack->createRedoAction(this, tr("Redo"));
    m_redoAction->setShortcut(QKeySequence(tr("Ctrl+Shift+Z")));
    m_redoAction->setIcon(QIcon(QStringLiteral(":/icons/editredo.png")));
    m_ui->toolBarMain->insertAction(m_ui->actionSelectMaterial, m_undoAction);
    m_ui->toolBarMain->insertAction(m_ui->actionSelectMaterial, m_redoAction);
    m_ui->toolBarMain->insertSeparator(m_ui->actionSelectMaterial);
    m_ui->menu_Edit->insertAction(m_ui->actionEditProjectInformation, m_undoAction);
    m_ui->menu_Edit->insertAction(m_ui->actionEditProjectInformation, m_redoAction);
    m_ui->menu_Edit->insertSeparator(m_ui->actionEditProjectInformation);

    addLanguageAction(QStringLiteral("English"), QStringLiteral("en"));
    addLanguageAction(QStringLiteral("Deutsch"), QStringLiteral("de"));

    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    table->setAccessibleName(tr("Construction layers"));
    table->setProject(&m_project);
    const Settings &settings = Settings::instance();
    table->setWidthUnit(settings.m_layerWidthUnit);
    const DiagramFontSettings diagramFonts{settings.m_fontFamily, double(settings.m_diagramFontPointSize)};
    table->setDiagramFonts(diagramFonts);
    m_ui->diagramView->setFonts(diagramFonts);
    m_ui->diagramView->setAccessibleName(tr("Profile diagram"));
    m_ui->actionAboutQt->setVisible(false);
    m_ui->actionKesslauWebpage->setVisible(false);
    wrapResultsInScrollArea();
}

void MainWindow::wrapResultsInScrollArea() {
    // In a short window the editor leaves the results too little height: they scroll instead of being cut off.
    m_resultsScrollArea = new QScrollArea(this);
    m_resultsScrollArea->setObjectName(QStringLiteral("scrollAreaResults"));
    m_resultsScrollArea->setFrameShape(QFrame::NoFrame);
    m_resultsScrollArea->setWidgetResizable(true);
    m_resultsScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    delete m_ui->verticalLayout_mainRight->replaceWidget(m_ui->widgetResults, m_resultsScrollArea);
    m_resultsScrollArea->setWidget(m_ui->widgetResults);
}

void MainWindow::setupEditors() {
    m_materialEditor = new MaterialEditWidget(m_project, *m_undoStack, this);
    m_assessmentClimateEditor = new AssessmentClimateWidget(m_project, *m_undoStack, this);
    m_materialEditor->setLayerTable(m_ui->tableWidgetConstruction);
    m_assessmentClimateEditor->setLayerTable(m_ui->tableWidgetConstruction);
    QWidget *formPage = m_ui->page;
    m_ui->stackedWidgetClimateMaterial->insertWidget(0, m_materialEditor);
    m_ui->stackedWidgetClimateMaterial->insertWidget(1, m_assessmentClimateEditor);
    m_ui->stackedWidgetClimateMaterial->removeWidget(formPage);
    delete formPage;
}

void MainWindow::setupConnections() {
    QTableWidget *table = m_ui->tableWidgetConstruction;
    connect(table, &QTableWidget::currentCellChanged, this, &MainWindow::constructionTableColumnChanged);
    connect(table, &QTableWidget::doubleClicked, this, &MainWindow::tableViewDoubleClicked);
    connect(table, &QTableWidget::customContextMenuRequested, this, &MainWindow::customContextMenu);
    connect(&m_project, &Project::modified, this, &MainWindow::updateUi);
    connect(m_ui->widgetResults, &V2_ResultsWidget::linkClicked, this, &MainWindow::resultsLinkClicked);
    connect(m_modifiedState, &ModifiedState::changed, this, &MainWindow::updateActionsAndTitle);

    m_heatFlowGroup = new QActionGroup(this);
    m_heatFlowGroup->setExclusive(true);
    m_ui->actionHeatFlowDown->setData(int(HeatFlowDirection::Downwards));
    m_ui->actionHorizontalHeatFlow->setData(int(HeatFlowDirection::Horizontal));
    m_ui->actionHeatFlowUp->setData(int(HeatFlowDirection::Upwards));
    m_heatFlowGroup->addAction(m_ui->actionHeatFlowDown);
    m_heatFlowGroup->addAction(m_ui->actionHorizontalHeatFlow);
    m_heatFlowGroup->addAction(m_ui->actionHeatFlowUp);
    connect(m_heatFlowGroup, &QActionGroup::triggered, this, &MainWindow::onHeatFlowDirectionTriggerd);
    m_ui->toolBarHeatFlowDirection->setVisible(false);
    m_ui->actionQtConfig->setVisible(false);
}

void MainWindow::sizeAndCentre() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    resize(available.width() / 3 * 2, available.height() / 3 * 2);
    move(available.center() - rect().center());
}

bool MainWindow::isActive() const {
    return m_project.hasDocument() && !m_project.document()->inputData().layers().isEmpty();
}

void MainWindow::updateUi(Project::ModificationType modType) {
    const bool hasDocument = m_project.hasDocument();
    if (modType != Project::ModificationType::ProjectInfoModified && hasDocument) {
        const Document &document = *m_project.document();
        m_ui->diagramView->setProjectFile(m_project.fileName());
        m_ui->diagramView->setData(m_ui->diagramView, document.inputData(), document.calculation().results(), 1.0);
    }
    updateConstructionTable();
    if (hasDocument) {
        const Document &document = *m_project.document();
        // the verdicts of the report's conclusions, live after every edit
        const std::vector<DINCriterion> criteria =
            DINCriteria::evaluate(document.inputData(), document.projectInformation().m_heatFlowDirection,
                                  document.calculation().results(), Settings::instance().m_reportSettings);
        m_ui->widgetResults->setData(document.inputData(), document.calculation().results(), criteria);
    }
    updateActionsAndTitle();
    m_ui->tableWidgetConstruction->viewport()->update();
}

void MainWindow::updateConstructionTable() {
    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    const int layerCount = m_project.hasDocument() ? m_project.document()->inputData().layers().size() : 0;
    const int columnCount = std::max(layerCount + 2, 3);
    table->setColumnCount(columnCount);
    for (int c = 0; c < columnCount; ++c) {
        if (!table->item(0, c))
            table->setItem(0, c, new QTableWidgetItem);
        table->item(0, c)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    int column = table->currentColumn() >= 0 ? table->currentColumn() : 1;
    if (column >= columnCount)
        column = columnCount - 2;
    disconnect(table, &QTableWidget::currentCellChanged, this, &MainWindow::constructionTableColumnChanged);
    table->setCurrentCell(0, column);
    constructionTableColumnChanged(0, column, 0, column);
    connect(table, &QTableWidget::currentCellChanged, this, &MainWindow::constructionTableColumnChanged);
    table->updateColumnWidths();
}

void MainWindow::constructionTableColumnChanged(int, int currentColumn, int, int) {
    const int columnCount = m_ui->tableWidgetConstruction->columnCount();
    const bool layerColumn = currentColumn != 0 && currentColumn != columnCount - 1;
    if (layerColumn && m_project.hasDocument()) {
        m_ui->stackedWidgetClimateMaterial->setCurrentIndex(0);
        const Settings &settings = Settings::instance();
        m_materialEditor->setDisplayUnits(settings.m_layerWidthUnit, settings.m_awInSeconds);
        m_materialEditor->setLayer(currentColumn - 1);
    }
    else {
        m_ui->stackedWidgetClimateMaterial->setCurrentIndex(1);
        m_assessmentClimateEditor->setSide(currentColumn == 0);
    }
    const bool enable = layerColumn && m_project.hasDocument();
    m_ui->actionSelectMaterial->setEnabled(enable);
    m_ui->actionAddLeft->setEnabled(enable);
    m_ui->actionAddRight->setEnabled(enable);
    m_ui->actionAddMaterialToUserDatabase->setEnabled(enable);
    m_ui->actionRemoveLayer->setEnabled(enable && columnCount >= 4);
    m_ui->actionMoveLeft->setEnabled(enable && currentColumn >= 2);
    m_ui->actionMoveRight->setEnabled(enable && currentColumn < columnCount - 2);
}

void MainWindow::updateActionsAndTitle() {
    const bool active = isActive();
    for (QAction *action : {m_ui->actionSave, m_ui->actionSaveAs, m_ui->actionPrint, m_ui->actionExportChart,
                            m_ui->actionExportSketch, m_ui->actionCopyChart, m_ui->actionCopySketch,
                            m_ui->actionEditProjectInformation, m_ui->actionAddToConstructionDatabase,
                            m_ui->actionReport, m_ui->actionToggleGlaser, m_ui->actionShowGlaserDiagram})
        action->setEnabled(active);
    m_ui->actionOpen->setEnabled(true);
    m_ui->actionAddMaterialToUserDatabase->setEnabled(true);
    m_ui->tableWidgetConstruction->setVisible(active);
    m_ui->diagramView->setVisible(active);
    m_ui->stackedWidgetClimateMaterial->setVisible(active);
    m_resultsScrollArea->setVisible(active);
    m_ui->frameDividerRight->setVisible(active);
    m_ui->actionUseHashes->setVisible(false);
    m_ui->actionToggleGlaser->setChecked(m_ui->diagramView->diagramType() ==
                                         DiagramScene::DiagramType::MoistureContent);
    m_ui->actionShowGlaserDiagram->setChecked(m_ui->diagramView->diagramType() == DiagramScene::DiagramType::Glaser);

    if (active) {
        QString filePart = m_project.fileName().isEmpty() ? QStringLiteral("unnamed.%1").arg("v2p")
                                                          : QFileInfo(m_project.fileName()).fileName();
        if (m_modifiedState->isModified())
            filePart += "*";
        setWindowTitle(QStringLiteral("%1 - %2").arg(ProgramInfo::productName(), filePart));
        updateHeatFlowToolbar();
        return;
    }
    for (QAction *action : {m_ui->actionSelectMaterial, m_ui->actionAddLeft, m_ui->actionAddRight, m_ui->actionMoveLeft,
                            m_ui->actionMoveRight, m_ui->actionRemoveLayer, m_ui->actionAddMaterialToUserDatabase,
                            m_ui->actionToggleGlaser, m_ui->actionShowGlaserDiagram})
        action->setEnabled(false);
    setWindowTitle(ProgramInfo::productName());
    if (m_printPreview && m_printPreview->isVisible())
        m_printPreview->close();
    m_ui->toolBarHeatFlowDirection->setVisible(false);
}

void MainWindow::updateHeatFlowToolbar() {
    bool hasAirLayer = false;
    if (isActive()) {
        for (const MaterialLayer &layer : m_project.document()->inputData().layers())
            hasAirLayer = hasAirLayer || layer.isAir();
    }
    m_ui->toolBarHeatFlowDirection->setVisible(hasAirLayer);
    if (!hasAirLayer)
        return;
    switch (m_project.document()->projectInformation().m_heatFlowDirection) {
    case HeatFlowDirection::Upwards: m_ui->actionHeatFlowUp->setChecked(true); break;
    case HeatFlowDirection::Downwards: m_ui->actionHeatFlowDown->setChecked(true); break;
    case HeatFlowDirection::Horizontal: m_ui->actionHorizontalHeatFlow->setChecked(true); break;
    }
}

bool MainWindow::isProjectModified() const {
    return m_project.hasDocument() && m_modifiedState->isModified();
}

void MainWindow::setProgress(int) {}

void MainWindow::on_actionToggleGlaser_triggered(bool checked) {
    m_ui->actionShowGlaserDiagram->setChecked(false);
    m_ui->diagramView->setDiagramType(checked ? DiagramScene::DiagramType::MoistureContent
                                              : DiagramScene::DiagramType::VapourPressure);
}

void MainWindow::on_actionShowGlaserDiagram_triggered(bool checked) {
    // unchecked, the other switch decides between the moisture and the pressure profile again
    if (checked)
        m_ui->diagramView->setDiagramType(DiagramScene::DiagramType::Glaser);
    else
        on_actionToggleGlaser_triggered(m_ui->actionToggleGlaser->isChecked());
}

void MainWindow::on_actionUseHashes_triggered(bool) {}

void MainWindow::actionSwitchLanguage() {}

int MainWindow::currentLayerIndex() const {
    return m_ui->tableWidgetConstruction->currentColumn() - 1;
}

void MainWindow::resultsLinkClicked(QUrl url) {
    const QString link = url.toString();
    const int hyphen = link.indexOf('-');
    if (hyphen < 0 || link.left(hyphen) != QLatin1String("layer"))
        return;
    bool ok = false;
    const int column = link.mid(hyphen + 1).toInt(&ok);
    if (!ok)
        return;
    m_ui->tableWidgetConstruction->setCurrentCell(0, column);
    m_ui->tableWidgetConstruction->setFocus();
}

void MainWindow::customContextMenu(QPoint pos) {
    const QList<QAction *> actions = {m_ui->actionAddRight,
                                      m_ui->actionAddLeft,
                                      m_ui->actionRemoveLayer,
                                      m_ui->actionSelectMaterial,
                                      m_ui->actionMoveRight,
                                      m_ui->actionMoveLeft,
                                      m_ui->actionAddMaterialToUserDatabase};
    if (std::none_of(actions.begin(), actions.end(), [](const QAction *a) { return a->isEnabled(); }))
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(m_ui->tableWidgetConstruction->viewport()->mapToGlobal(pos));
}

void MainWindow::closeEvent(QCloseEvent *event) {
    Settings &settings = Settings::instance();
    settings.m_lastProjectFile = m_project.hasDocument() ? m_project.fileName() : QString();
    settings.write();
    if (!closeProjectQuery()) {
        event->ignore();
        return;
    }
    if (!Globals::instance().writeDatabases())
        QMessageBox::critical(this, tr("Database"), tr("The user databases could not be written."));
    showDatabaseNotices();
    event->accept();
}

void MainWindow::on_actionQuit_triggered() {
    close();
}
