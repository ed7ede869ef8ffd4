#include "Globals.h"

#include <QCoreApplication>

#include <model/ConstructionList.h>
#include <model/MaterialList.h>
#include <model/ProgramInfo.h>

#include "Settings.h"

Globals &Globals::instance() {
    static Globals globals;
    return globals;
}

Globals::Globals() : m_nextUserMaterialId(MaterialList::FirstUserMaterialId) {}

Globals::~Globals() {
    releaseDatabases();
}

QString Globals::resourcesDir() {
    return ProgramInfo::resourcesDir();
}

MaterialList &Globals::materialList() {
    if (!m_materialList) {
        m_materialList = std::make_unique<MaterialList>(m_languageId, Settings::instance().userMaterialsDir(),
                                                        [this] { return takeNextUserMaterialId(); });
        m_materialList->readDatabase(resourcesDir());
    }
    return *m_materialList;
}

ConstructionList &Globals::constructionList() {
    if (!m_constructionList) {
        m_constructionList = std::make_unique<ConstructionList>(m_languageId, Settings::instance().userMaterialsDir());
        if (!m_constructionList->read())
            m_constructionList->addExampleConstruction(materialList());
    }
    return *m_constructionList;
}

bool Globals::writeDatabases() {
    const bool materialsWritten = !m_materialList || m_materialList->writeUserDatabase();
    const bool constructionsWritten = !m_constructionList || m_constructionList->write();
    return materialsWritten && constructionsWritten;
}

QStringList Globals::takeDamageNotices() {
    QStringList notices;
    if (m_materialList)
        notices << m_materialList->takeDamageNotice();
    if (m_constructionList)
        notices << m_constructionList->takeDamageNotice();
    notices.removeAll(QString());
    return notices;
}

void Globals::releaseDatabases() {
    m_constructionList.reset();
    m_materialList.reset();
}
