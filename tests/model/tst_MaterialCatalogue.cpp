// The material catalogue the program ships: the source table is complete and usable, the generated system
// material file reads back equal to it, and a damaged system file is rejected with a logged error.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <model/MaterialCatalogueTable.h>
#include <model/MaterialLayer.h>
#include <model/MaterialList.h>
#include <model/SystemMaterialFile.h>

#include "MessageCapture.h"

namespace {

const char *const TablePath = HYGROLUX_SOURCE_DIR "/resources/materials/materials.csv";
const char *const SystemFile = HYGROLUX_RESOURCES_DIR "/DB_materials/Materials.v2m";

QVector<Material> catalogue() {
    QVector<Material> materials;
    QString errmsg;
    if (!MaterialCatalogueTable::read(QString::fromUtf8(TablePath), materials, errmsg))
        qWarning("%s", qPrintable(errmsg));
    return materials;
}

// Everything the system file stores: the values, the id, the dates and the texts in every language.
bool identical(const Material &a, const Material &b) {
    return a == b && a.materialId() == b.materialId() && a.measuringDate() == b.measuringDate() &&
           a.catalogueTexts() == b.catalogueTexts();
}

QByteArray what(const Material &m) {
    return QByteArray::number(m.materialId()) + ' ' + m.name().toUtf8();
}

// Ids of materials taken out of the catalogue; a system id is never given to another material.
const int RetiredIds[] = {1214, 1317};

QByteArray generatedFile() {
    QFile file(QString::fromUtf8(SystemFile));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_MaterialCatalogue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyMaterialIsUsable();
    void germanTextsComplete();
    void databaseShowsLanguage_data();
    void databaseShowsLanguage();
    void idsAreUniqueSystemIds();
    void everyCategoryIsCovered();
    void materialsOfTheExampleConstruction();
    void foilsHaveSdValues();
    void namedStandardsGiveDesignValues();
    void muIsUpperValueUnlessNoted();
    void noTwoMaterialsShareAllValues();
    void saturationWithinPorosity();
    void generatedFileEqualsTable();
    void databaseReadsCatalogue();
    void damagedFileIsRejected_data();
    void damagedFileIsRejected();
    void malformedTableLine_data();
    void malformedTableLine();
};

void tst_MaterialCatalogue::everyMaterialIsUsable() {
    const QVector<Material> materials = catalogue();
    QVERIFY(materials.size() >= 150);
    for (const Material &m : materials) {
        const QByteArray what = QByteArray::number(m.materialId()) + ' ' + m.name().toUtf8();
        QVERIFY2(m.isValid(), what.constData());
        QVERIFY2(m.w_80() * 95.0 / 80.0 < m.w_sat(), what.constData());
        QVERIFY2(m.mu_min() <= m.mu() && m.mu() <= m.mu_max(), what.constData());
        QVERIFY2(!m.isAir(), what.constData());
        QVERIFY2(m.color().isValid(), what.constData());
        QVERIFY2(m.producer().isEmpty() && m.productName().isEmpty(), what.constData());
        QVERIFY2(!m.dataSource().isEmpty(), what.constData());
    }
}

// A German user finds, picks and prints German names: every text is there, written with the decimal comma and
// the standard's symbols rather than the English spellings of the table.
void tst_MaterialCatalogue::germanTextsComplete() {
    static const QRegularExpression englishSpelling(QStringLiteral("\\d\\.\\d|\\brho\\b|\\blambda\\b|\\bmu\\b|m3|m2"));
    QSet<QString> names;
    for (const Material &m : catalogue()) {
        const Material::Texts german = m.catalogueTexts().value(QStringLiteral("de"));
        for (const QString &text : {german.name, german.notes, german.dataSource}) {
            QVERIFY2(!text.isEmpty(), what(m).constData());
            QVERIFY2(!text.contains(englishSpelling), qPrintable(what(m) + ": " + text));
        }
        QVERIFY2(!names.contains(german.name), qPrintable(german.name));
        names.insert(german.name);
        QCOMPARE(m.catalogueTexts().value(QStringLiteral("en")).name, m.name());
        QCOMPARE(m.notes().startsWith(QLatin1String("Lower value of the range")),
                 german.notes.startsWith(QLatin1String("Unterer Wert des Bereichs")));
    }
}

void tst_MaterialCatalogue::databaseShowsLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QString>("dataSource");
    QTest::newRow("English") << "en"
                             << "Gypsum plasterboard"
                             << "Gipskartonplatte"
                             << "DIN EN ISO 10456 design values, moisture values typical";
    QTest::newRow("German") << "de"
                            << "Gipskartonplatte"
                            << "Gypsum plasterboard"
                            << "Bemessungswerte nach DIN EN ISO 10456, Feuchtekennwerte typisch";
    QTest::newRow("a language the catalogue lacks") << "fr"
                                                    << "Gypsum plasterboard"
                                                    << "Gipskartonplatte"
                                                    << "DIN EN ISO 10456 design values, moisture values typical";
}

