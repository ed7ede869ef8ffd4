// Globals: the databases are created on first request from the settings' user directory, user material ids
// come from one counter for the whole run, and the databases are written when they are released.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <app/Globals.h>
#include <app/Settings.h>
#include <model/ConstructionList.h>
#include <model/MaterialList.h>

#include "MessageCapture.h"

class tst_Globals : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void userMaterialIdsShareOneCounter();
    void databasesAreWrittenOnRelease();

private:
    QTemporaryDir m_dir;
};

void tst_Globals::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    Settings::instance().m_userMaterialsDirectory = m_dir.path();
}

void tst_Globals::userMaterialIdsShareOneCounter() {
    MessageCapture capture;
    Globals &g = Globals::instance();
    QCOMPARE(g.nextUserMaterialId(), 32768);
    MaterialList &list = g.materialList();
    QCOMPARE(list.userDirectory(), m_dir.path());
    Material m(QStringLiteral("user"), 1, QString(), QString(), QString(), QString(), 1000, 0.5, 10, 0.01, 0.3, 0, 0);
    QCOMPARE(list.addUserMaterial(m), 32768);
    QCOMPARE(g.nextUserMaterialId(), 32769);
    QCOMPARE(g.takeNextUserMaterialId(), 32769);
    QCOMPARE(list.addUserMaterial(m), 32770);
    QCOMPARE(&g.materialList(), &list);
}

void tst_Globals::databasesAreWrittenOnRelease() {
    MessageCapture capture;
    Globals &g = Globals::instance();
    g.materialList();
    ConstructionList &constructions = g.constructionList();
    // The test resources hold no catalogue, so there is no example construction to seed.
    QCOMPARE(constructions.count(), 0);
    const MaterialLayer layer(*g.materialList().materialById(32768), 0.1);
    QVERIFY(constructions.addConstruction(Construction(QStringLiteral("wall"), {layer})));
    g.releaseDatabases();
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("UserData.cmat"))));
    QVERIFY(QFile::exists(m_dir.filePath(QLatin1String(ConstructionList::FileName))));
    QCOMPARE(g.constructionList().count(), 1);
    QCOMPARE(g.materialList().userMaterialCount(), 2);
    g.releaseDatabases();
}

QTEST_GUILESS_MAIN(tst_Globals)
#include "tst_Globals.moc"
