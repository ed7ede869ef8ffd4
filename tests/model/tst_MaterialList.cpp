// Material database: user database format and its versions, id assignment, addressing, the built-in air
// space, the backup rule, the 1.9 text list and the import decision by extension.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <model/MaterialImport.h>
#include <model/LegacyMaterialListReader.h>
#include <model/MaterialList.h>
#include <model/SystemMaterialFile.h>

#include "FuzzyCompare.h"
#include "FileSizeLimit.h"
#include "MessageCapture.h"

namespace {

Material sampleMaterial(const QString &name) {
    Material m(name, 1, QStringLiteral("notes"), QString(), QString(), QString(), 1600, 0.7, 10, 0.01, 0.3, 0.05, 0);
    m.setMu_min(8);
    m.setMu_max(12);
    return m;
}

// Writes a "cmat" file: the first int32 (marker or count), optionally a count, then \a records records of
// \a version; \a truncateBy bytes are cut off the end.
void writeUserFile(const QString &fileName, qint32 first, int count, int records, int version, int truncateBy = 0) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << first;
    if (first < 0)
        out << qint32(count);
    for (int i = 0; i < records; ++i)
        sampleMaterial(QStringLiteral("Material %1").arg(i + 1)).writeBinary(out, version);
    data.chop(truncateBy);
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class tst_MaterialList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void readUserFile_data();
    void readUserFile();
    void readUserFileVersion2KeepsMuRange();
    void userIdsContinueAfterUserDatabase();
    void firstUserMaterialOfRunGets32768();
    void materialByIdPrefersSystemMaterial();
    void indexAddressing();
    void airSpaceAppendedLast();
    void writeAndReadBackUserDatabase();
    void failedWriteKeepsTheUserDatabase();
    void emptyUserListMovesDatabaseToBackup();
    void damagedUserDatabaseIsKeptBeforeFirstWrite_data();
    void damagedUserDatabaseIsKeptBeforeFirstWrite();
    void updateAndRemoveUserMaterial();
    void legacyListImportCountsFoundAndAddsValid();
    void legacyList13ConvertsWhygTo80Percent();
    void legacyListTextIsDecodedAndCleaned();
    void legacyListUnits_data();
    void legacyListUnits();
    void legacyListErrors_data();
    void legacyListErrors();
    void legacyCategoryNames_data();
    void legacyCategoryNames();
    void importWithWrongExtension();
    void importEmptyCmat();
};

void tst_MaterialList::readUserFile_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("truncateBy");
    QTest::addColumn<int>("expected");
    QTest::newRow("count 3 without marker: version 1") << 3 << 0 << 3 << 1 << 0 << 3;
    QTest::newRow("marker -5 is not supported") << -5 << 2 << 2 << 4 << 0 << 0;
    QTest::newRow("marker -4 with two records") << -4 << 2 << 2 << 4 << 0 << 2;
    QTest::newRow("marker -1 with one record") << -1 << 1 << 1 << 1 << 0 << 1;
    QTest::newRow("count says 5, file holds 2") << -4 << 5 << 2 << 4 << 0 << 2;
    QTest::newRow("truncated last record is dropped") << -4 << 3 << 3 << 4 << 10 << 2;
    QTest::newRow("giant count, no records") << -4 << 0x7fffffff << 0 << 4 << 0 << 0;
    QTest::newRow("empty database") << -4 << 0 << 0 << 4 << 0 << 0;
}

void tst_MaterialList::readUserFile() {
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, records);
    QFETCH(int, version);
    QFETCH(int, truncateBy);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("test.cmat"));
    writeUserFile(fileName, first, count, records, version, truncateBy);
    MaterialList list(QStringLiteral("en"), QString());
    const QVector<Material> materials = list.readUserFile(fileName);
    QCOMPARE(materials.size(), expected);
    for (int i = 0; i < materials.size(); ++i) {
        QCOMPARE(materials[i].name(), QStringLiteral("Material %1").arg(i + 1));
        QCOMPARE(materials[i].rho(), 1600.0);
        QCOMPARE(materials[i].Aw(), 0.05);
        QCOMPARE(materials[i].materialId(), MaterialList::FirstUserMaterialId + i);
    }
}