// The list shows the texts of its language and keeps the other names for the filter; what leaves the catalogue
// (a user material, a layer) keeps only the texts that were shown.
void tst_MaterialCatalogue::databaseShowsLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, otherName);
    QFETCH(QString, dataSource);
    QTemporaryDir dir;
    MaterialList list(language, dir.path());
    list.setReadOnly(true);
    QVERIFY(list.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR)));
    const Material *board = list.materialById(800);
    QVERIFY(board);
    QCOMPARE(board->name(), name);
    QCOMPARE(board->dataSource(), dataSource);
    QCOMPARE(board->otherNames(), QStringList{otherName});

    const Material *userCopy = list.materialById(list.addUserMaterial(*board));
    QCOMPARE(userCopy->name(), name);
    QVERIFY(userCopy->otherNames().isEmpty());
    const MaterialLayer layer(*board, 0.0125);
    QCOMPARE(layer.name(), name);
    QVERIFY(layer.catalogueTexts().isEmpty());
}

void tst_MaterialCatalogue::idsAreUniqueSystemIds() {
    QSet<int> ids;
    QSet<QString> names;
    for (const Material &m : catalogue()) {
        QVERIFY(m.materialId() > 0 && m.materialId() < MaterialList::FirstUserMaterialId);
        QVERIFY2(!ids.contains(m.materialId()), qPrintable(m.name()));
        QVERIFY2(!names.contains(m.name()), qPrintable(m.name()));
        ids.insert(m.materialId());
        names.insert(m.name());
    }
    for (int retired : RetiredIds)
        QVERIFY(!ids.contains(retired));
}

void tst_MaterialCatalogue::everyCategoryIsCovered() {
    QVector<int> perCategory(Material::NumCategories, 0);
    for (const Material &m : catalogue())
        ++perCategory[m.category()];
    for (int c = 0; c < Material::NumCategories; ++c)
        QVERIFY2(perCategory[c] >= 5, qPrintable(Material::categoryName(c)));
}

void tst_MaterialCatalogue::materialsOfTheExampleConstruction() {
    const QVector<Material> materials = catalogue();
    auto byId = [&materials](int id) {
        for (const Material &m : materials) {
            if (m.materialId() == id)
                return m;
        }
        return Material();
    };
    const Material masonry = byId(493);
    QCOMPARE(masonry.category(), int(Material::BuildingBrick));
    QVERIFY(masonry.rho() >= 600 && masonry.rho() <= 2200);
    QVERIFY(masonry.lambda() >= 0.1 && masonry.lambda() <= 1.2);
    const Material insulation = byId(282);
    QCOMPARE(insulation.category(), int(Material::InsulationMaterials));
    QVERIFY(insulation.lambda() >= 0.02 && insulation.lambda() <= 0.05);
    QVERIFY(insulation.rho() < 300);
}

