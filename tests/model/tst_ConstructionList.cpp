// Construction database: file round trip, backup rule for an empty list, duplicates, damaged files and the
// example construction of a first start.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <model/ConstructionList.h>
#include <model/MaterialList.h>
#include <model/SystemMaterialFile.h>

#include "FileSizeLimit.h"
#include "MessageCapture.h"

namespace {

// The full constructor draws a random colour; a fixed one makes equal materials compare equal.
Material material(const QString &name, double rho) {
    Material m(name, 2, QString(), QString(), QString(), QString(), rho, 0.8, 10, 0.01, 0.3, 0.1, 0);
    m.setColor(QColor(180, 80, 40));
    return m;
}

Construction construction(const QString &name, int layers, double width = 0.1) {
    QVector<MaterialLayer> l;
    for (int i = 0; i < layers; ++i)
        l.append(MaterialLayer(material(QStringLiteral("layer %1").arg(i + 1), 1000 + i), width));
    return Construction(name, l);
}

// A database file whose header announces \a count constructions followed by \a records records.
void writeDatabase(const QString &fileName, int count, int records, int truncateBy = 0, int version = 1) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << qint32(version) << qint32(count);
    for (int i = 0; i < records; ++i)
        construction(QStringLiteral("construction %1").arg(i + 1), 2).writeBinary(out);
    data.chop(truncateBy);
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

Q_DECLARE_METATYPE(Construction *)

class tst_ConstructionList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<Construction *>();
    }

    void writeAndReadBack();
    void damagedFiles_data();
    void damagedFiles();
    void deletingEveryConstructionMovesFileToBackup();
    void constructionDifferingOnlyInWidthsIsNotAdded();
    void removeConstruction();
    void largestLayerCount();
    void missingFileIsNotRead();
    void exampleConstructionFromCatalogue();
    void exampleNeedsBothMaterials();
    void failedWriteKeepsTheDatabase();
};

void tst_ConstructionList::failedWriteKeepsTheDatabase() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("ConstructionData.constr"));
    ConstructionList list(QStringLiteral("en"), dir.path());
    QVERIFY(list.addConstruction(construction(QStringLiteral("wall"), 2)));
    QVERIFY(list.write());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    for (int i = 0; i < 20; ++i)
        QVERIFY(list.addConstruction(construction(QStringLiteral("construction %1").arg(i), 4)));
    {
        FileSizeLimit diskFull(static_cast<rlim_t>(saved.size()) + 64);
        QVERIFY(!list.write());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ConstructionData.constr"});
}

void tst_ConstructionList::writeAndReadBack() {
    QTemporaryDir dir;
    {
        ConstructionList list(QStringLiteral("en"), dir.filePath(QStringLiteral("db")));
        Construction c = construction(QStringLiteral("wall"), 3);
        c.setNotes(QStringLiteral("outer wall"));
        QVERIFY(list.addConstruction(c));
        QVERIFY(list.addConstruction(construction(QStringLiteral("roof"), 1)));
    }
    MessageCapture capture;
    ConstructionList list(QStringLiteral("en"), dir.filePath(QStringLiteral("db")));
    QVERIFY(list.read());
    QVERIFY(capture.contains(" with version: 1"));
    QVERIFY(list.damageText().isEmpty());
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(0).name(), QStringLiteral("wall"));
    QCOMPARE(list.at(0).notes(), QStringLiteral("outer wall"));
    Construction expected = construction(QStringLiteral("wall"), 3);
    expected.setNotes(QStringLiteral("outer wall"));
    QVERIFY(list.at(0) == expected);
    QCOMPARE(list.at(0).layers().size(), 3);
    QCOMPARE(list.at(0).layers()[2].width(), 0.1);
    QCOMPARE(list.at(0).layers()[2].materialId(), Material::ConstructionDatabaseId);
    QCOMPARE(list.at(1).name(), QStringLiteral("roof"));
}

void tst_ConstructionList::damagedFiles_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("truncateBy");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("expected");
    QTest::newRow("count says 5, file holds 3") << 5 << 3 << 0 << 1 << 3;
    QTest::newRow("third record truncated") << 3 << 3 << 20 << 1 << 2;
    QTest::newRow("giant count, one record") << 0x7fffffff << 1 << 0 << 1 << 1;
    QTest::newRow("negative count") << -3 << 2 << 0 << 1 << 0;
    QTest::newRow("unknown version") << 2 << 2 << 0 << 2 << 0;
}

// What was read is kept in the list, and the original file survives as a copy made before the first write.
void tst_ConstructionList::damagedFiles() {
    QFETCH(int, count);
    QFETCH(int, records);
    QFETCH(int, truncateBy);
    QFETCH(int, version);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QLatin1String(ConstructionList::FileName));
    writeDatabase(fileName, count, records, truncateBy, version);
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    MessageCapture capture;
    {
        ConstructionList list(QStringLiteral("en"), dir.path());
        QVERIFY(list.read());
        QCOMPARE(list.count(), expected);
        for (int i = 0; i < list.count(); ++i)
            QCOMPARE(list.at(i).name(), QStringLiteral("construction %1").arg(i + 1));
        QVERIFY(list.damageText().startsWith(fileName));
        list.addConstruction(construction(QStringLiteral("new"), 1));
        QVERIFY(list.write());
        QVERIFY(list.takeDamageNotice().contains(QStringLiteral(".damaged-")));
    }
    const QStringList kept = QDir(dir.path()).entryList({QLatin1String(ConstructionList::FileName) + ".damaged-*"});
    QCOMPARE(kept.size(), 1);
    QFile copy(dir.filePath(kept[0]));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original);
}