void tst_MaterialList::readUserFileVersion2KeepsMuRange() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("v2.cmat"));
    writeUserFile(fileName, -2, 1, 1, 2);
    MaterialList list(QStringLiteral("en"), QString());
    const QVector<Material> materials = list.readUserFile(fileName);
    QCOMPARE(materials.size(), 1);
    QCOMPARE(materials[0].mu_min(), 8.0);
    QCOMPARE(materials[0].mu_max(), 12.0);
}

void tst_MaterialList::userIdsContinueAfterUserDatabase() {
    QTemporaryDir dir;
    writeUserFile(dir.filePath(QStringLiteral("UserData.cmat")), -4, 2, 2, 4);
    int counter = MaterialList::FirstUserMaterialId;
    MaterialList list(QStringLiteral("en"), dir.path(), [&counter] { return counter++; });
    QVERIFY(list.readDatabase(dir.filePath(QStringLiteral("no-resources"))));
    QCOMPARE(list.userMaterialCount(), 2);
    QCOMPARE(list.materialAt(list.systemMaterialCount())->materialId(), 32768);
    QCOMPARE(list.materialAt(list.systemMaterialCount() + 1)->materialId(), 32769);
    QCOMPARE(list.addUserMaterial(sampleMaterial(QStringLiteral("new"))), 32770);
    QCOMPARE(list.addUserMaterial(sampleMaterial(QStringLiteral("newer"))), 32771);
}

void tst_MaterialList::firstUserMaterialOfRunGets32768() {
    QTemporaryDir dir;
    MaterialList list(QStringLiteral("en"), dir.path());
    QCOMPARE(list.addUserMaterial(sampleMaterial(QStringLiteral("first"))), 32768);
    QCOMPARE(list.addUserMaterial(sampleMaterial(QStringLiteral("second"))), 32769);
    QCOMPARE(list.materialById(32769)->name(), QStringLiteral("second"));
}

void tst_MaterialList::materialByIdPrefersSystemMaterial() {
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("resources/DB_materials"))));
    Material system = sampleMaterial(QStringLiteral("system material"));
    system.setMaterialId(5);
    QString errmsg;
    QVERIFY(SystemMaterialFile::write(dir.filePath(QStringLiteral("resources/DB_materials/a.v2m")), {system}, errmsg));
    writeUserFile(dir.filePath(QStringLiteral("UserData.cmat")), -4, 1, 1, 4);
    // The id source hands out the system id on purpose, to make both lists hold id 5.
    MaterialList list(QStringLiteral("en"), dir.path(), [] { return 5; });
    QVERIFY(list.readDatabase(dir.filePath(QStringLiteral("resources"))));
    QCOMPARE(list.userMaterialCount(), 1);
    QCOMPARE(list.materialAt(list.systemMaterialCount())->materialId(), 5);
    QCOMPARE(list.materialById(5)->name(), QStringLiteral("system material"));
}

void tst_MaterialList::indexAddressing() {
    QTemporaryDir dir;
    MaterialList list(QStringLiteral("en"), dir.path());
    list.readDatabase(dir.filePath(QStringLiteral("missing")));
    list.addUserMaterial(sampleMaterial(QStringLiteral("user")));
    QCOMPARE(list.systemMaterialCount(), 1);
    QCOMPARE(list.count(), 2);
    QVERIFY(list.materialAt(0)->isAir());
    QCOMPARE(list.materialAt(1)->name(), QStringLiteral("user"));
    QVERIFY(list.materialAt(2) == nullptr);
    QVERIFY(list.materialAt(-1) == nullptr);
    QVERIFY(list.materialById(4711) == nullptr);
}

