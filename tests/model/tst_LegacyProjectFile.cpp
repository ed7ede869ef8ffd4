#include <QtTest>

#include <CoreEnums.h>

#include <model/LegacyValueReader.h>
#include <model/Project.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <ZOT_Exception.h>

#include <FuzzyCompare.h>

namespace {

QString dataFile(const QString &name) {
    return QStringLiteral(HYGROLUX_TEST_DATA_DIR "/project/") + name;
}

QStringList layerNames(const Document &document) {
    QStringList names;
    for (const MaterialLayer &layer : document.inputData().layers())
        names << layer.name();
    return names;
}

void compareLegacyDocuments(const Document &actual, const Document &expected) {
    QVERIFY(actual.inputData().sameLayers(expected.inputData()));
    const AssessmentConditions &a = actual.inputData().conditions();
    const AssessmentConditions &e = expected.inputData().conditions();
    QCOMPARE(a.T_i(), e.T_i());
    QCOMPARE(a.T_e(), e.T_e());
    QCOMPARE(a.rh_e_summer(), e.rh_e_summer());
    QCOMPARE(a.Rsi(), e.Rsi());
    QCOMPARE(a.Rse(), e.Rse());
    QCOMPARE(a.tT(), e.tT());
    QCOMPARE(a.tT_summer(), e.tT_summer());
    QCOMPARE(actual.projectInformation(), expected.projectInformation());
}

} // namespace

class tst_LegacyProjectFile : public QObject {
    Q_OBJECT
private slots:
    void readsAllBlocks() {
        Document doc;
        QString error;
        QVERIFY2(doc.readOld(dataFile("legacy_valid.vpj"), error), qPrintable(error));
        QVERIFY(error.isEmpty());
        const QVector<MaterialLayer> &layers = doc.inputData().layers();
        // file order, interior side first
        QCOMPARE(layerNames(doc), QStringList({"Kalkputz", "Vollziegel", "Holzfaserdaemmplatte"}));
        QCOMPARE(layers[0].width(), 0.015);
        QCOMPARE(layers[1].width(), 0.24);
        QCOMPARE(layers[2].width(), 0.06);
        QCOMPARE(layers[0].color(), QColor(230, 220, 200));
        QCOMPARE(layers[1].color(), QColor(180, 80, 60));
        QCOMPARE(layers[0].category(), int(Material::PlasterAndMortar));
        HYG_COMPARE_DOUBLE(layers[0].Aw(), 0.1, 1e-12, 0.0);
        QCOMPARE(layers[1].category(), int(Material::BuildingBrick));
        QCOMPARE(layers[1].producer(), QString::fromUtf8("Ziegelwerk Süd"));
        QCOMPARE(layers[1].productName(), QString("MZ-12"));
        QCOMPARE(layers[1].notes(), QString("Bestand"));
        QCOMPARE(layers[1].dataSource(), QString("DIN 4108-4"));
        HYG_COMPARE_DOUBLE(layers[1].w_80(), 0.009, 1e-12, 0.0);
        QCOMPARE(layers[1].mu_min(), 10.0);
        QCOMPARE(layers[2].category(), int(Material::Timber));
        HYG_COMPARE_DOUBLE(layers[2].w_80(), 0.018, 1e-12, 0.0);
        QVERIFY(layers[2].isWoodbased());
        QVERIFY(!layers[2].isWood());
        QCOMPARE(doc.inputData().check(), InputStatus::Valid);
        QCOMPARE(layers[0].materialId(), int(Material::ConstructionDatabaseId));

        const AssessmentConditions &c = doc.inputData().conditions();
        QCOMPARE(c.T_i(), 20.0);
        QCOMPARE(c.rh_i(), 50.0);
        QCOMPARE(c.T_i_summer(), 12.0);
        QCOMPARE(c.rh_i_summer(), 70.0);
        HYG_COMPARE_DOUBLE(c.T_e(), -10.0, 0.0, 1e-9);
        QCOMPARE(c.rh_e(), 80.0);
        QCOMPARE(c.T_e_summer(), 12.0);
        QCOMPARE(c.rh_e_summer(), 70.0);
        // "RO_Left" is the exterior, "RO_Right" the interior surface resistance
        QCOMPARE(c.Rse(), 0.04);
        QCOMPARE(c.Rsi(), 0.13);
        QCOMPARE(c.Rse_summer(), c.Rse());
        QCOMPARE(c.Rsi_summer(), c.Rsi());
        QCOMPARE(c.tT(), 60.0);
        QCOMPARE(c.tT_summer(), 90.0);

        const ProjectInformation &info = doc.projectInformation();
        QCOMPARE(info.m_projectName, QString("Altbau Sanierung"));
        QCOMPARE(info.m_constructionID, QString("AW-01"));
        QCOMPARE(info.m_userName, QString("Ing. Beispiel"));
        QCOMPARE(info.m_description, QString("Innendaemmung einer Ziegelwand"));
    }

