#include <QtTest>

#include <CoreEnums.h>

#include <QDataStream>

#include <FuzzyCompare.h>
#include <model/MaterialLayer.h>

namespace {

Material plainMaterial(double mu) {
    return Material(QStringLiteral("Gypsum board"), Material::BuildingBoards, QString(), QString(), QString(),
                    QString(), 850, 0.25, mu, 0.01, 0.5, 0.1, 12);
}

Material airSpace() {
    Material m = plainMaterial(1.0);
    m.setLambda(0.025);
    m.setFlags(true, false, false, false);
    return m;
}

} // namespace

class tst_MaterialLayer : public QObject {
    Q_OBJECT
private slots:
    void widthUnits_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("metres");
        QTest::newRow("centimetres") << 2.5 << 100 << 0.025;
        QTest::newRow("millimetres") << 25.0 << 1000 << 0.025;
        QTest::newRow("decimetres") << 0.25 << 10 << 0.025;
        QTest::newRow("metres") << 0.025 << 1 << 0.025;
        QTest::newRow("unknown factor means metres") << 0.025 << 7 << 0.025;
    }
    void widthUnits() {
        QFETCH(double, value);
        QFETCH(int, unit);
        QFETCH(double, metres);
        MaterialLayer layer(plainMaterial(10), 0.1);
        layer.setWidth(value, unit);
        HYG_COMPARE_DOUBLE(layer.width(), metres, 1e-14, 0.0);
        HYG_COMPARE_DOUBLE(layer.width(unit), value, 1e-14, 0.0);
    }

    void widthInMillimetres() {
        MaterialLayer layer;
        layer.setWidth(2.5, MaterialLayer::Centimetre);
        HYG_COMPARE_DOUBLE(layer.width(MaterialLayer::Millimetre), 25.0, 1e-14, 0.0);
    }

    void sdValueFixesWidth() {
        Material foil = plainMaterial(20000);
        foil.setSd_value(2);
        MaterialLayer layer(foil, 0.3);
        HYG_COMPARE_DOUBLE(layer.width(), 0.0001, 1e-14, 0.0);
        layer.setWidth(5, MaterialLayer::Millimetre);
        HYG_COMPARE_DOUBLE(layer.width(), 0.0001, 1e-14, 0.0);
    }

    void updateWidthFromSdAfterEdit() {
        MaterialLayer layer(plainMaterial(100), 0.02);
        QCOMPARE(layer.width(), 0.02);
        layer.material().setSd_value(0.5);
        layer.updateWidthFromSd();
        HYG_COMPARE_DOUBLE(layer.width(), 0.005, 1e-14, 0.0);
    }

    void sdValueWithoutMuKeepsWidth() {
        Material m = plainMaterial(0);
        m.setSd_value(1);
        const MaterialLayer layer(m, 0.04);
        QCOMPARE(layer.width(), 0.04);
    }

    void airSpaceUsesEffectiveValues() {
        const MaterialLayer layer(airSpace(), 0.02);
        HYG_COMPARE_DOUBLE(layer.lambda(HeatFlowDirection::Upwards), 0.02 / 0.16, 1e-12, 0.0);
        HYG_COMPARE_DOUBLE(layer.lambda(HeatFlowDirection::Horizontal), 0.02 / 0.175, 1e-12, 0.0);
        HYG_COMPARE_DOUBLE(layer.lambda(HeatFlowDirection::Downwards), 0.02 / 0.18, 1e-12, 0.0);
        QCOMPARE(layer.mu(), 0.5);
        QCOMPARE(layer.material().lambda(), 0.025);
        QCOMPARE(layer.material().mu(), 1.0);
    }

    void binaryRoundTrip() {
        Material m = plainMaterial(10);
        m.setFlags(false, false, true, true);
        MaterialLayer a(m, 0.0125);
        QByteArray data;
        {
            QDataStream out(&data, QIODevice::WriteOnly);
            a.writeBinary(out);
        }
        QDataStream in(data);
        qint32 version = 0;
        in >> version;
        QCOMPARE(version, 4);
        in.device()->seek(0);
        MaterialLayer b;
        QVERIFY(b.readBinary(in));
        QCOMPARE(b.width(), 0.0125);
        QVERIFY(b.material() == a.material());
        QVERIFY(b.isFoil());
        QCOMPARE(b.materialId(), 65536);
    }

    void binaryVersionOneRecord() {
        QByteArray data;
        {
            QDataStream out(&data, QIODevice::WriteOnly);
            out << qint32(1) << 0.05;
            plainMaterial(10).writeBinary(out, 1);
        }
        QDataStream in(data);
        MaterialLayer layer;
        QVERIFY(layer.readBinary(in));
        QCOMPARE(layer.width(), 0.05);
        QCOMPARE(layer.material().mu(), 10.0);
        QVERIFY(in.atEnd());
    }

    void binaryTruncatedHeader() {
        QByteArray data;
        {
            QDataStream out(&data, QIODevice::WriteOnly);
            out << qint32(4);
        }
        QDataStream in(data);
        MaterialLayer layer;
        QVERIFY(!layer.readBinary(in));
    }
};

QTEST_GUILESS_MAIN(tst_MaterialLayer)
#include "tst_MaterialLayer.moc"
