#include "ConfigPageProjectInformation.h"

#include <QLabel>
#include <QVBoxLayout>

#include <app/Settings.h>

#include "ProjectInformationEditWidget.h"

ConfigPageProjectInformation::ConfigPageProjectInformation(QWidget *parent) : QWidget(parent) {
    auto *note = new QLabel(tr("The settings below are transfered into newly created projects. To edit the project "
                               "information of the current project, use the project information editor available "
                               "from the edit menu."),
                            this);
    note->setWordWrap(true);
    m_editWidget = new ProjectInformationEditWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_editWidget);
}

void ConfigPageProjectInformation::fill(const Settings &settings) {
    m_editWidget->setInfo(settings.m_defaultProjectInformation);
}

bool ConfigPageProjectInformation::store(Settings &settings) {
    m_editWidget->getInfo(settings.m_defaultProjectInformation);
    return true;
}