void tst_MaterialCatalogue::foilsHaveSdValues() {
    int foils = 0;
    for (const Material &m : catalogue()) {
        if (!m.isFoil())
            continue;
        ++foils;
        QCOMPARE(m.category(), int(Material::FoilsAndWaterproofing));
        QVERIFY2(m.sd_value() > 0, qPrintable(m.name()));
        // The layer width follows from the sd-value: a membrane stays below 1 cm.
        QVERIFY2(m.sd_value() / m.mu() < 0.01, qPrintable(m.name()));
    }
    QVERIFY(foils >= 5);
}

// A source naming a standard must say that the values are that standard's design values
// ("DIN EN 13986 / DIN EN ISO 10456 design values"); anything else is a typical value and says so.
void tst_MaterialCatalogue::namedStandardsGiveDesignValues() {
    const QString standard = QStringLiteral("(?:DIN EN ISO|DIN EN|DIN|EN ISO|EN|ISO) \\d[\\d-]*");
    const QRegularExpression named(standard);
    const QRegularExpression marked(standard + QStringLiteral("(?: / ") + standard +
                                    QStringLiteral(")* design values"));
    int designValues = 0;
    for (const Material &m : catalogue()) {
        const bool design = m.dataSource().contains(marked);
        designValues += design;
        QVERIFY2(design || m.dataSource().startsWith(QLatin1String("Typical values")), what(m).constData());
        QVERIFY2(!QString(m.dataSource()).remove(marked).contains(named),
                 (what(m) + " names a standard without its design values").constData());
    }
    QVERIFY(designValues > 100);
}

// The design tables give a range for mu; the catalogue takes the upper value unless its notes say why not.
void tst_MaterialCatalogue::muIsUpperValueUnlessNoted() {
    for (const Material &m : catalogue()) {
        if (m.mu() != m.mu_max())
            QVERIFY2(m.notes().contains(QLatin1String("Lower value of the range")), what(m).constData());
    }
}

void tst_MaterialCatalogue::noTwoMaterialsShareAllValues() {
    const QVector<Material> materials = catalogue();
    auto values = [](const Material &m) {
        return QVector<double>{m.rho(),  m.lambda(), m.mu(), m.mu_min(),  m.mu_max(),
                               m.w_80(), m.w_sat(),  m.Aw(), m.sd_value()};
    };
    for (int i = 0; i < materials.size(); ++i) {
        for (int j = i + 1; j < materials.size(); ++j)
            QVERIFY2(values(materials[i]) != values(materials[j]),
                     (what(materials[i]) + " = " + what(materials[j])).constData());
    }
}

// Water fills at most the pores: w_sat <= 1 - rho / rho_solid, with the density of the solid substance of
// mineral (2650 kg/m3) and wood-based materials (1500 kg/m3). Categories of mixed substance are left out.
void tst_MaterialCatalogue::saturationWithinPorosity() {
    const QSet<int> mineral = {Material::PlasterAndMortar, Material::BuildingBrick, Material::NaturalStones,
                               Material::ConcreteContaining, Material::Soil};
    int checked = 0;
    for (const Material &m : catalogue()) {
        double rhoSolid = 0;
        if (m.isWood() || m.isWoodbased())
            rhoSolid = 1500;
        else if (mineral.contains(m.category()))
            rhoSolid = 2650;
        if (m.rho() >= rhoSolid)
            continue;
        ++checked;
        QVERIFY2(m.w_sat() <= 1.0 - m.rho() / rhoSolid + 1e-12, what(m).constData());
    }
    QVERIFY(checked > 100);
}

void tst_MaterialCatalogue::generatedFileEqualsTable() {
    const QVector<Material> table = catalogue();
    QVector<Material> generated;
    QString errmsg;
    QVERIFY2(SystemMaterialFile::read(QString::fromUtf8(SystemFile), generated, errmsg), qPrintable(errmsg));
    QCOMPARE(generated.size(), table.size());
    for (int i = 0; i < table.size(); ++i)
        QVERIFY2(identical(generated[i], table[i]), qPrintable(table[i].name()));
}

