#include <QtTest>

#include <FuzzyCompare.h>
#include <calculation/PhysicalProperties.h>
#include <model/AssessmentConditions.h>

#include <functional>
#include <limits>

using Change = std::function<void(AssessmentConditions &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

AssessmentConditions conditionsOfType(int type) {
    AssessmentConditions c;
    c.applyType(type);
    return c;
}

} // namespace

class tst_AssessmentConditions : public QObject {
    Q_OBJECT
private slots:
    void defaultsAreTheCurrentStandard() {
        const AssessmentConditions c;
        QCOMPARE(c.type(), 2);
        QCOMPARE(c.T_i(), 20.0);
        QCOMPARE(c.rh_i(), 50.0);
        QCOMPARE(c.Rsi(), 0.25);
        QCOMPARE(c.T_e(), -5.0);
        QCOMPARE(c.rh_e(), 80.0);
        QCOMPARE(c.Rse(), 0.04);
        QCOMPARE(c.tT(), 90.0);
        QCOMPARE(c.tT_summer(), 90.0);
        HYG_COMPARE_DOUBLE(c.T_i_summer(), 14.94, 0, 0.005);
        QCOMPARE(c.T_e_summer(), c.T_i_summer());
        HYG_COMPARE_DOUBLE(c.rh_i_summer(), 70.588, 0, 0.001);
        HYG_COMPARE_DOUBLE(c.rh_e_summer(), 70.588, 0, 0.001);
        QCOMPARE(c.Rsi_summer(), c.Rsi());
        QCOMPARE(c.Rse_summer(), c.Rse());
        QCOMPARE(c.pInsideSummer(), 1200.0);
        QCOMPARE(c.pOutsideSummer(), 1200.0);
        QCOMPARE(c.pSatSummer(), 1700.0);
        QVERIFY(c.isValid());
    }

    void periodsInDaysOrSeconds() {
        AssessmentConditions c;
        c.setTT(60.5);
        c.setTT_summer(10);
        QCOMPARE(c.tT(true), 60.5);
        QCOMPARE(c.tT(false), 60.5 * 24 * 3600);
        QCOMPARE(c.tT_summer(false), 864000.0);
    }

    void applyType2001OnDefaults() {
        AssessmentConditions c;
        c.applyType(1, 17);
        QCOMPARE(c.type(), 1);
        QCOMPARE(ClimatePresets::findPresetId(c.T_i(), c.rh_i(), c.Rsi()), 1);
        QCOMPARE(ClimatePresets::findPresetId(c.T_e(), c.rh_e(), c.Rse()), 11);
        QCOMPARE(c.Rsi(), 0.13);
        QCOMPARE(c.T_e(), -10.0);
        QCOMPARE(c.tT(), 60.0);
        QCOMPARE(c.tT_summer(), 90.0);
        for (const ClimateRecord &summer : {c.interiorSummer(), c.exteriorSummer()}) {
            QCOMPARE(summer.T, 12.0);
            QCOMPARE(summer.rh, 70.0);
        }
        QCOMPARE(c.Rsi_summer(), 0.13);
        QCOMPARE(c.Rse_summer(), 0.04);
    }

