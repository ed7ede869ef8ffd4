#include <QtTest>

#include <FuzzyCompare.h>
#include <calculation/PhysicalProperties.h>

class tst_PhysicalProperties : public QObject {
    Q_OBJECT
private slots:
    void saturationPressure_data() {
        QTest::addColumn<double>("theta");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("0 degC uses the upper branch") << 0.0 << 611.0 << 0.05;
        QTest::newRow("just below zero uses the lower branch") << -0.001 << 612.17 << 0.01;
        QTest::newRow("20 degC") << 20.0 << 2338.0 << 0.5;
        QTest::newRow("-10 degC") << -10.0 << 259.9 << 0.1;
    }
    void saturationPressure() {
        QFETCH(double, theta);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        HYG_COMPARE_DOUBLE(::saturationPressure(theta), expected, 0.0, tolerance);
    }

    void branchesNearlyMeetAtZero() {
        // The two power forms are separate fits; at 0 degC they differ by about 0.2 %.
        const double upper = ::saturationPressure(0.0);
        const double lower = ::saturationPressure(-1e-9);
        HYG_COMPARE_DOUBLE(lower, upper, 0.003, 0.0);
        QVERIFY(lower > upper);
    }

    void saturationPressureMagnus_data() {
        QTest::addColumn<double>("theta");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("0 degC") << 0.0 << 610.5 << 1e-9;
        QTest::newRow("20 degC") << 20.0 << 2337.0 << 0.5;
        QTest::newRow("-10 degC") << -10.0 << 259.3 << 0.1;
    }
    void saturationPressureMagnus() {
        QFETCH(double, theta);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        HYG_COMPARE_DOUBLE(::saturationPressureMagnus(theta), expected, 0.0, tolerance);
    }

    void dewPointTemperature_data() {
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("expected");
        QTest::newRow("summer pressure 1700 Pa") << 1700.0 << 14.94;
        QTest::newRow("611 Pa uses the upper branch") << 611.0 << 0.0;
        QTest::newRow("below 611 Pa") << 259.9 << -10.0;
    }
    void dewPointTemperature() {
        QFETCH(double, pressure);
        QFETCH(double, expected);
        HYG_COMPARE_DOUBLE(::dewPointTemperature(pressure), expected, 0.0, 0.005);
    }

    void dewPointAt611UsesUpperBranch() {
        const double upper = 49.342 * std::pow(611.0, 1.0 / 8.02) - 109.8;
        QCOMPARE(::dewPointTemperature(611.0), upper);
    }

    void dewPointInvertsSaturationPressure_data() {
        QTest::addColumn<double>("theta");
        QTest::newRow("-25 degC") << -25.0;
        QTest::newRow("-3 degC") << -3.0;
        QTest::newRow("5 degC") << 5.0;
        QTest::newRow("30 degC") << 30.0;
    }
    void dewPointInvertsSaturationPressure() {
        QFETCH(double, theta);
        HYG_COMPARE_DOUBLE(::dewPointTemperature(::saturationPressure(theta)), theta, 0.0, 0.01);
    }

    void vapourPressure() {
        HYG_COMPARE_DOUBLE(::vapourPressure(20, 50), ::saturationPressure(20) / 2, 1e-14, 0.0);
        HYG_COMPARE_DOUBLE(::vapourPressureMagnus(-10, 80), ::saturationPressureMagnus(-10) * 0.8, 1e-14, 0.0);
    }

    void diffusionResistance() {
        // 1 m of still air: 5e9 (Glaser) versus 5.4e9 m2 s Pa/kg (1.5e6 m h Pa/kg).
        HYG_COMPARE_DOUBLE(diffusionResistanceGlaser(1, 1), 5e9, 1e-12, 0.0);
        HYG_COMPARE_DOUBLE(diffusionResistanceMoisture(1, 1), 1.5e6 * 3600, 1e-12, 0.0);
        HYG_COMPARE_DOUBLE(diffusionResistanceGlaser(100, 0.02), 1e10, 1e-12, 0.0);
    }
};

QTEST_GUILESS_MAIN(tst_PhysicalProperties)
#include "tst_PhysicalProperties.moc"
