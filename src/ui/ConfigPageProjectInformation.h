#ifndef ConfigPageProjectInformationH
#define ConfigPageProjectInformationH

// Preferences page "Default Project Info": the project information that new projects start with.

#include <QWidget>

class ProjectInformationEditWidget;
class Settings;

class ConfigPageProjectInformation : public QWidget {
    Q_OBJECT
public:
    explicit ConfigPageProjectInformation(QWidget *parent = nullptr);

    void fill(const Settings &settings);
    bool store(Settings &settings);

private:
    ProjectInformationEditWidget *m_editWidget = nullptr;
};

#endif // ConfigPageProjectInformationH
