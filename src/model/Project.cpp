#include "Project.h"

Project::Project(QObject *parent) : QObject(parent) {
    // Signal spies and queued connections look the argument type up by name.
    qRegisterMetaType<ModificationType>();
}

Project::~Project() = default;

Project &Project::instance() {
    // Never destroyed: the project lives until the program ends, past the application object.
    static Project *project = new Project;
    return *project;
}

void Project::createNew(const ProjectInformation &defaults) {
    m_document.reset(new Document);
    m_document->projectInformation() = defaults;
    m_fileName.clear();
}

void Project::close() {
    m_document.reset();
}

void Project::setDocumentData(const Document &document) {
    if (!m_document)
        m_document.reset(new Document);
    m_document->inputData() = document.inputData();
    m_document->calculation() = document.calculation();
    m_document->projectInformation() = document.projectInformation();
}

void Project::setModified(ModificationType modType) {
    if (modType == ModificationType::AllModified && m_document)
        m_document->recalculate();
    emit modified(modType);
}