void tst_MaterialCatalogue::databaseReadsCatalogue() {
    QTemporaryDir dir;
    MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dir.path());
    QVERIFY(list.readDatabase(QStringLiteral(HYGROLUX_RESOURCES_DIR)));
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 0);
    QCOMPARE(list.systemMaterialCount(), catalogue().size() + 1);
    QVERIFY(list.materialById(493) != nullptr);
    QCOMPARE(list.materialById(493)->category(), int(Material::BuildingBrick));
}

void tst_MaterialCatalogue::damagedFileIsRejected_data() {
    QTest::addColumn<QByteArray>("content");
    const QByteArray good = generatedFile();
    QVERIFY(good.size() > 100);
    QByteArray flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x10);
    QByteArray wrongVersion = good;
    wrongVersion[7] = char(SystemMaterialFile::FormatVersion + 1);
    QByteArray hugeLength = good;
    hugeLength[8] = char(0x7f);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header only") << good.left(44);
    QTest::newRow("truncated payload") << good.left(good.size() - 7);
    QTest::newRow("one bit flipped in payload") << flipped;
    QTest::newRow("wrong magic") << QByteArray("XXXX") + good.mid(4);
    QTest::newRow("unknown format version") << wrongVersion;
    QTest::newRow("payload length far too large") << hugeLength;
    QTest::newRow("trailing bytes") << good + QByteArray("junk");
}

void tst_MaterialCatalogue::damagedFileIsRejected() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("resources/DB_materials"))));
    QFile file(dir.filePath(QStringLiteral("resources/DB_materials/damaged.v2m")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    MessageCapture capture;
    MaterialList list(QStringLiteral("en"), dir.path());
    QVERIFY(list.readDatabase(dir.filePath(QStringLiteral("resources"))));
    QCOMPARE(list.systemMaterialCount(), 1);
    QVERIFY(list.materialAt(0)->isAir());
    QCOMPARE(capture.count(ZOT::MSG_ERROR), 1);
    QVERIFY(capture.contains("damaged.v2m"));
}

void tst_MaterialCatalogue::malformedTableLine_data() {
    QTest::addColumn<QString>("line");
    const QString good =
        QStringLiteral("1;2;Brick;1800;0.81;10;5;10;0.007;0.25;0.2;0;0;0;0;#b04a2a;;;DIN;;Ziegel;Notiz;DIN");
    Material m;
    QString errmsg;
    QVERIFY(MaterialCatalogueTable::parseLine(good, m, errmsg));
    QTest::newRow("missing field") << QStringLiteral(
        "1;2;Brick;1800;0.81;10;5;10;0.007;0.25;0.2;0;0;0;0;#b04a2a;;;DIN;;Ziegel;Notiz");
    QTest::newRow("semicolon in notes") << good + QStringLiteral("a;b");
    QTest::newRow("density not a number") << QString(good).replace(QStringLiteral("1800"), QStringLiteral("heavy"));
    QTest::newRow("flag 2") << QString(good).replace(QStringLiteral("0.2;0;0;0;0;"), QStringLiteral("0.2;0;2;0;0;"));
    QTest::newRow("invalid colour") << QString(good).replace(QStringLiteral("#b04a2a"), QStringLiteral("brick red"));
}

void tst_MaterialCatalogue::malformedTableLine() {
    QFETCH(QString, line);
    Material m;
    QString errmsg;
    QVERIFY(!MaterialCatalogueTable::parseLine(line, m, errmsg));
    QVERIFY(!errmsg.isEmpty());
}

QTEST_GUILESS_MAIN(tst_MaterialCatalogue)
#include "tst_MaterialCatalogue.moc"
