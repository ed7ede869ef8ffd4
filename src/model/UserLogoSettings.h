#ifndef UserLogoSettingsH
#define UserLogoSettingsH

// Where and how large the user's own logo appears in the report. Kept twice: with the report
// settings and as the default of new reports; the print dialog and the report frames read it.

#include <QString>

class QSettings;

class UserLogoSettings {
public:
    /*! Values of "CurrentUserLogoPosition". */
    enum Position { NoLogo = 0, LogoInHeader = 1, LogoBesideProjectInfo = 2 };

    /*! Reads the logo keys from the group \a settings is currently in; missing keys give the
        defaults. The older flag "CurrentUserLogoVisible" moves a visible logo without a position
        beside the project information. */
    void read(QSettings &settings);
    /*! Writes the logo keys into the current group and drops the older flag. */
    void write(QSettings &settings) const;

    bool operator==(const UserLogoSettings &other) const;
    bool operator!=(const UserLogoSettings &other) const { return !(*this == other); }

    /*! One of Position. */
    int m_position = NoLogo;
    /*! Image file of the logo. */
    QString m_path;
    /*! True: m_size is the width of the logo, false: its height. */
    bool m_widthSetting = true;
    /*! Logo width or height in screen pixels; the aspect ratio of the image is kept. */
    int m_size = 0;
};

#endif // UserLogoSettingsH
