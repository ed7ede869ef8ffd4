#ifndef WindowShotsH
#define WindowShotsH

// Pictures of the real program for the manual: the main window, its editors, diagrams and results panel on an
// example project, and the first report page, all rendered offscreen in the language that is installed.
// Nothing is pasted by hand, so the manual always shows the program as it is built.

#include <QImage>
#include <QMap>
#include <QString>

class MainWindow;

class WindowShots {
public:
    /*! \a project: the example project shown in every picture. */
    explicit WindowShots(const QString &project);

    /*! The pictures by the names the manual's documents use for them ("shots/main-window.png", ...).
        Empty when the window could not show the project. */
    QMap<QString, QImage> take();

private:
    void grabWindow(MainWindow &window);
    void grabReportPage();

    QString m_project;
    QMap<QString, QImage> m_shots;
};

#endif // WindowShotsH