void tst_MaterialList::airSpaceAppendedLast() {
    QTemporaryDir dir;
    MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dir.path());
    QVERIFY(list.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR)));
    QVERIFY(capture.contains("Path for material database: " + list.systemDirectory().toStdString()));
    QVERIFY(list.systemMaterialCount() > 1);
    const Material *air = list.materialAt(list.systemMaterialCount() - 1);
    QVERIFY(air->isAir());
    QCOMPARE(air->name(), QStringLiteral("Air space (not ventilated)"));
    QCOMPARE(air->category(), 12);
    QCOMPARE(air->rho(), 1.23);
    QCOMPARE(air->lambda(), 0.025);
    QCOMPARE(air->mu(), 1.0);
    QCOMPARE(air->mu_min(), 1.0);
    QCOMPARE(air->mu_max(), 1.0);
    QCOMPARE(air->w_80(), 0.00001);
    QCOMPARE(air->w_sat(), 1.0);
    QCOMPARE(air->materialId(), 0);
    QVERIFY(air->isValid());
}

void tst_MaterialList::failedWriteKeepsTheUserDatabase() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("UserData.cmat"));
    MaterialList list(QStringLiteral("en"), dir.path());
    list.addUserMaterial(sampleMaterial(QStringLiteral("plaster")));
    QVERIFY(list.writeUserDatabase());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    for (int i = 0; i < 50; ++i)
        list.addUserMaterial(sampleMaterial(QStringLiteral("material %1").arg(i)));
    {
        FileSizeLimit diskFull(static_cast<rlim_t>(saved.size()) + 64);
        QVERIFY(!list.writeUserDatabase());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"UserData.cmat"});
}

void tst_MaterialList::writeAndReadBackUserDatabase() {
    QTemporaryDir dir;
    Material foil = sampleMaterial(QStringLiteral("membrane"));
    foil.setFlags(false, false, false, true);
    foil.setSd_value(2);
    {
        MaterialList list(QStringLiteral("en"), dir.filePath(QStringLiteral("sub/dir")));
        list.addUserMaterial(sampleMaterial(QStringLiteral("plaster")));
        list.addUserMaterial(foil);
        QVERIFY(list.writeUserDatabase());
    }
    QFile file(dir.filePath(QStringLiteral("sub/dir/UserData.cmat")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDataStream in(&file);
    qint32 marker = 0, count = 0;
    in >> marker >> count;
    QCOMPARE(marker, -4);
    QCOMPARE(count, 2);
    file.close();

    MaterialList reread(QStringLiteral("en"), dir.filePath(QStringLiteral("sub/dir")));
    QVERIFY(reread.readUserDatabase());
    QVERIFY(reread.damageText().isEmpty());
    QCOMPARE(reread.userMaterialCount(), 2);
    QVERIFY(*reread.materialAt(1) == foil);
    QVERIFY(reread.materialAt(1)->isFoil());
    QCOMPARE(reread.materialAt(1)->sd_value(), 2.0);
}

void tst_MaterialList::emptyUserListMovesDatabaseToBackup() {
    QTemporaryDir dir;
    writeUserFile(dir.filePath(QStringLiteral("UserData.cmat")), -4, 1, 1, 4);
    writeUserFile(dir.filePath(QStringLiteral("UserData.cmat.backup")), -4, 2, 2, 4);
    {
        MaterialList list(QStringLiteral("en"), dir.path());
        QVERIFY(list.readUserDatabase());
        QVERIFY(list.removeUserMaterial(list.materialAt(0)->materialId()));
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("UserData.cmat"))));
    MaterialList backup(QStringLiteral("en"), dir.path());
    QCOMPARE(backup.readUserFile(dir.filePath(QStringLiteral("UserData.cmat.backup"))).size(), 1);
}