    void lineEndsAndColonsDoNotMatter() {
        Document crlf;
        QString error;
        QVERIFY(crlf.readOld(dataFile("legacy_valid.vpj"), error));
        Document cr;
        QVERIFY2(cr.readOld(dataFile("legacy_valid_cr.vpj"), error), qPrintable(error));
        compareLegacyDocuments(cr, crlf);

        QFile original(dataFile("legacy_valid.vpj"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray text = original.readAll();
        const QByteArray withoutColons =
            QString::fromLatin1(text)
                .replace(QRegularExpression("^(\\s*\\w+):", QRegularExpression::MultilineOption), "\\1")
                .toLatin1();
        QVERIFY(withoutColons != text);
        QTemporaryDir dir;
        QFile copy(dir.filePath("nocolons.vpj"));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(withoutColons);
        copy.close();
        Document plain;
        QVERIFY2(plain.readOld(copy.fileName(), error), qPrintable(error));
        compareLegacyDocuments(plain, crlf);
    }

    void projectReadUsesLegacyReader_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("extension vpj") << "legacy_valid.vpj";
        QTest::newRow("other extension, after the XML reader failed") << "legacy_project.dat";
    }
    void projectReadUsesLegacyReader() {
        QFETCH(QString, file);
        Project project;
        QString error;
        QVERIFY2(project.read(dataFile(file), error), qPrintable(error));
        QCOMPARE(layerNames(*project.document()), QStringList({"Kalkputz", "Vollziegel", "Holzfaserdaemmplatte"}));
    }

    void errors_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("blockError");
        QTest::newRow("three climates") << "legacy_three_climates.vpj"
                                        << "[InputData::readClimateOld]  Four climate conditions are required!";
        QTest::newRow("five climates") << "legacy_five_climates.vpj"
                                       << "[InputData::readClimateOld]  Error reading parameter 'Temperatur'!";
        QTest::newRow("unknown DOCUMENT keyword") << "legacy_unknown_keyword.vpj"
                                                  << "Invalid keyword 'Bogus' in project file!";
        QTest::newRow("huge remarks length")
            << "legacy_huge_remarks.vpj"
            << "Error reading project file.\n[Document::readOld]  Invalid length '3999999999' of the remarks!";
        QTest::newRow("remarks length beyond the end of the file")
            << "legacy_remarks_beyond_end.vpj"
            << "Error reading project file.\n[Document::readOld]  Invalid length '2000000000' of the remarks!";
        QTest::newRow("remarks without block start") << "legacy_remarks_no_block.vpj"
                                                     << "Block start '{' missing for remarks!";
        QTest::newRow("unknown temperature unit") << "legacy_bad_unit.vpj"
                                                  << "[InputData::readClimateOld]  Error reading climate condition!\n"
                                                     "[LegacyValueReader::readValue]  Unknown or unsuitable unit 'X'.";
        QTest::newRow("temperature not a number")
            << "legacy_bad_temperature.vpj"
            << "[InputData::readClimateOld]  Error reading parameter 'Temperatur'!";
        QTest::newRow("illegal climate keyword") << "legacy_illegal_climate_keyword.vpj"
                                                 << "[InputData::readClimateOld]  Illegal keyword 'Wind'";
        QTest::newRow("wrong climate block keyword") << "legacy_bad_climate_block.vpj"
                                                     << "[InputData::readClimateOld]  Invalid keyword 'CLIMATE_DEF'";
        QTest::newRow("width not a number") << "legacy_bad_width.vpj"
                                            << "[MaterialLayer::readOld]  Error reading layer width!";
        QTest::newRow("width in inches") << "legacy_width_unit.vpj"
                                         << "[MaterialLayer::readOld]  Error reading layer data!\n"
                                            "[LegacyValueReader::readValue]  Unknown or unsuitable unit 'inch'.";
        QTest::newRow("layer without block start") << "legacy_layer_no_block.vpj"
                                                   << "[InputData::readConstructionOld]  Block start '{' missing!";
        QTest::newRow("material without block start")
            << "legacy_material_no_block.vpj"
            << "[MaterialLayer::readOld]  Block start '{' of material definition missing!";
        QTest::newRow("unknown layer keyword") << "legacy_layer_keyword.vpj"
                                               << "[MaterialLayer::readOld]  Invalid keyword!";
        QTest::newRow("density not a number") << "legacy_bad_rho.vpj"
                                              << "[Material::readOld]  Error reading parameter 'rho'!";
        QTest::newRow("A_w without time unit") << "legacy_bad_aw.vpj"
                                               << "[Material::readOld]  Error reading material data!\n"
                                                  "[LegacyValueReader::readValue]  Unknown or unsuitable unit 'kg/m2'.";
        QTest::newRow("material without name") << "legacy_no_material_name.vpj"
                                               << "[Material::readOld]  Error reading material name!";
        QTest::newRow("unknown material keyword") << "legacy_material_keyword.vpj"
                                                  << "[Material::readOld]  Invalid keyword 'Farbe'";
        QTest::newRow("surface resistance without unit")
            << "legacy_bad_resistance.vpj"
            << "Error reading project file.\n[LegacyValueReader::readValue]  Missing unit after value '0.04'.";
        QTest::newRow("file ends inside the layer list") << "legacy_truncated.vpj"
                                                         << "[InputData::readConstructionOld]  Unexpected end of file!";
    }
    void errors() {
        QFETCH(QString, file);
        QFETCH(QString, blockError);
        const QString path = dataFile(file);
        const QString expected =
            QString("[Document::readOld]  Error reading project file '%1'\n").arg(path) + blockError;
        Document doc;
        QString error;
        QVERIFY(!doc.readOld(path, error));
        QCOMPARE(error, expected);
        Project project;
        QVERIFY(!project.read(path, error));
        QCOMPARE(error, "Error reading file as VAPRO 1 version.\n" + expected);
    }