    void applyTypeWithPreferredPreset_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("preset");
        QTest::addColumn<double>("Rsi");
        QTest::addColumn<double>("Rse");
        QTest::addColumn<int>("detected");
        QTest::newRow("2001, downwards indoor") << 1 << 2 << 0.17 << 0.04 << 1;
        QTest::newRow("2001, ventilated outdoor") << 1 << 12 << 0.13 << 0.08 << 1;
        QTest::newRow("2001, preset of another type ignored") << 1 << 10 << 0.13 << 0.04 << 1;
        QTest::newRow("custom, cupboard indoor") << 0 << 8 << 1.0 << 0.04 << 0;
        QTest::newRow("custom keeps matching climates") << 0 << 17 << 0.25 << 0.04 << 2;
    }

    void applyTypeWithPreferredPreset() {
        QFETCH(int, type);
        QFETCH(int, preset);
        AssessmentConditions c;
        c.applyType(type, preset);
        QTEST(c.Rsi(), "Rsi");
        QTEST(c.Rse(), "Rse");
        QTEST(c.type(), "detected");
    }

    void customTypeLeavesPeriodsAndSummer() {
        AssessmentConditions c;
        c.setTT(45);
        c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Summer, 18);
        c.applyType(0, 8);
        QCOMPARE(c.tT(), 45.0);
        QCOMPARE(c.T_i_summer(), 18.0);
        QCOMPARE(c.tT_summer(), 90.0);
        QCOMPARE(c.type(), 0);
    }

    void typeDetection_data() {
        QTest::addColumn<int>("startType");
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("type");
        auto interior = [](AssessmentConditions::Quantity q, AssessmentConditions::Season s, double v) {
            return Change([=](AssessmentConditions &c) { c.setInterior(q, s, v); });
        };
        auto exterior = [](AssessmentConditions::Quantity q, AssessmentConditions::Season s, double v) {
            return Change([=](AssessmentConditions &c) { c.setExterior(q, s, v); });
        };
        using AC = AssessmentConditions;
        QTest::newRow("2014: interior T matches no preset") << 2 << interior(AC::Temperature, AC::Winter, 21) << 0;
        QTest::newRow("2014: interior T back to preset") << 2 << interior(AC::Temperature, AC::Winter, 20) << 2;
        QTest::newRow("2001: interior T matches no preset") << 1 << interior(AC::Temperature, AC::Winter, 19) << 0;
        QTest::newRow("2001: within tolerance") << 1 << interior(AC::Temperature, AC::Winter, 20.00009) << 1;
        QTest::newRow("2001: ventilated exterior still 2001")
            << 1 << Change([](AC &c) { c.setExterior(AC::SurfaceResistance, AC::BothSeasons, 0.08); }) << 1;
        QTest::newRow("2001: only winter Rs changed") << 1 << exterior(AC::SurfaceResistance, AC::Winter, 0.08) << 0;
        QTest::newRow("2001: exterior of 2014 does not pair") << 1 << exterior(AC::Temperature, AC::Winter, -5) << 0;
        QTest::newRow("2014: condensation period 45 d") << 2 << Change([](AC &c) { c.setTT(45); }) << 0;
        QTest::newRow("2014: drying period 80 d") << 2 << Change([](AC &c) { c.setTT_summer(80); }) << 0;
        QTest::newRow("2001: condensation period 90 d") << 1 << Change([](AC &c) { c.setTT(90); }) << 1;
        QTest::newRow("2001: summer 13 degrees") << 1 << exterior(AC::Temperature, AC::Summer, 13) << 0;
        QTest::newRow("2014: summer humidity 70") << 2 << interior(AC::RelativeHumidity, AC::Summer, 70) << 0;
        QTest::newRow("whole record, T within tolerance") << 1 << Change([](AC &c) {
            ClimateRecord r = c.interiorWinter();
            r.T = 20.00005;
            c.setInteriorWinter(r);
        }) << 1;
        QTest::newRow("whole record, humidity off") << 2 << Change([](AC &c) {
            ClimateRecord r = c.exteriorWinter();
            r.rh = 85;
            c.setExteriorWinter(r);
        }) << 0;
        QTest::newRow("2014 winter climates with 2001 summer") << 2 << Change([](AC &c) {
            c.setInterior(AC::Temperature, AC::Summer, 12);
            c.setInterior(AC::RelativeHumidity, AC::Summer, 70);
            c.setExterior(AC::Temperature, AC::Summer, 12);
            c.setExterior(AC::RelativeHumidity, AC::Summer, 70);
        }) << 0;
    }

    void typeDetection() {
        QFETCH(int, startType);
        QFETCH(Change, change);
        AssessmentConditions c = conditionsOfType(startType);
        QCOMPARE(c.type(), startType);
        change(c);
        QTEST(c.type(), "type");
    }

    void noPresetAndBackRestoresType() {
        AssessmentConditions c = conditionsOfType(1);
        c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, 22.5);
        QCOMPARE(c.type(), 0);
        QCOMPARE(AssessmentConditions::typeName(c.type()), QString("Custom conditions"));
        c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, 20);
        QCOMPARE(c.type(), 1);
    }

    void bothSeasonsSetsBothRecords() {
        AssessmentConditions c;
        c.setExterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::BothSeasons, 55);
        QCOMPARE(c.rh_e(), 55.0);
        QCOMPARE(c.rh_e_summer(), 55.0);
        QCOMPARE(c.rh_i(), 50.0);
    }

    void typeName_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("custom") << 0 << "Custom conditions";
        QTest::newRow("2001") << 1 << "German Standard DIN 4108-3 from 2001";
        QTest::newRow("2014") << 2 << "German Standard DIN 4108-3 from 2014 and 2018";
        QTest::newRow("other") << 3 << "Unknown condition";
        QTest::newRow("negative") << -1 << "Unknown condition";
    }

    void typeName() {
        QFETCH(int, type);
        QTEST(AssessmentConditions::typeName(type), "name");
    }

    void isValid_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("valid");
        using AC = AssessmentConditions;
        auto interior = [](AC::Quantity q, AC::Season s, double v) {
            return Change([=](AC &c) { c.setInterior(q, s, v); });
        };
        auto exterior = [](AC::Quantity q, AC::Season s, double v) {
            return Change([=](AC &c) { c.setExterior(q, s, v); });
        };
        QTest::newRow("defaults") << Change([](AC &) {}) << true;
        QTest::newRow("T_i 80 inclusive") << interior(AC::Temperature, AC::Winter, 80) << true;
        QTest::newRow("T_i 80.1") << interior(AC::Temperature, AC::Winter, 80.1) << false;
        QTest::newRow("T_e -40 inclusive") << exterior(AC::Temperature, AC::Winter, -40) << true;
        QTest::newRow("T_e_summer -41") << exterior(AC::Temperature, AC::Summer, -41) << false;
        QTest::newRow("rh_i_summer 100 inclusive") << interior(AC::RelativeHumidity, AC::Summer, 100) << true;
        QTest::newRow("rh_e 0 inclusive") << exterior(AC::RelativeHumidity, AC::Winter, 0) << true;
        QTest::newRow("rh_e_summer 101") << exterior(AC::RelativeHumidity, AC::Summer, 101) << false;
        QTest::newRow("rh_i -1") << interior(AC::RelativeHumidity, AC::Winter, -1) << false;
        QTest::newRow("Rsi 0") << interior(AC::SurfaceResistance, AC::Winter, 0) << false;
        QTest::newRow("Rse negative") << exterior(AC::SurfaceResistance, AC::Winter, -0.04) << false;
        QTest::newRow("summer Rs 0 is not checked") << exterior(AC::SurfaceResistance, AC::Summer, 0) << true;
        QTest::newRow("T_i NaN") << interior(AC::Temperature, AC::Winter, NaN) << false;
        QTest::newRow("T_i_summer NaN") << interior(AC::Temperature, AC::Summer, NaN) << false;
        QTest::newRow("rh_e inf") << exterior(AC::RelativeHumidity, AC::Winter, Inf) << false;
        QTest::newRow("Rsi inf") << interior(AC::SurfaceResistance, AC::Winter, Inf) << false;
        QTest::newRow("summer Rse NaN") << exterior(AC::SurfaceResistance, AC::Summer, NaN) << false;
        QTest::newRow("tT 0") << Change([](AC &c) { c.setTT(0); }) << false;
        QTest::newRow("tT_summer 0") << Change([](AC &c) { c.setTT_summer(0); }) << false;
        QTest::newRow("tT negative") << Change([](AC &c) { c.setTT(-1); }) << false;
        QTest::newRow("tT NaN") << Change([](AC &c) { c.setTT(NaN); }) << false;
        QTest::newRow("tT_summer inf") << Change([](AC &c) { c.setTT_summer(Inf); }) << false;
    }

    void isValid() {
        QFETCH(Change, change);
        AssessmentConditions c;
        change(c);
        QTEST(c.isValid(), "valid");
    }
};

QTEST_GUILESS_MAIN(tst_AssessmentConditions)
#include "tst_AssessmentConditions.moc"