// Five records with the third one damaged (an odd string length); and the other ways a database is not read
// whole. Writing what was read would cut the database down: the original is kept first.
void tst_MaterialList::damagedUserDatabaseIsKeptBeforeFirstWrite_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("read");
    const auto database = [](qint32 marker, qint32 count, int records, const QByteArray &tail) {
        QByteArray data;
        QDataStream out(&data, QIODevice::WriteOnly);
        out << marker << count;
        for (int i = 0; i < records; ++i)
            sampleMaterial(QStringLiteral("Material %1").arg(i + 1)).writeBinary(out, 4);
        return data + tail;
    };
    QByteArray lastTwo;
    QDataStream out(&lastTwo, QIODevice::WriteOnly);
    out << qint32(7);
    for (int i = 0; i < 2; ++i)
        sampleMaterial(QStringLiteral("after")).writeBinary(out, 4);
    QTest::newRow("record 3 of 5 damaged") << database(-4, 5, 2, lastTwo) << 2;
    QTest::newRow("count says 5, file holds 2") << database(-4, 5, 2, QByteArray()) << 2;
    QTest::newRow("unknown version marker") << database(-5, 2, 2, QByteArray()) << 0;
    QTest::newRow("data after the last record") << database(-4, 1, 1, QByteArray("more")) << 1;
}

void tst_MaterialList::damagedUserDatabaseIsKeptBeforeFirstWrite() {
    QFETCH(QByteArray, content);
    QFETCH(int, read);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("UserData.cmat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dir.path());
    list.readUserDatabase();
    QCOMPARE(list.userMaterialCount(), read);
    QVERIFY(list.damageText().startsWith(file.fileName() + QStringLiteral(": ")));
    QVERIFY(list.takeDamageNotice().isEmpty());
    list.addUserMaterial(sampleMaterial(QStringLiteral("new")));
    QVERIFY(list.writeUserDatabase());
    QVERIFY(list.writeUserDatabase());
    const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("UserData.cmat.damaged-*")});
    QCOMPARE(kept.size(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^UserData\\.cmat\\.damaged-\\d{8}-\\d{6}$")).match(kept[0]).hasMatch());
    QFile copy(dir.filePath(kept[0]));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), content);
    QVERIFY(capture.contains(kept[0].toStdString()));
    QVERIFY(list.takeDamageNotice().contains(kept[0]));
    QVERIFY(list.takeDamageNotice().isEmpty());
    QCOMPARE(list.readUserFile(file.fileName()).size(), read + 1);
}

void tst_MaterialList::updateAndRemoveUserMaterial() {
    QTemporaryDir dir;
    MaterialList list(QStringLiteral("en"), dir.path());
    const int id = list.addUserMaterial(sampleMaterial(QStringLiteral("before")));
    Material changed = *list.materialById(id);
    changed.setName(QStringLiteral("after"));
    QVERIFY(list.updateUserMaterial(changed));
    QCOMPARE(list.materialById(id)->name(), QStringLiteral("after"));
    changed.setMaterialId(id + 100);
    QVERIFY(!list.updateUserMaterial(changed));
    QVERIFY(!list.removeUserMaterial(id + 100));
    QVERIFY(list.removeUserMaterial(id));
    QCOMPARE(list.userMaterialCount(), 0);
}

void tst_MaterialList::legacyListImportCountsFoundAndAddsValid() {
    QTemporaryDir dir;
    MaterialList list(QStringLiteral("en"), dir.path());
    const MaterialImport::Result result = MaterialImport::importFile(
        list, QStringLiteral(HYGROLUX_TEST_DATA_DIR "/materials/legacy_one_valid_one_invalid.txt"));
    QCOMPARE(result.found, 2);
    QCOMPARE(result.added, 1);
    QVERIFY(!result.warning);
    QCOMPARE(result.title, QStringLiteral("Materials added."));
    QVERIFY(result.text.startsWith(QStringLiteral("2 materials found in file '")));
    QCOMPARE(list.userMaterialCount(), 1);
    const Material &m = *list.materialAt(0);
    QCOMPARE(m.name(), QStringLiteral("Lime plaster from an old list"));
    QCOMPARE(m.category(), 1);
    QCOMPARE(m.producer(), QStringLiteral("Example works"));
    QCOMPARE(m.dataSource(), QStringLiteral("test data"));
    HYG_COMPARE_DOUBLE(m.Aw(), 4.8 / 60, 1e-12, 0.0);
    QCOMPARE(m.mu_max(), 10.0);
    // Both materials read took ids first; the added copy gets the next one.
    QCOMPARE(m.materialId(), 32770);
}

