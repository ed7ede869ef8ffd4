#include <QtTest>

#include <FuzzyCompare.h>
#include <calculation/MonthlyClimate.h>
#include <calculation/MonthlyClimateCsv.h>
#include <calculation/PhysicalProperties.h>

// User climates of the monthly method. Each table holds month m with theta_e = m and, in its third column,
// 50 + m (% or Pa), so that a row read into the wrong month or unit shows.

namespace {

/*! Twelve rows "m<sep>m<sep>50+m" in the order 12, 1, 2 ... 11, with \a decimal as decimal separator. */
QByteArray table(const QString &header, QChar separator, QChar decimal = QLatin1Char('.')) {
    QString text = header.isEmpty() ? QString() : header + QLatin1Char('\n');
    text += QStringLiteral("# monthly means\n");
    for (int i = 0; i < 12; ++i) {
        const int m = (i + 11) % 12 + 1;
        text += QStringLiteral("%1%2%3%2%4\n")
                    .arg(m)
                    .arg(separator)
                    .arg(QString::number(m + 0.5).replace(QLatin1Char('.'), decimal))
                    .arg(50 + m);
    }
    return text.toUtf8();
}

} // namespace

class tst_MonthlyClimateCsv : public QObject {
    Q_OBJECT
private slots:
    void read_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("percent");
        QTest::newRow("comma, no header: %") << table(QString(), QLatin1Char(',')) << true;
        QTest::newRow("semicolon, decimal comma, header Pa")
            << table(QStringLiteral("Monat;theta_e;p_e [Pa]"), QLatin1Char(';'), QLatin1Char(',')) << false;
        QTest::newRow("tab, header %") << table(QStringLiteral("month\ttheta\tphi [%]"), QLatin1Char('\t')) << true;
    }
    void read() {
        QFETCH(QByteArray, data);
        QFETCH(bool, percent);
        MonthlyClimate climate;
        QString error;
        QVERIFY2(MonthlyClimateCsv::read(data, QStringLiteral("Test"), climate, error), qPrintable(error));
        QCOMPARE(climate.name, QStringLiteral("Test"));
        QVERIFY(climate.source.isEmpty());
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(climate.thetaE[std::size_t(m - 1)], m + 0.5);
            const double expected = percent ? vapourPressureMagnus(m + 0.5, 50 + m) : 50 + m;
            HYG_COMPARE_DOUBLE(climate.pE[std::size_t(m - 1)], expected, 1e-14, 0.0);
        }
    }

    void rejected_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        QByteArray missing = table(QString(), QLatin1Char(','));
        missing.truncate(missing.lastIndexOf("11,"));
        QTest::newRow("eleven months") << missing << "12 months expected, 11 found.";
        QTest::newRow("month twice") << missing + "3,1,50\n"
                                     << "line 13: month 3 appears twice.";
        QTest::newRow("month 13") << QByteArray("13,1,50\n")
                                  << "line 1: the month must be a whole number from 1 to 12.";
        QTest::newRow("two columns") << QByteArray("1,2\n")
                                     << "line 1: three numbers expected (month, temperature, "
                                        "humidity).";
        QTest::newRow("humidity above 100 %")
            << table(QStringLiteral("m,t,rh"), QLatin1Char(',')).replace("\n12,12.5,62", "\n12,12.5,162")
            << "line 3: the relative humidity must lie above 0 and at most 100 %.";
    }
    void rejected() {
        QFETCH(QByteArray, data);
        MonthlyClimate climate;
        QString error;
        QVERIFY(!MonthlyClimateCsv::read(data, QStringLiteral("Test"), climate, error));
        QTEST(error, "message");
    }
};

QTEST_GUILESS_MAIN(tst_MonthlyClimateCsv)
#include "tst_MonthlyClimateCsv.moc"
