// Tests of the climates of the transient simulation: the hourly CSV reader with its error lines, the
// interpolation and repetition of a series, the sine from monthly means and the EN 15026 indoor climate.

#include <calculation/HourlyClimate.h>
#include <calculation/PhysicalProperties.h>

#include "FuzzyCompare.h"

#include <QtTest>

class tst_TransientClimate : public QObject {
    Q_OBJECT
private slots:
    void readErrors_data();
    void readErrors();
    void interpolatesAndRepeats();
    void sineKeepsMonthlyMeans();
    void en15026Interior_data();
    void en15026Interior();
};

void tst_TransientClimate::readErrors_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");
    QTest::newRow("two columns") << QByteArray("t,T,rh\n0,1,50\n1,2\n") << "Line 3: expected 3 columns";
    QTest::newRow("four columns") << QByteArray("t,T,rh\n0,1,50,7\n") << "Line 2: expected 3 columns";
    QTest::newRow("text value") << QByteArray("t;T;rh\n0;1;wet\n") << "Line 2: 'wet' is not a number";
    QTest::newRow("gap") << QByteArray("t,T,rh\n0,1,50\n1,1,50\n3,1,50\n") << "Line 4: time 3 h does not follow";
    QTest::newRow("disorder") << QByteArray("t,T,rh\n# c\n5,1,50\n4,1,50\n") << "Line 4: time 4 h does not follow";
    QTest::newRow("rh above 100") << QByteArray("t,T,rh\n0,1,50\n1,1,100.5\n") << "Line 3: relative humidity";
    QTest::newRow("rh negative") << QByteArray("t T rh\n0 1 -1\n") << "Line 2: relative humidity";
    QTest::newRow("no header") << QByteArray("0,1,50\n1,1,50\n") << "Line 1: expected the header line";
    QTest::newRow("header only") << QByteArray("t,T,rh\n\n") << "No climate values";
}

void tst_TransientClimate::readErrors() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    HourlyClimate climate;
    QString errorText;
    QVERIFY(!climate.readCsv(csv, errorText));
    QVERIFY2(errorText.startsWith(error), qPrintable(errorText));
}

void tst_TransientClimate::interpolatesAndRepeats() {
    HourlyClimate climate;
    QString errorText;
    QVERIFY2(climate.readCsv("time;T;rh\r\n0;10;40\r\n1;20;60\r\n2;0;100\r\n", errorText), qPrintable(errorText));
    QCOMPARE(climate.step(), SECONDS_PER_HOUR);
    const struct {
        double hours, T, rh;
    } expected[] = {{0.5, 15, 0.5}, {1.5, 10, 0.8}, {2.5, 5, 0.7}, {3.25, 12.5, 0.45}, {-0.5, 5, 0.7}};
    for (const auto &e : expected) {
        double T = 0, rh = 0;
        climate.valueAt(e.hours * SECONDS_PER_HOUR, T, rh);
        HYG_COMPARE_DOUBLE(T, e.T, 1e-12, 1e-12);
        HYG_COMPARE_DOUBLE(rh, e.rh, 1e-12, 1e-12);
    }
}

void tst_TransientClimate::sineKeepsMonthlyMeans() {
    double means[12];
    QVERIFY(HourlyClimate::monthlyMeans(QStringLiteral("Potsdam"), means));
    QCOMPARE(means[6], 19.7);
    const HourlyClimate climate = HourlyClimate::sineFromMonthlyMeans(means, 0.8, 4);
    QCOMPARE(climate.size(), 8760);
    // The middle day of July carries the July mean; its daily swing peaks at 15:00.
    const double july15 = (181 + 14) * 24;
    double sum = 0, T = 0, rh = 0, warmest = -100;
    int warmestHour = 0;
    for (int h = 0; h < 24; ++h) {
        climate.valueAt((july15 + h) * SECONDS_PER_HOUR, T, rh);
        sum += T;
        if (T > warmest) {
            warmest = T;
            warmestHour = h;
        }
    }
    HYG_COMPARE_DOUBLE(sum / 24, 19.7, 0, 0.05);
    QCOMPARE(warmestHour, 15);
    QCOMPARE(rh, 0.8);
}

void tst_TransientClimate::en15026Interior_data() {
    QTest::addColumn<double>("outdoor");
    QTest::addColumn<bool>("high");
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("rh");
    QTest::newRow("cold, normal") << -15.0 << false << 20.0 << 0.3;
    QTest::newRow("cold, high") << -15.0 << true << 20.0 << 0.4;
    QTest::newRow("5 °C, normal") << 5.0 << false << 20.0 << 0.45;
    QTest::newRow("15 °C, high") << 15.0 << true << 22.5 << 0.65;
    QTest::newRow("warm, normal") << 25.0 << false << 25.0 << 0.6;
}

void tst_TransientClimate::en15026Interior() {
    QFETCH(double, outdoor);
    QFETCH(bool, high);
    QFETCH(double, T);
    QFETCH(double, rh);
    // a day whose hours swing around the daily mean: only the mean counts
    QByteArray csv("t,T,rh\n");
    for (int h = 0; h < 24; ++h)
        csv += QByteArray::number(h) + ',' + QByteArray::number(outdoor + (h % 2 ? 3 : -3)) + ",80\n";
    HourlyClimate outside;
    QString errorText;
    QVERIFY(outside.readCsv(csv, errorText));
    const HourlyClimate inside =
        HourlyClimate::en15026Interior(outside, high ? HourlyClimate::HighLoad : HourlyClimate::NormalLoad);
    for (double hour : {0.0, 7.0, 23.0}) {
        double insideT = 0, insideRh = 0;
        inside.valueAt(hour * SECONDS_PER_HOUR, insideT, insideRh);
        HYG_COMPARE_DOUBLE(insideT, T, 1e-12, 1e-12);
        HYG_COMPARE_DOUBLE(insideRh, rh, 1e-12, 1e-12);
    }
}

QTEST_GUILESS_MAIN(tst_TransientClimate)
#include "tst_TransientClimate.moc"
