#include <QtTest>

#include <ZOT_Exception.h>
#include <ZOT_FormatString.h>
#include <ZOT_Math.h>

class tst_Exception : public QObject {
    Q_OBJECT
private slots:
    void chainOfThree() {
        try {
            try {
                try {
                    throw ZOT::Exception("inner", "[A::a]");
                }
                catch (ZOT::Exception &ex) {
                    throw ZOT::Exception(ex, "middle", "[B::b]");
                }
            }
            catch (ZOT::Exception &ex) {
                throw ZOT::Exception(ex, ZOT::FormatString("outer %1").arg(3), "[C::c]");
            }
        }
        catch (ZOT::Exception &ex) {
            QCOMPARE(ex.messages().size(), std::size_t(3));
            QCOMPARE(std::string(ex.what()), std::string("outer 3"));
            QCOMPARE(ex.messages().front().what, std::string("inner"));
            QCOMPARE(ex.messages().front().where, std::string("[A::a]"));
            QCOMPARE(ex.messages()[1].where, std::string("[B::b]"));
            return;
        }
        QFAIL("no exception");
    }

    void formatString_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two args") << QString::fromStdString(ZOT::FormatString("%2 and %1").arg("a").arg(2).str())
                                  << "2 and a";
        QTest::newRow("missing arg") << QString::fromStdString(ZOT::FormatString("x=%1 y=%2").arg(1.5).str())
                                     << "x=1.5 y=%2";
        QTest::newRow("general format") << QString::fromStdString(ZOT::FormatString("%1").arg(1e50).str()) << "1e+50";
        QTest::newRow("percent alone") << QString::fromStdString(ZOT::FormatString("100% %").str()) << "100% %";
        QTest::newRow("two digits") << QString::fromStdString(ZOT::FormatString("%10")
                                                                  .arg(1)
                                                                  .arg(2)
                                                                  .arg(3)
                                                                  .arg(4)
                                                                  .arg(5)
                                                                  .arg(6)
                                                                  .arg(7)
                                                                  .arg(8)
                                                                  .arg(9)
                                                                  .arg(10)
                                                                  .str())
                                    << "10";
    }
    void formatString() {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }

    void log10AndPow10() {
        QCOMPARE(ZOT::f_log10(1000.0), 3.0);
        QCOMPARE(ZOT::f_pow10(50), 1e50);
        try {
            ZOT::f_log10(0);
            QFAIL("no exception for log10(0)");
        }
        catch (ZOT::Exception &ex) {
            QCOMPARE(std::string(ex.what()), std::string("Negative or zero value in log function, x = 0"));
            QCOMPARE(ex.messages().back().where, std::string("[ZOT::f_log10]"));
        }
        try {
            ZOT::f_pow10(50.5);
            QFAIL("no exception for pow10(50.5)");
        }
        catch (ZOT::Exception &ex) {
            QCOMPARE(std::string(ex.what()), std::string("Exponent too large in power function, exponent = 50.5"));
            QCOMPARE(ex.messages().back().where, std::string("[ZOT::f_pow10]"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Exception)
#include "tst_Exception.moc"