void tst_MaterialList::legacyList13ConvertsWhygTo80Percent() {
    QTemporaryDir dir;
    MaterialList list(QStringLiteral("en"), dir.path());
    const QVector<Material> materials =
        list.readLegacyList(QStringLiteral(HYGROLUX_TEST_DATA_DIR "/materials/legacy_version_1_3.txt"));
    QCOMPARE(materials.size(), 1);
    HYG_COMPARE_DOUBLE(materials[0].w_80(), 0.08, 1e-12, 0.0);
    QCOMPARE(materials[0].category(), 2);
    QVERIFY(materials[0].isValid());
}

// Windows-1252 bytes become their characters (not invisible C1 controls); control characters are removed.
void tst_MaterialList::legacyListTextIsDecodedAndCleaned() {
    QTemporaryDir dir;
    MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dir.path());
    const QVector<Material> materials =
        list.readLegacyList(QStringLiteral(HYGROLUX_TEST_DATA_DIR "/materials/legacy_text_hazards.txt"));
    QCOMPARE(materials.size(), 1);
    QCOMPARE(materials[0].name(), QString::fromUtf8("Kalkputz „alt“"));
    QCOMPARE(materials[0].producer(), QString::fromUtf8("Werk Süd"));
    QVERIFY(capture.contains("the producer of material"));
}

void tst_MaterialList::legacyListUnits_data() {
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<double>("rho");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("mu");
    QTest::addColumn<double>("w80");
    QTest::addColumn<double>("aw");
    // Base: Rho 1000, Lambda 1, Mew 1, W_h80 0.01, A_w 0; the row's line replaces one of them.
    QTest::newRow("rho without unit") << QStringLiteral("Rho 1200") << 1200.0 << 1.0 << 1.0 << 0.01 << 0.0;
    QTest::newRow("rho in kg/m^3") << QStringLiteral("Rho: 1200 kg/m^3") << 1200.0 << 1.0 << 1.0 << 0.01 << 0.0;
    QTest::newRow("lambda unit in capitals, decimal comma")
        << QStringLiteral("Lambda: 0,7 W/(M*K)") << 1000.0 << 0.7 << 1.0 << 0.01 << 0.0;
    QTest::newRow("mew without unit") << QStringLiteral("Mew: 12") << 1000.0 << 1.0 << 12.0 << 0.01 << 0.0;
    QTest::newRow("mew in -") << QStringLiteral("Mew: 12 -") << 1000.0 << 1.0 << 12.0 << 0.01 << 0.0;
    QTest::newRow("moisture in %") << QStringLiteral("W_h80: 5 %") << 1000.0 << 1.0 << 1.0 << 0.05 << 0.0;
    QTest::newRow("moisture in vol.%") << QStringLiteral("W_h80: 5 vol.%") << 1000.0 << 1.0 << 1.0 << 0.05 << 0.0;
    QTest::newRow("moisture in Vol.-%") << QStringLiteral("W_h80: 5 Vol.-%") << 1000.0 << 1.0 << 1.0 << 0.05 << 0.0;
    QTest::newRow("moisture in KG/M^3") << QStringLiteral("W_h80: 30 KG/M^3") << 1000.0 << 1.0 << 1.0 << 0.03 << 0.0;
    QTest::newRow("moisture without unit") << QStringLiteral("W_h80: 0.02") << 1000.0 << 1.0 << 1.0 << 0.02 << 0.0;
    QTest::newRow("A_w per h^0.5 with m^2")
        << QStringLiteral("A_w: 1,2 kg/m^2h^0.5") << 1000.0 << 1.0 << 1.0 << 0.01 << 0.02;
    QTest::newRow("A_w per s^0.5, two tokens")
        << QStringLiteral("A_w: 0.1 kg/m2 s05") << 1000.0 << 1.0 << 1.0 << 0.01 << 0.1;
}