void tst_ConstructionList::deletingEveryConstructionMovesFileToBackup() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QLatin1String(ConstructionList::FileName));
    writeDatabase(file, 2, 2);
    writeDatabase(file + QStringLiteral(".backup"), 1, 1);
    {
        MessageCapture capture;
        ConstructionList list(QStringLiteral("en"), dir.path());
        QVERIFY(list.read());
        while (list.count() > 0)
            QVERIFY(list.removeConstruction(list.at(0)));
    }
    QVERIFY(!QFile::exists(file));
    QVERIFY(QFile::exists(file + QStringLiteral(".backup")));
    // The backup is the last non-empty database, not the older backup.
    QFile backup(file + QStringLiteral(".backup"));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QDataStream in(&backup);
    qint32 version = 0, count = 0;
    in >> version >> count;
    QCOMPARE(count, 2);
}

void tst_ConstructionList::constructionDifferingOnlyInWidthsIsNotAdded() {
    QTemporaryDir dir;
    ConstructionList list(QStringLiteral("en"), dir.path());
    QSignalSpy added(&list, &ConstructionList::constructionAdded);
    QVERIFY(list.addConstruction(construction(QStringLiteral("wall"), 2, 0.1)));
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).value<Construction *>()->name(), QStringLiteral("wall"));
    QVERIFY(!list.addConstruction(construction(QStringLiteral("wall"), 2, 0.25)));
    QCOMPARE(added.count(), 1);
    QCOMPARE(list.count(), 1);
    QVERIFY(list.addConstruction(construction(QStringLiteral("wall"), 3, 0.1)));
    QCOMPARE(list.count(), 2);
}

void tst_ConstructionList::removeConstruction() {
    QTemporaryDir dir;
    ConstructionList list(QStringLiteral("en"), dir.path());
    QSignalSpy removed(&list, &ConstructionList::constructionRemoved);
    list.addConstruction(construction(QStringLiteral("a"), 1));
    list.addConstruction(construction(QStringLiteral("b"), 1));
    QVERIFY(!list.removeConstruction(construction(QStringLiteral("c"), 1)));
    QCOMPARE(removed.count(), 0);
    QVERIFY(list.removeConstruction(construction(QStringLiteral("a"), 1, 0.5)));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0).name(), QStringLiteral("b"));
}

void tst_ConstructionList::largestLayerCount() {
    QTemporaryDir dir;
    {
        ConstructionList list(QStringLiteral("en"), dir.path());
        QCOMPARE(list.maxLayerCount(), 0);
        list.addConstruction(construction(QStringLiteral("one"), 1));
        list.addConstruction(construction(QStringLiteral("three"), 3));
        list.addConstruction(construction(QStringLiteral("two"), 2));
    }
    MessageCapture capture;
    ConstructionList list(QStringLiteral("en"), dir.path());
    QVERIFY(list.read());
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.maxLayerCount(), 3);
}

void tst_ConstructionList::missingFileIsNotRead() {
    QTemporaryDir dir;
    MessageCapture capture;
    ConstructionList list(QStringLiteral("en"), dir.path());
    list.addConstruction(construction(QStringLiteral("kept"), 1));
    QVERIFY(!list.read());
    QCOMPARE(list.count(), 1);
}

void tst_ConstructionList::exampleConstructionFromCatalogue() {
    QTemporaryDir dir;
    MessageCapture capture;
    MaterialList materials(QStringLiteral("en"), dir.path());
    QVERIFY(materials.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR)));
    ConstructionList list(QStringLiteral("en"), dir.path());
    QVERIFY(!list.read());
    QVERIFY(list.addExampleConstruction(materials));
    QCOMPARE(list.count(), 1);
    const Construction &c = list.at(0);
    QCOMPARE(c.name(), QStringLiteral("test construction 1"));
    QCOMPARE(c.layers().size(), 3);
    QCOMPARE(c.layers()[0].materialId(), 493);
    QCOMPARE(c.layers()[1].materialId(), 282);
    QCOMPARE(c.layers()[2].materialId(), 493);
    QCOMPARE(c.layers()[0].width(), 0.12);
    QCOMPARE(c.layers()[1].width(), 0.08);
    QCOMPARE(c.layers()[2].width(), 0.12);
}

void tst_ConstructionList::exampleNeedsBothMaterials() {
    QTemporaryDir dir;
    Material masonry = material(QStringLiteral("masonry"), 1800);
    masonry.setMaterialId(493);
    QString errmsg;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("res/DB_materials"))));
    QVERIFY(SystemMaterialFile::write(dir.filePath(QStringLiteral("res/DB_materials/m.v2m")), {masonry}, errmsg));
    MessageCapture capture;
    MaterialList materials(QStringLiteral("en"), dir.path());
    materials.readDatabase(dir.filePath(QStringLiteral("res")));
    QVERIFY(materials.materialById(493) != nullptr);
    ConstructionList list(QStringLiteral("en"), dir.path());
    QVERIFY(!list.addExampleConstruction(materials));
    QCOMPARE(list.count(), 0);
}

QTEST_GUILESS_MAIN(tst_ConstructionList)
#include "tst_ConstructionList.moc"
