#include <QtTest>

#include <CoreEnums.h>

#include <QBuffer>
#include <QDataStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdlib>
#include <functional>

#include <FuzzyCompare.h>
#include <MessageCapture.h>
#include <model/Material.h>

namespace {

Material airSpace() {
    Material m(QStringLiteral("Air layer"), Material::Miscellaneous, QString(), QString(), QString(), QString(), 1.23,
               0.025, 1.0, 0.001, 0.002, 0, 17);
    m.setFlags(true, false, false, false);
    return m;
}

// A material with every member set to a value different from the defaults.
/*! One change per field of a material, none of which keeps the value of fullMaterial(). */
const QMap<QString, std::function<void(Material &)>> &fieldChanges() {
    static const QMap<QString, std::function<void(Material &)>> changes = {
        {"name", [](Material &m) { m.setName("Pine"); }},
        {"category", [](Material &m) { m.setCategory(Material::Coating); }},
        {"colour", [](Material &m) { m.setColor(QColor(12, 200, 254)); }},
        {"notes", [](Material &m) { m.setNotes("other"); }},
        {"product name", [](Material &m) { m.setProductName("Board 21"); }},
        {"producer", [](Material &m) { m.setProducer("Other"); }},
        {"data source", [](Material &m) { m.setDataSource("Lab report 8"); }},
        {"rho", [](Material &m) { m.setRho(455.6); }},
        {"lambda", [](Material &m) { m.setLambda(0.1300001); }},
        {"mu", [](Material &m) { m.setMu(40.5); }},
        {"mu_min", [](Material &m) { m.setMu_min(21); }},
        {"mu_max", [](Material &m) { m.setMu_max(50.5000001); }},
        {"w_80", [](Material &m) { m.setW_80(0.0124); }},
        {"w_sat", [](Material &m) { m.setW_sat(0.61); }},
        {"Aw", [](Material &m) { m.setAw(0.0018, true); }},
        {"sd value", [](Material &m) { m.setSd_value(3); }},
        {"air flag", [](Material &m) { m.setFlag(Material::Air, true); }},
        {"wood flag", [](Material &m) { m.setFlag(Material::Wood, false); }},
        {"wood-based flag", [](Material &m) { m.setFlag(Material::Woodbased, false); }},
        {"foil flag", [](Material &m) { m.setFlag(Material::Foil, false); }}};
    return changes;
}

Material fullMaterial() {
    Material m(QStringLiteral("Spruce <board> & \"co\""), Material::Timber, QStringLiteral("notes, line"),
               QStringLiteral("Board 20"), QStringLiteral("Sawmill"), QStringLiteral("Lab report 7"), 455.5, 0.13,
               40.25, 0.0123, 0.6, 0.0017, 4711);
    m.setMu_min(20);
    m.setMu_max(50.5);
    m.setSd_value(0.75);
    m.setColor(QColor(12, 200, 255));
    m.setFlags(false, true, true, true);
    return m;
}

// Parses the given XML text and reads the first element with Material::readXML.
bool readMaterialXml(const QString &xml, Material &m, QString &error) {
    QXmlStreamReader reader(xml);
    reader.readNextStartElement();
    const bool ok = m.readXML(reader);
    error = reader.errorString();
    return ok;
}

QString materialXml(const Material &m) {
    QString text;
    QXmlStreamWriter writer(&text);
    writer.writeStartDocument();
    m.writeXML(writer);
    writer.writeEndDocument();
    return text;
}

QByteArray binaryRecord(const Material &m, int version) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    m.writeBinary(out, version);
    return data;
}

} // namespace

class tst_Material : public QObject {
    Q_OBJECT
private slots:
    void defaults() {
        const Material m;
        QVERIFY(m.name().isEmpty());
        QCOMPARE(m.category(), 13);
        QVERIFY(!m.color().isValid());
        QCOMPARE(m.rho(), 0.0);
        QCOMPARE(m.sd_value(), 0.0);
        QVERIFY(m.flags().empty());
        QCOMPARE(m.materialId(), 0);
        QVERIFY(m.measuringDate().isNull());
    }

    void fullConstructorDrawsColourInRange() {
        std::srand(5);
        const int blue = static_cast<int>(std::rand() * 255.0 / RAND_MAX);
        const int green = static_cast<int>(std::rand() * 255.0 / RAND_MAX);
        const int red = static_cast<int>(std::rand() * 255.0 / RAND_MAX);
        std::srand(5);
        const Material m(QStringLiteral("Brick"), 2, QString(), QString(), QString(), QString(), 1800, 0.8, 10, 0.01,
                         0.3, 0.1, 3);
        QVERIFY(m.color().isValid());
        QCOMPARE(m.color(), QColor(red, green, blue));
        QCOMPARE(m.mu_min(), 10.0);
        QCOMPARE(m.mu_max(), 10.0);
        QVERIFY(m.flags().empty());
    }