void tst_MaterialList::legacyListUnits() {
    QFETCH(QString, parameter);
    QFETCH(double, rho);
    QFETCH(double, lambda);
    QFETCH(double, mu);
    QFETCH(double, w80);
    QFETCH(double, aw);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("list.txt"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("FileVersion 1.9\nMATERIAL_LIST {\nMATERIAL_DEFINITION {\nName: A\nRho: 1000\nLambda: 1\n"
                              "Mew: 1\nW_h80: 0.01\n%1\n}\n}\n")
                   .arg(parameter)
                   .toUtf8());
    file.close();
    MaterialList list(QStringLiteral("en"), dir.path());
    QString errmsg;
    const QVector<Material> materials = list.readLegacyList(fileName, &errmsg);
    QVERIFY2(errmsg.isEmpty(), qPrintable(errmsg));
    QCOMPARE(materials.size(), 1);
    HYG_COMPARE_DOUBLE(materials[0].rho(), rho, 1e-12, 0.0);
    HYG_COMPARE_DOUBLE(materials[0].lambda(), lambda, 1e-12, 0.0);
    HYG_COMPARE_DOUBLE(materials[0].mu(), mu, 1e-12, 0.0);
    HYG_COMPARE_DOUBLE(materials[0].w_80(), w80, 1e-12, 0.0);
    HYG_COMPARE_DOUBLE(materials[0].Aw(), aw, 1e-12, 1e-15);
}

void tst_MaterialList::legacyListErrors_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("readBefore");
    const QString head = QStringLiteral("FileVersion 1.9\nMATERIAL_LIST {\n");
    const QString good = QStringLiteral("MATERIAL_DEFINITION {\nName: A\nRho: 100 kg/m3\n}\n");
    QTest::newRow("no FileVersion") << QStringLiteral("MATERIAL_LIST {\n}\n")
                                    << QStringLiteral("Keyword 'FileVersion' missing!") << 0;
    QTest::newRow("no MATERIAL_LIST") << QStringLiteral("FileVersion 1.9\nLIST {\n")
                                      << QStringLiteral("Keyword 'MATERIAL_LIST' missing!") << 0;
    QTest::newRow("list without brace") << QStringLiteral("FileVersion 1.9\nMATERIAL_LIST\n")
                                        << QStringLiteral("Missing block start!") << 0;
    QTest::newRow("definition without brace") << head + good + QStringLiteral("MATERIAL_DEFINITION\n")
                                              << QStringLiteral("Block start '{' of material definition missing!") << 1;
    QTest::newRow("unknown material keyword") << head + QStringLiteral("MATERIAL_DEFINITION {\nColour: red\n}\n}\n")
                                              << QStringLiteral("Invalid keyword!") << 0;
    QTest::newRow("unknown list keyword")
        << head + good + QStringLiteral("MATERIAL {\n") << QStringLiteral("Invalid keyword!") << 1;
    QTest::newRow("empty name") << head + QStringLiteral("MATERIAL_DEFINITION {\nName:\n}\n}\n")
                                << QStringLiteral("Error reading material name!") << 0;
    QTest::newRow("rho not a number") << head + QStringLiteral("MATERIAL_DEFINITION {\nName: A\nRho: heavy\n}\n}\n")
                                      << QStringLiteral("Error reading material parameter 'rho'!") << 0;
    QTest::newRow("lambda with unknown unit")
        << head + QStringLiteral("MATERIAL_DEFINITION {\nName: A\nLambda: 0.5 furlongs\n}\n}\n")
        << QStringLiteral("Error reading material parameter 'lambda'!") << 0;
    QTest::newRow("Aw without unit") << head + good + QStringLiteral("MATERIAL_DEFINITION {\nName: B\nA_w: 0.1\n}\n}\n")
                                     << QStringLiteral("Error reading material parameter 'Aw'!") << 1;
    QTest::newRow("mew in a project file unit")
        << head + QStringLiteral("MATERIAL_DEFINITION {\nName: A\nMew: 10 ---\n}\n}\n")
        << QStringLiteral("Error reading material parameter 'mew'!") << 0;
    QTest::newRow("infinite rho") << head + good +
                                         QStringLiteral("MATERIAL_DEFINITION {\nName: B\nRho: inf kg/m3\n}\n}\n")
                                  << QStringLiteral("Error reading material parameter 'rho'!") << 1;
    QTest::newRow("w_sat not a number") << head + QStringLiteral("MATERIAL_DEFINITION {\nName: A\nW_sat: nan\n}\n}\n")
                                        << QStringLiteral("Error reading material parameter 'w_sat'!") << 0;
    QTest::newRow("file ends inside material")
        << head + good + QStringLiteral("MATERIAL_DEFINITION {\nName: B\n") << QStringLiteral("Missing data!") << 1;
    QTest::newRow("file ends inside list") << head + good << QStringLiteral("Missing data!") << 1;
}