    void climateCountSetsInputStatus_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("three climates") << "legacy_three_climates.vpj";
        QTest::newRow("five climates") << "legacy_five_climates.vpj";
    }
    void climateCountSetsInputStatus() {
        QFETCH(QString, file);
        Document doc;
        QString error;
        QVERIFY(!doc.readOld(dataFile(file), error));
        QCOMPARE(doc.inputData().inputStatus(), InputStatus::InvalidClimate);
    }

    void headerAndLayerErrors() {
        Document doc;
        QString error;
        QVERIFY(!doc.readOld(dataFile("legacy_no_fileversion.vpj"), error));
        QCOMPARE(error, QString("[Document::readOld]  Keyword 'FileVersion' missing!"));
        Project project;
        QVERIFY(!project.read(dataFile("legacy_no_layers.vpj"), error));
        QCOMPARE(error, QString("Project doesn't contain any layers. Please create a new project!"));
    }

    // Version 1.3 gave "W_hyg" at 95 % relative humidity: 9.5 kg/m3 = 0.0095 m3/m3 there is 0.008 at 80 %.
    // "W_h80" is the value at 80 % in every version; in 1.9 "W_hyg" is too (0.009 in legacy_valid.vpj).
    void hygroscopicMoistureByFileVersion_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("layer");
        QTest::addColumn<double>("w80");
        QTest::newRow("1.3, W_hyg") << "legacy_version_1_3.vpj" << 0 << 0.008;
        QTest::newRow("1.3, W_h80") << "legacy_version_1_3.vpj" << 1 << 0.01;
        QTest::newRow("1.9, W_hyg") << "legacy_valid.vpj" << 1 << 0.009;
    }
    void hygroscopicMoistureByFileVersion() {
        QFETCH(QString, file);
        QFETCH(int, layer);
        QFETCH(double, w80);
        Document doc;
        QString error;
        QVERIFY2(doc.readOld(dataFile(file), error), qPrintable(error));
        HYG_COMPARE_DOUBLE(doc.inputData().layers().at(layer).w_80(), w80, 1e-12, 0.0);
    }

    void values_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<double>("expected");
        QTest::newRow("degrees Celsius") << "20 C" << int(LegacyValueReader::Temperature) << 20.0;
        QTest::newRow("kelvin") << "293.15 K" << int(LegacyValueReader::Temperature) << 20.0;
        QTest::newRow("percent") << "65 %" << int(LegacyValueReader::RelativeHumidity) << 65.0;
        QTest::newRow("millimetres") << "15 mm" << int(LegacyValueReader::Length) << 0.015;
        QTest::newRow("centimetres, decimal comma") << "1,5 cm" << int(LegacyValueReader::Length) << 0.015;
        QTest::newRow("metres") << "0.2 m" << int(LegacyValueReader::Length) << 0.2;
        QTest::newRow("hours to days") << "1440 h" << int(LegacyValueReader::Period) << 60.0;
        QTest::newRow("seconds to days") << "7776000 s" << int(LegacyValueReader::Period) << 90.0;
        QTest::newRow("days") << "90 d" << int(LegacyValueReader::Period) << 90.0;
        QTest::newRow("resistance") << "0.13 m2K/W" << int(LegacyValueReader::SurfaceResistance) << 0.13;
        QTest::newRow("heat transfer coefficient") << "25 W/m2K" << int(LegacyValueReader::SurfaceResistance) << 0.04;
        QTest::newRow("A_w per s^0.5") << "0.2 kg/m2s05" << int(LegacyValueReader::WaterAbsorption) << 0.2;
        QTest::newRow("A_w per h^0.5") << "6 kg/m2*h^0.5" << int(LegacyValueReader::WaterAbsorption) << 0.1;
        QTest::newRow("moisture in kg/m3") << "90 kg/m3" << int(LegacyValueReader::MoistureContent) << 0.09;
        QTest::newRow("unit in two tokens") << "0.2 kg/m2 s05" << int(LegacyValueReader::WaterAbsorption) << 0.2;
    }
    void values() {
        QFETCH(QString, text);
        QFETCH(int, quantity);
        QFETCH(double, expected);
        double value = 0;
        QVERIFY(LegacyValueReader::readValue(text, LegacyValueReader::Quantity(quantity), value));
        HYG_COMPARE_DOUBLE(value, expected, 1e-12, 1e-12);
    }

    void unreadableValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<bool>("throws");
        QTest::newRow("no number") << "warm C" << int(LegacyValueReader::Temperature) << false;
        QTest::newRow("empty") << "" << int(LegacyValueReader::Temperature) << false;
        QTest::newRow("not finite") << "inf C" << int(LegacyValueReader::Temperature) << false;
        QTest::newRow("no unit") << "20" << int(LegacyValueReader::Temperature) << true;
        QTest::newRow("length unit for a temperature") << "20 mm" << int(LegacyValueReader::Temperature) << true;
        QTest::newRow("unknown unit") << "3 ft" << int(LegacyValueReader::Length) << true;
        QTest::newRow("percent moisture is a material list unit")
            << "5 %" << int(LegacyValueReader::MoistureContent) << true;
        QTest::newRow("density without unit") << "1200" << int(LegacyValueReader::Density) << true;
        QTest::newRow("unit in other case") << "0.5 w/mk" << int(LegacyValueReader::ThermalConductivity) << true;
    }
    void unreadableValues() {
        QFETCH(QString, text);
        QFETCH(int, quantity);
        QFETCH(bool, throws);
        double value = -1;
        bool thrown = false;
        try {
            QVERIFY(!LegacyValueReader::readValue(text, LegacyValueReader::Quantity(quantity), value));
        }
        catch (const ZOT::Exception &) {
            thrown = true;
        }
        QCOMPARE(thrown, throws);
        QCOMPARE(value, -1.0);
    }

    void categories_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("category");
        QTest::newRow("Natursteine") << "Natursteine" << 3;
        QTest::newRow("Mauerwerk") << "Mauerwerk" << 2;
        QTest::newRow("Putze/Mörtel prefix") << QString::fromUtf8("Putze/Mörtel") << 1;
        QTest::newRow("Putze, Mörtel prefix") << QString::fromUtf8("Putze, Mörtel, Estriche") << 1;
        QTest::newRow("Zementhaltige Baustoffe") << "Zementhaltige Baustoffe" << 4;
        QTest::newRow("Wärmedämmstoffe") << QString::fromUtf8("Wärmedämmstoffe") << 5;
        QTest::newRow("Holz") << "Holz" << 7;
        QTest::newRow("Folien und Abdichtungsstoffe") << "Folien und Abdichtungsstoffe" << 11;
        QTest::newRow("Fassadenbekleidungen prefix") << QString::fromUtf8("Fassadenbekleidungen, Bodenbeläge") << 10;
        QTest::newRow("Erden und B prefix") << "Erden und Boden" << 9;
        QTest::newRow("Sonstiges") << "Sonstiges" << 12;
        QTest::newRow("current category name") << "Natural materials" << 8;
        QTest::newRow("unknown name") << "Kunststoffe" << 13;
        QTest::newRow("name without umlauts is a material list spelling") << "Daemmstoffe" << 13;
    }
    void categories() {
        QFETCH(QString, name);
        QFETCH(int, category);
        QCOMPARE(LegacyValueReader::categoryFromLegacyName(name), category);
    }
};

QTEST_GUILESS_MAIN(tst_LegacyProjectFile)
#include "tst_LegacyProjectFile.moc"