    void setCategory_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("first category") << 0 << 0;
        QTest::newRow("last category") << 12 << 12;
        QTest::newRow("unknown itself") << 13 << 13;
        QTest::newRow("negative") << -1 << 13;
        QTest::newRow("one past unknown") << 14 << 13;
        QTest::newRow("most negative int") << std::numeric_limits<int>::min() << 13;
    }
    void setCategory() {
        QFETCH(int, value);
        QFETCH(int, stored);
        Material m;
        m.setCategory(value);
        QCOMPARE(m.category(), stored);
    }

    void categoryNames() {
        QCOMPARE(Material::categoryNames().size(), 13);
        QCOMPARE(Material::categoryName(13), QStringLiteral("Unknown"));
        QCOMPARE(Material::categoryName(-3), QStringLiteral("Unknown"));
        QCOMPARE(Material::categoryName(11), QStringLiteral("Foils and waterproofing products"));
        QCOMPARE(Material::categoryFromName(QStringLiteral("Timber")), 7);
        QCOMPARE(Material::categoryFromName(QStringLiteral("Unknown")), -1);
    }

    void setAwConvertsFromHours() {
        Material m;
        m.setAw(6.0, false);
        QCOMPARE(m.Aw(), 0.1);
        m.setAw(6.0, true);
        QCOMPARE(m.Aw(), 6.0);
    }

    void setFlagsReplacesSet() {
        Material m;
        m.setFlags(true, true, false, false);
        m.setFlags(false, false, true, true);
        QVERIFY(!m.isAir());
        QVERIFY(!m.isWood());
        QVERIFY(m.isWoodbased());
        QVERIFY(m.isFoil());
        QCOMPARE(int(m.flags().size()), 2);
    }

    void isValid_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("valid");
        QTest::newRow("complete material") << "" << true;
        QTest::newRow("empty name") << "name" << false;
        QTest::newRow("zero density") << "rho" << false;
        QTest::newRow("w80 equal to wsat") << "w80" << false;
        QTest::newRow("wsat above one") << "wsat" << false;
        QTest::newRow("negative Aw") << "Aw" << false;
        QTest::newRow("category unknown") << "cat" << false;
    }
    void isValid() {
        QFETCH(QString, change);
        QFETCH(bool, valid);
        Material m = fullMaterial();
        if (change == "name")
            m.setName(QString());
        else if (change == "rho")
            m.setRho(0);
        else if (change == "w80")
            m.setW_80(m.w_sat());
        else if (change == "wsat") {
            m.setW_sat(1.01);
        }
        else if (change == "Aw")
            m.setAw(-0.1, true);
        else if (change == "cat")
            m.setCategory(13);
        QCOMPARE(m.isValid(), valid);
    }

    void effectiveLambda_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<HeatFlowDirection>("direction");
        QTest::addColumn<double>("resistance"); // 0: fixed conductivity 0.045
        const HeatFlowDirection Up = HeatFlowDirection::Upwards, Down = HeatFlowDirection::Downwards,
                                Horizontal = HeatFlowDirection::Horizontal;
        QTest::newRow("5 mm upwards is fixed") << 0.005 << Up << 0.0;
        QTest::newRow("5 mm horizontal is fixed") << 0.005 << Horizontal << 0.0;
        QTest::newRow("6 mm between first points") << 0.006 << Down << 0.12;
        QTest::newRow("7 mm breakpoint") << 0.007 << Horizontal << 0.13;
        QTest::newRow("10 mm breakpoint") << 0.01 << Up << 0.15;
        QTest::newRow("15 mm upwards") << 0.015 << Up << 0.16;
        QTest::newRow("15 mm downwards") << 0.015 << Down << 0.17;
        QTest::newRow("20 mm upwards") << 0.02 << Up << 0.16;
        QTest::newRow("20 mm horizontal") << 0.02 << Horizontal << 0.175;
        QTest::newRow("20 mm downwards") << 0.02 << Down << 0.18;
        QTest::newRow("20 mm unknown direction takes downwards") << 0.02 << static_cast<HeatFlowDirection>(7) << 0.18;
        QTest::newRow("25 mm downwards") << 0.025 << Down << 0.19;
        QTest::newRow("25 mm horizontal") << 0.025 << Horizontal << 0.18;
        QTest::newRow("40 mm horizontal stays") << 0.04 << Horizontal << 0.18;
        QTest::newRow("50 mm downwards") << 0.05 << Down << 0.21;
        QTest::newRow("75 mm downwards") << 0.075 << Down << 0.215;
        QTest::newRow("100 mm downwards") << 0.1 << Down << 0.22;
        QTest::newRow("300 mm downwards") << 0.3 << Down << 0.23;
        QTest::newRow("500 mm downwards constant") << 0.5 << Down << 0.23;
        QTest::newRow("500 mm upwards constant") << 0.5 << Up << 0.16;
    }
    void effectiveLambda() {
        QFETCH(double, width);
        QFETCH(HeatFlowDirection, direction);
        QFETCH(double, resistance);
        const double expected = resistance == 0.0 ? 0.045 : width / resistance;
        HYG_COMPARE_DOUBLE(airSpace().effectiveLambda(width, direction), expected, 1e-12, 0.0);
    }

    void effectiveLambdaOfSolidMaterial() {
        Material m = airSpace();
        m.setFlags(false, false, false, false);
        QCOMPARE(m.effectiveLambda(0.02, HeatFlowDirection::Upwards), 0.025);
        QCOMPARE(airSpace().effectiveLambda(0.0, HeatFlowDirection::Horizontal), 0.025);
    }

    void effectiveMu_data() {
        QTest::addColumn<bool>("air");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("mu");
        QTest::newRow("air 8 mm") << true << 0.008 << 1.0;
        QTest::newRow("air 10 mm") << true << 0.01 << 1.0;
        QTest::newRow("air 20 mm") << true << 0.02 << 0.5;
        QTest::newRow("air 200 mm") << true << 0.2 << 0.05;
        QTest::newRow("solid 20 mm") << false << 0.02 << 40.0;
    }
    void effectiveMu() {
        QFETCH(bool, air);
        QFETCH(double, width);
        QFETCH(double, mu);
        Material m = airSpace();
        m.setMu(40);
        m.setFlags(air, false, false, false);
        HYG_COMPARE_DOUBLE(m.effectiveMu(width), mu, 1e-12, 0.0);
    }

    // Every value the calculation, the files or the window use: a change of any one makes two materials unequal.
    void equalityNoticesEveryField_data() {
        QTest::addColumn<QString>("field");
        for (const QString &field : fieldChanges().keys())
            QTest::newRow(qPrintable(field)) << field;
    }
    void equalityNoticesEveryField() {
        QFETCH(QString, field);
        const Material a = fullMaterial();
        Material b = a;
        QVERIFY(a == b);
        fieldChanges()[field](b);
        QVERIFY(a != b);
        QVERIFY(!(b == a));
    }

    void xmlRoundTrip() {
        const Material a = fullMaterial();
        const QString xml = materialXml(a);
        Material b;
        QString error;
        QVERIFY2(readMaterialXml(xml, b, error), qPrintable(error));
        QVERIFY(a == b);
        QCOMPARE(b.materialId(), 4711);
        QCOMPARE(b.sd_value(), 0.75);
        QVERIFY(b.isWood() && b.isWoodbased() && b.isFoil() && !b.isAir());
    }

    void xmlAttributeOrderAndFormat() {
        Material m = fullMaterial();
        m.setRho(1234567.0);
        m.setW_80(0.0123456789);
        const QString xml = materialXml(m);
        const QStringList names = {"name", "materialId", "cat",   "productName", "producer", "dataSource",  "notes",
                                   "rho",  "lambda",     "mu",    "mu_min",      "mu_max",   "w_80",        "w_sat",
                                   "m_Aw", "sd_value",   "color", "isAir",       "isWood",   "isWoodbased", "isFoil"};
        int last = -1;
        for (const QString &name : names) {
            const int pos = xml.indexOf(" " + name + "=");
            QVERIFY2(pos > last, qPrintable(name));
            last = pos;
        }
        QVERIFY(xml.contains("rho=\"1234567\""));
        QVERIFY(xml.contains("w_80=\"0.0123456789\""));
        QVERIFY(xml.contains("color=\"12 200 255\""));
        QVERIFY(xml.contains("isAir=\"0\" isWood=\"1\""));
    }

    void xmlColour_data() {
        QTest::addColumn<QString>("color");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("warnings");
        QTest::newRow("three zeros are black") << "0 0 0" << true << QColor(0, 0, 0) << 0;
        QTest::newRow("only two numbers") << "10 20" << false << QColor() << 0;
        QTest::newRow("letters") << "a b c" << false << QColor() << 0;
        QTest::newRow("double blank gives empty part") << "10  20 30" << false << QColor() << 0;
        QTest::newRow("four numbers") << "1 2 3 4" << false << QColor() << 0;
        // A channel out of range is clamped, as in the binary formats, instead of refusing the project.
        QTest::newRow("channels out of range") << "-1 20 256" << true << QColor(0, 20, 255) << 1;
    }
    void xmlColour() {
        QFETCH(QString, color);
        QFETCH(bool, ok);
        QFETCH(QColor, expected);
        QFETCH(int, warnings);
        Material m;
        QString error;
        const QString xml = QStringLiteral("<Material name=\"X\" rho=\"2\" color=\"%1\" isAir=\"1\"/>").arg(color);
        MessageCapture capture;
        QCOMPARE(readMaterialXml(xml, m, error), ok);
        QCOMPARE(capture.count(ZOT::MSG_WARNING, "brought into the range 0..255"), warnings);
        if (ok) {
            QCOMPARE(m.color(), expected);
            QVERIFY(m.isAir());
        }
        else {
            QCOMPARE(error, QStringLiteral("Invalid encoding '%1' of material color.").arg(color));
            QVERIFY(!m.isAir());
        }
    }

    void xmlMalformedNumber() {
        Material m;
        QString error;
        QVERIFY(!readMaterialXml("<Material name=\"X\" lambda=\"0,5\"/>", m, error));
        QCOMPARE(error, QStringLiteral("Invalid value for attribute 'lambda'."));
    }

    void xmlMissingAttributesKeepValues() {
        Material m = fullMaterial();
        QString error;
        QVERIFY(readMaterialXml("<Material cat=\"99\"><Unknown a=\"1\"><Deeper/></Unknown></Material>", m, error));
        QCOMPARE(m.name(), QStringLiteral("Unknown"));
        QCOMPARE(m.category(), 99);
        QCOMPARE(m.rho(), 455.5);
        QCOMPARE(m.producer(), QStringLiteral("Sawmill"));
        QVERIFY(m.flags().empty());
    }

    void xmlSkipsToEndOfElement() {
        QXmlStreamReader reader(QStringLiteral("<Layers><Material name=\"A\"><Child/></Material><Next/></Layers>"));
        reader.readNextStartElement();
        reader.readNextStartElement();
        Material m;
        QVERIFY(m.readXML(reader));
        QVERIFY(reader.isEndElement());
        QCOMPARE(reader.name().toString(), QStringLiteral("Material"));
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.name().toString(), QStringLiteral("Next"));
    }

    void binaryRoundTrip_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1") << 1;
        QTest::newRow("version 2") << 2;
        QTest::newRow("version 3") << 3;
        QTest::newRow("version 4") << 4;
    }
    void binaryRoundTrip() {
        QFETCH(int, version);
        const Material a = fullMaterial();
        Material b;
        b.setMu_min(1);
        b.setMu_max(2);
        b.setSd_value(3);
        b.setFlags(true, true, true, true);
        QDataStream in(binaryRecord(a, version));
        QVERIFY(b.readBinary(in, version, 99));
        QVERIFY(in.atEnd());
        QCOMPARE(b.materialId(), 99);
        QCOMPARE(b.name(), a.name());
        QCOMPARE(b.rho(), a.rho());
        QCOMPARE(b.w_80(), a.w_80());
        QCOMPARE(b.color(), a.color());
        QCOMPARE(b.mu_min(), version > 1 ? a.mu_min() : 1.0);
        QCOMPARE(b.mu_max(), version > 1 ? a.mu_max() : 2.0);
        QCOMPARE(b.sd_value(), version > 1 ? a.sd_value() : 3.0);
        QCOMPARE(b.isWood(), version > 2);
        QCOMPARE(b.isWoodbased(), version > 2);
        QCOMPARE(b.isAir(), false);
        QCOMPARE(b.isFoil(), version > 3);
    }

    void binaryEmptyNameAndCategory() {
        Material a = fullMaterial();
        a.setName(QString());
        a.setCategory(5);
        QByteArray data = binaryRecord(a, 4);
        // Overwrite the category (right after the empty name's length field) with an out-of-range value.
        QDataStream patch(&data, QIODevice::ReadWrite);
        patch.device()->seek(4);
        patch << qint32(-7);
        QDataStream in(data);
        Material b;
        QVERIFY(b.readBinary(in, 4, 1));
        QCOMPARE(b.name(), QStringLiteral("Unknown"));
        QCOMPARE(b.category(), 13);
    }

    void binaryTruncated() {
        const QByteArray data = binaryRecord(fullMaterial(), 4);
        QDataStream in(data.left(data.size() - 1));
        Material b;
        QVERIFY(!b.readBinary(in, 4, 1));
    }
};

QTEST_GUILESS_MAIN(tst_Material)
#include "tst_Material.moc"
