// Start-up of the desktop program: application object, log file, settings and command line, translations,
// number locale, splash screen and main window; then the event loop and the teardown.

#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QSplashScreen>

#include <algorithm>
#include <cstring>

#include <ZOT_MessageHandler.h>
#include <ZOT_MessageStream.h>
#include <model/ProgramInfo.h>
#include <ui/MainWindow.h>

#include "Globals.h"
#include "Settings.h"
#include <model/Translations.h>

namespace {

const char *const DockStyleSheet =
    "QDockWidget {     border: 1px solid navy;} QDockWidget::title {     text-align: left;     background: white;  "
    "   border-bottom: 1px solid lightgray;     padding-left: 5px; } QDockWidget::close-button, "
    "QDockWidget::float-button {     border: 1px solid navy;     background: white;     padding: 0px; } "
    "QDockWidget::close-button:hover, QDockWidget::float-button:hover {     background: #b0b0ff; } "
    "QDockWidget::close-button:pressed, QDockWidget::float-button:pressed {     padding: 1px -1px -1px 1px; }";

// The program keeps running without a log file; the console still gets every message.
void openLogFile() {
    ZOT::MessageHandler *handler = ZOT::MessageHandlerRegistry::instance().messageHandler();
    if (!handler)
        return;
    const QString logFile = Settings::logFile();
    if (!QDir().mkpath(QFileInfo(logFile).absolutePath())) {
        qDebug() << "Couldn't create log file directory.";
        return;
    }
    std::string errmsg;
    if (!handler->openLogFile(logFile.toStdString(), false, errmsg))
        qDebug() << "Can't open logfile...";
}

int runWindow(Settings &settings) {
    Translations translations;
    Globals::instance().setLanguageId(translations.installFor(settings.m_commandLineLanguage, settings.m_languageID,
                                                              Globals::resourcesDir() + "/translations"));

    QLocale::setDefault(
        Translations::numberLocale(QLocale::system(), Globals::instance().languageId(), translations.isInstalled()));

    const QIcon icon(QStringLiteral(":/Varnholt_Hygrolux_Icon_64x64.ico"));
    // The picture is decoded only when it is shown.
    QSplashScreen splash;
    if (settings.m_showSplash) {
        splash.setPixmap(QPixmap(QStringLiteral(":/VARNHOLT_Hygrolux_2_Startbild-1_400x250.png")));
        splash.show();
    }

    MainWindow window(settings.m_showSplash ? &splash : nullptr);
    window.setWindowIcon(icon);
    window.setStyleSheet(QString::fromLatin1(DockStyleSheet));
    window.show();
    window.raise();
    splash.finish(&window);
    const int exitCode = QApplication::exec();
    // The user databases are written while the message handler still reports failures.
    Globals::instance().releaseDatabases();
    return exitCode;
}

} // namespace

int main(int argc, char *argv[]) {
    // "--help" only prints the syntax, also on a machine without a display.
    if (std::any_of(argv + 1, argv + argc, [](const char *arg) { return std::strcmp(arg, "--help") == 0; }))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing is drawn with OpenGL: probing for it loads the system's software renderer, a good part of the
    // start-up time.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    openLogFile();
    ZOT::MessageStream log("main", ZOT::MSG_PROGRESS, -1);
    log << ProgramInfo::productName().toStdString() << " started "
        << QDateTime::currentDateTime().toString(Qt::TextDate).toStdString();
    log.flush();

    Settings &settings = Settings::instance();
    settings.read();
    if (!settings.parseCommandLine(QApplication::arguments()))
        return 0;
    return runWindow(settings);
}
