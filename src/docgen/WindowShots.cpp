#include "WindowShots.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QTableWidget>
#include <QUndoStack>

#include <app/Settings.h>
#include <model/Document.h>
#include <model/Project.h>
#include <report/Report.h>
#include <ui/MainWindow.h>

namespace {

// A common screen: large enough for every panel, small enough to stay legible on an A4 page.
const QSize WindowSize(1280, 900);
// The manual shows the window's pictures as on a screen of this resolution, at most as wide as the text.
const int ScreenDpi = 110;
// Report page picture: A4 rendered at this resolution, the report's 20 mm margins around the printed area,
// shown at two thirds of its size.
const int ReportDpi = 110;
const int ReportShownDpi = 165;
const double PageWidthMM = 210, PageHeightMM = 297, PageMarginMM = 20;

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QWidget &child(QWidget &window, const char *name) {
    QWidget *widget = window.findChild<QWidget *>(QLatin1String(name));
    if (!widget)
        qFatal("The main window has no widget '%s'.", name);
    return *widget;
}

QImage picture(QWidget &widget) {
    QImage image = widget.grab().toImage();
    image.setDotsPerMeterX(qRound(ScreenDpi / 0.0254));
    image.setDotsPerMeterY(qRound(ScreenDpi / 0.0254));
    return image;
}

int pixels(double mm) {
    return qRound(mm / 25.4 * ReportDpi);
}

} // namespace

WindowShots::WindowShots(const QString &project) : m_project(project) {}

QMap<QString, QImage> WindowShots::take() {
    m_shots.clear();
    Settings &settings = Settings::instance();
    settings.m_projectFileToOpen = m_project;
    settings.m_defaultRestartMode = 1;
    {
        MainWindow window;
        window.resize(WindowSize);
        window.show();
        settle();
        const Document *document = Project::instance().document();
        if (document && !document->inputData().layers().isEmpty()) {
            grabWindow(window);
            grabReportPage();
        }
        // Nothing was edited; the window must not ask to save when it goes.
        settings.undoStack()->setClean();
    }
    Project::instance().close();
    return m_shots;
}

void WindowShots::grabWindow(MainWindow &window) {
    auto &table = static_cast<QTableWidget &>(child(window, "tableWidgetConstruction"));
    QWidget &editors = child(window, "stackedWidgetClimateMaterial");
    QWidget &diagram = child(window, "diagramView");

    table.setCurrentCell(0, 2);
    settle();
    m_shots.insert(QStringLiteral("shots/main-window.png"), picture(window));
    m_shots.insert(QStringLiteral("shots/layer-editor.png"), picture(editors));
    m_shots.insert(QStringLiteral("shots/results-panel.png"), picture(child(window, "widgetResults")));
    m_shots.insert(QStringLiteral("shots/moisture-diagram.png"), picture(diagram));

    table.setCurrentCell(0, 0);
    settle();
    m_shots.insert(QStringLiteral("shots/climate-editor.png"), picture(editors));

    auto *toggle = window.findChild<QAction *>(QStringLiteral("actionToggleGlaser"));
    if (!toggle)
        qFatal("The main window has no diagram toggle.");
    toggle->trigger();
    settle();
    m_shots.insert(QStringLiteral("shots/pressure-diagram.png"), picture(diagram));
    toggle->trigger();
}

void WindowShots::grabReportPage() {
    const Document &document = *Project::instance().document();
    const QString family =
        QFontDatabase().hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans") : QFont().family();
    Report report(family);
    report.setSettings(&document.inputData(), &document.calculation().results(), &document.projectInformation(),
                       &Settings::instance().m_reportSettings);
    report.setProjectFileName(m_project);
    report.setPageNumbersVisible(true);

    QImage body(pixels(PageWidthMM - 2 * PageMarginMM), pixels(PageHeightMM - 2 * PageMarginMM), QImage::Format_RGB32);
    body.setDotsPerMeterX(qRound(ReportDpi / 0.0254));
    body.setDotsPerMeterY(qRound(ReportDpi / 0.0254));
    body.fill(Qt::white);
    report.paintPage(&body, 1);

    QImage page(pixels(PageWidthMM), pixels(PageHeightMM), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(pixels(PageMarginMM), pixels(PageMarginMM), body);
    painter.setPen(Qt::gray);
    painter.drawRect(page.rect().adjusted(0, 0, -1, -1));
    painter.end();
    page.setDotsPerMeterX(qRound(ReportShownDpi / 0.0254));
    page.setDotsPerMeterY(qRound(ReportShownDpi / 0.0254));
    m_shots.insert(QStringLiteral("shots/report-page.png"), page);
}
