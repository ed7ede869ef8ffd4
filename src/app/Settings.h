#ifndef SettingsH
#define SettingsH

// The application settings: preferences kept in the user settings store between runs, the values
// of the command line for this run, the report settings, the defaults of new projects and the
// program's one undo stack. Created on first use; the main window writes it when it closes.
// Other classes read and change the members directly.

#include <QSet>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <memory>

#include <model/ProjectInformation.h>
#include <model/ReportSettings.h>
#include <model/UserLogoSettings.h>

class QSettings;
class QUndoStack;

class Settings {
public:
    /*! Names of the user settings store. */
    static const char *const Organization;
    static const char *const Application;

    /*! The one settings object, created with the defaults on first call. */
    static Settings &instance();

    Settings();
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    /*! Reads all stored values from the user settings store. */
    void read();
    /*! Reads all stored values from \a settings (at top level); missing keys give the defaults.
        Also sets the project file to open to the last project file. */
    void read(QSettings &settings);
    /*! Writes all stored values to the user settings store. */
    void write() const;
    /*! Writes all stored values to \a settings, in the same layout as read(). */
    void write(QSettings &settings) const;

    /*! Evaluates the process arguments \a args (the first one is the program name). Returns false
        after "--help", which prints the syntax to \a out (standard output by default): the program
        must end then. */
    bool parseCommandLine(const QStringList &args, std::ostream &out);
    bool parseCommandLine(const QStringList &args);

    /*! Directory of the user databases: "UserMaterialsDirectory" or, when that is empty, the
        directory "user_materials" in the user data directory, created when missing. */
    QString userMaterialsDir() const;

    /*! Per-user data directory (log file, default user databases), with "/" as separator. */
    static QString userDataDir();
    /*! The program's log file "Hygrolux2.log" in the user data directory. */
    static QString logFile();

    /*! Frame selection of a "ProjectDefaultFrames" text: one number per frame id, separated by
        blanks; id 1 (footer) is always selected. An empty text means the default selection. */
    static QSet<int> decodeFrames(const QString &text);
    /*! "ProjectDefaultFrames" text of a frame selection: "1 " or "0 " for each of the 14 ids. */
    static QString encodeFrames(const QSet<int> &frames);

    /*! The program's undo stack, shared by all editors; no undo limit. */
    QUndoStack *undoStack() const { return m_undoStack.get(); }

    // Stored at top level
    QString m_lastProjectFile;
    /*! Language of the user interface; empty means the system language. */
    QString m_languageID;

    // Stored in the group "ProjectDefaults"
    /*! True: water absorption coefficients are shown and entered per s^0.5, false: per h^0.5. */
    bool m_awInSeconds = false;
    /*! Recently used project files, most recent first. */
    QStringList m_recentProjects;
    /*! 0: start without project, 1: start with the last project. */
    int m_defaultRestartMode = 1;
    /*! Layer width unit as factor from metres: 1000 mm, 100 cm, 10 dm or 1 m. */
    int m_layerWidthUnit = 1000;
    QString m_lastExportFile;
    /*! Directory of the user databases chosen by the user; empty: default directory. */
    QString m_userMaterialsDirectory;
    /*! Project information of new projects (group "ProjectDefaults/DefaultProjectSettings"). */
    ProjectInformation m_defaultProjectInformation;
    /*! Report frames of new reports (stored as "ProjectDefaultFrames"). */
    QSet<int> m_defaultFrames;
    bool m_pageNumbersVisible = false;
    /*! User logo of new reports. */
    UserLogoSettings m_defaultUserLogo;

    // Stored in the group "ReportSettings"
    ReportSettings m_reportSettings;

    // Only for this run
    /*! Project to open at start: the last project file or a file named on the command line. */
    QString m_projectFileToOpen;
    /*! Language given with "--lang="; when not empty it overrides m_languageID. */
    QString m_commandLineLanguage;
    /*! Cleared by "--no-splash". */
    bool m_showSplash = true;

    /*! Family of the report and diagram fonts. */
    QString m_fontFamily = "Verdana";
    /*! Point size of the diagram font. */
    int m_diagramFontPointSize = 10;
    /*! Point size of the report font. */
    int m_reportFontPointSize = 9;

private:
    void readProjectDefaults(QSettings &settings);
    void writeProjectDefaults(QSettings &settings) const;

    std::unique_ptr<QUndoStack> m_undoStack;
};

#endif // SettingsH
