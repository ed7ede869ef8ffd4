#include "ProjectInformation.h"

#include <QSettings>

namespace {

const char *const DefaultsGroup = "ProjectDefaults/DefaultProjectSettings";

} // namespace

HeatFlowDirection ProjectInformation::heatFlowDirection(int stored) {
    switch (stored) {
    case int(HeatFlowDirection::Upwards): return HeatFlowDirection::Upwards;
    case int(HeatFlowDirection::Downwards): return HeatFlowDirection::Downwards;
    default: return HeatFlowDirection::Horizontal;
    }
}

void ProjectInformation::readDefaults(QSettings &settings) {
    settings.beginGroup(DefaultsGroup);
    m_projectName = settings.value("ProjectName", QString()).toString();
    m_constructionID = settings.value("ConstructionID", QString()).toString();
    m_userName = settings.value("UserName", QString()).toString();
    m_company = settings.value("Company", QString()).toString();
    m_description = settings.value("Description", QString()).toString();
    m_disclaimerText = settings.value("DisclaimerText", QString()).toString();
    m_heatFlowDirection =
        heatFlowDirection(settings.value("HeatFlowDirection", int(HeatFlowDirection::Horizontal)).toInt());
    settings.endGroup();
}

void ProjectInformation::writeDefaults(QSettings &settings) const {
    settings.beginGroup(DefaultsGroup);
    settings.setValue("ProjectName", m_projectName);
    settings.setValue("ConstructionID", m_constructionID);
    settings.setValue("UserName", m_userName);
    settings.setValue("Company", m_company);
    settings.setValue("Description", m_description);
    settings.setValue("DisclaimerText", m_disclaimerText);
    settings.setValue("HeatFlowDirection", int(m_heatFlowDirection));
    settings.endGroup();
}

bool ProjectInformation::operator==(const ProjectInformation &other) const {
    return m_projectName == other.m_projectName && m_constructionID == other.m_constructionID &&
           m_userName == other.m_userName && m_company == other.m_company && m_description == other.m_description &&
           m_disclaimerText == other.m_disclaimerText && m_heatFlowDirection == other.m_heatFlowDirection;
}