void tst_MaterialList::legacyListErrors() {
    QFETCH(QString, content);
    QFETCH(QString, message);
    QFETCH(int, readBefore);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("list.txt"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content.toUtf8());
    file.close();
    MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dir.path());
    QString errmsg;
    const QVector<Material> materials = list.readLegacyList(fileName, &errmsg);
    QCOMPARE(materials.size(), readBefore);
    QCOMPARE(errmsg, QStringLiteral("Error reading material list from file '%1'!\n%2").arg(fileName, message));
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 1);
}

void tst_MaterialList::legacyCategoryNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("category");
    QTest::newRow("Natursteine") << QStringLiteral("Natursteine") << 3;
    QTest::newRow("Mauerwerk prefix") << QStringLiteral("Mauerwerk aus Ziegeln") << 2;
    QTest::newRow("Putze, M...") << QStringLiteral("Putze, Mörtel") << 1;
    QTest::newRow("Zementhaltige Baustoffe") << QStringLiteral("Zementhaltige Baustoffe") << 4;
    QTest::newRow("Wärmedämmstoffe") << QStringLiteral("Wärmedämmstoffe") << 5;
    QTest::newRow("Holz") << QStringLiteral("Holz") << 7;
    QTest::newRow("Folien und Abdichtungsstoffe") << QStringLiteral("Folien und Abdichtungsstoffe") << 11;
    QTest::newRow("Fassadenbekleidungen prefix") << QStringLiteral("Fassadenbekleidungen, Bodenbeläge") << 10;
    QTest::newRow("Erden und B...") << QStringLiteral("Erden und Böden") << 9;
    QTest::newRow("current category name") << QStringLiteral("Building boards") << 6;
    QTest::newRow("unknown text") << QStringLiteral("Kunststoffe") << 13;
    QTest::newRow("insulation written without umlauts") << QStringLiteral("Waermedaemmstoffe") << 5;
}

void tst_MaterialList::legacyCategoryNames() {
    QFETCH(QString, name);
    QFETCH(int, category);
    QCOMPARE(LegacyMaterialListReader::categoryFromLegacyName(name), category);
}

void tst_MaterialList::importWithWrongExtension() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("materials.dat"));
    writeUserFile(fileName, -4, 1, 1, 4);
    MaterialList list(QStringLiteral("en"), dir.path());
    const MaterialImport::Result result = MaterialImport::importFile(list, fileName);
    QVERIFY(result.warning);
    QCOMPARE(result.title, QStringLiteral("Material read error."));
    QCOMPARE(result.text,
             QStringLiteral("No valid material file '%1'\n Extension sould be 'txt' or 'cmat'").arg(fileName));
    QCOMPARE(list.userMaterialCount(), 0);
}

void tst_MaterialList::importEmptyCmat() {
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("unsupported.cmat"));
    writeUserFile(fileName, -5, 1, 1, 4);
    MaterialList list(QStringLiteral("en"), dir.path());
    const MaterialImport::Result result = MaterialImport::importFile(list, fileName);
    QVERIFY(result.warning);
    QCOMPARE(result.found, 0);
    QCOMPARE(result.text, QStringLiteral("No materials found in file '%1'").arg(fileName));
}

QTEST_GUILESS_MAIN(tst_MaterialList)
#include "tst_MaterialList.moc"
