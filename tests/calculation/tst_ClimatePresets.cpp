#include <QtTest>

#include <calculation/ClimatePresets.h>

class tst_ClimatePresets : public QObject {
    Q_OBJECT
private slots:
    void tableIsComplete() {
        const QMap<QString, ClimatePreset> map = ClimatePresets::presets();
        QCOMPARE(map.size(), 18);
        QSet<int> ids;
        for (const ClimatePreset &p : map) {
            ids.insert(p.id);
            QCOMPARE(p.climate.outdoor, p.id == 0 ? p.name.endsWith("outdoor") : p.id >= 11);
            QCOMPARE(p.climate.period, p.climate.outdoor ? 0 : 2);
        }
        QCOMPARE(ids.size(), 17);
    }

    void defaultRecord() {
        const ClimateRecord r;
        QCOMPARE(r.T, 0.0);
        QCOMPARE(r.period, 3);
        QVERIFY(r.outdoor);
    }

    void findPresetId_data() {
        QTest::addColumn<double>("T");
        QTest::addColumn<double>("rh");
        QTest::addColumn<double>("Rs");
        QTest::addColumn<int>("id");
        QTest::newRow("0.13 shared by 1, 3 and 7") << 20.0 << 50.0 << 0.13 << 1;
        QTest::newRow("0.25 shared by 6 and 10") << 20.0 << 50.0 << 0.25 << 10;
        QTest::newRow("0.17 shared by 2 and 4") << 20.0 << 50.0 << 0.17 << 2;
        QTest::newRow("outdoor shared by 11 and 16") << -10.0 << 80.0 << 0.04 << 11;
        QTest::newRow("within tolerance") << 20.0 << 50.0 << 0.13009 << 1;
        QTest::newRow("beyond tolerance") << 20.0 << 50.0 << 0.1302 << 0;
        QTest::newRow("only upwards 0.10") << 20.0 << 50.0 << 0.1 << 5;
        QTest::newRow("ground 2014") << -5.0 << 80.0 << 1e-8 << 15;
        QTest::newRow("2014 outdoor") << -5.0 << 80.0 << 0.04 << 13;
        QTest::newRow("custom indoor values") << 20.0 << 50.0 << 0.125 << 0;
        QTest::newRow("nothing matches") << 21.0 << 50.0 << 0.13 << 0;
    }
    void findPresetId() {
        QFETCH(double, T);
        QFETCH(double, rh);
        QFETCH(double, Rs);
        QFETCH(int, id);
        QCOMPARE(ClimatePresets::findPresetId(T, rh, Rs), id);
    }

    void presetIds_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("outdoor");
        QTest::addColumn<QVector<int>>("ids");
        QTest::newRow("2001 indoor") << 1 << false << QVector<int>{1, 2};
        QTest::newRow("2001 outdoor") << 1 << true << QVector<int>{11, 12, 14};
        QTest::newRow("2014 indoor") << 2 << false << QVector<int>{10};
        QTest::newRow("2014 outdoor") << 2 << true << QVector<int>{13};
        QTest::newRow("custom indoor") << 0 << false << QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("unknown type outdoor") << 7 << true << QVector<int>{0, 11, 12, 13, 14, 16};
    }
    void presetIds() {
        QFETCH(int, type);
        QFETCH(bool, outdoor);
        QFETCH(QVector<int>, ids);
        QCOMPARE(ClimatePresets::presetIds(type, outdoor), ids);
    }

    void applyPreset() {
        ClimateRecord r;
        r.period = 1;
        QVERIFY(ClimatePresets::applyPreset(13, r));
        QCOMPARE(r.T, -5.0);
        QCOMPARE(r.rh, 80.0);
        QCOMPARE(r.Rs, 0.04);
        QCOMPARE(r.period, 1);
        QVERIFY(!ClimatePresets::applyPreset(17, r));
        QCOMPARE(r.T, -5.0);
    }

    void applyCustomPresetFollowsSide() {
        ClimateRecord inside;
        inside.outdoor = false;
        QVERIFY(ClimatePresets::applyPreset(0, inside));
        QCOMPARE(inside.Rs, 0.125);
        ClimateRecord outside;
        QVERIFY(ClimatePresets::applyPreset(0, outside));
        QCOMPARE(outside.T, -10.0);
        QCOMPARE(outside.rh, 70.0);
    }

    void assessmentTypeText_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("custom") << 0 << "Custom conditions";
        QTest::newRow("2001") << 1 << "German Standard DIN 4108-3 from 2001";
        QTest::newRow("2014") << 2 << "German Standard DIN 4108-3 from 2014 and 2018";
        QTest::newRow("negative") << -1 << "Unknown condition";
        QTest::newRow("three") << 3 << "Unknown condition";
    }
    void assessmentTypeText() {
        QFETCH(int, type);
        QFETCH(QString, text);
        QCOMPARE(ClimatePresets::assessmentTypeText(type), text);
    }
};

QTEST_GUILESS_MAIN(tst_ClimatePresets)
#include "tst_ClimatePresets.moc"
