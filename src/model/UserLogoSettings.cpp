#include "UserLogoSettings.h"

#include <QSettings>

void UserLogoSettings::read(QSettings &settings) {
    m_position = settings.value("CurrentUserLogoPosition", NoLogo).toInt();
    if (m_position == NoLogo && settings.value("CurrentUserLogoVisible", false).toBool())
        m_position = LogoBesideProjectInfo;
    m_path = settings.value("CurrentUserLogoPath", QString()).toString();
    m_widthSetting = settings.value("UserLogoWidthSetting", true).toBool();
    m_size = settings.value("UserLogoWidthSize", 0).toInt();
}

void UserLogoSettings::write(QSettings &settings) const {
    settings.setValue("CurrentUserLogoPosition", m_position);
    settings.setValue("CurrentUserLogoPath", m_path);
    settings.setValue("UserLogoWidthSetting", m_widthSetting);
    settings.setValue("UserLogoWidthSize", m_size);
    // A left-over older flag would bring back a logo the user has switched off.
    settings.remove("CurrentUserLogoVisible");
}

bool UserLogoSettings::operator==(const UserLogoSettings &other) const {
    return m_position == other.m_position && m_path == other.m_path && m_widthSetting == other.m_widthSetting &&
           m_size == other.m_size;
}
