#include <QtTest>

#include <ZOT_EOLStreamBuffer.h>

#include <sstream>

namespace {
std::string normalised(const std::string &in) {
    std::istringstream stream(in);
    ZOT::EOLStreamBuffer eol(stream);
    std::string out;
    char c;
    while (stream.get(c))
        out += c;
    return out;
}
} // namespace

class tst_EOLStreamBuffer : public QObject {
    Q_OBJECT
private slots:
    void lineEnds_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArray("a\nb\n");
        QTest::newRow("LF CR") << QByteArray("a\n\rb\n\r") << QByteArray("a\nb\n");
        QTest::newRow("RS RS") << QByteArray("a\x1e\x1e"
                                             "b")
                               << QByteArray("a\nb");
        QTest::newRow("CR only") << QByteArray("a\rb\r") << QByteArray("a\nb\n");
        QTest::newRow("LF only") << QByteArray("a\nb") << QByteArray("a\nb");
        QTest::newRow("empty line CR LF") << QByteArray("a\r\n\r\nb") << QByteArray("a\n\nb");
        QTest::newRow("LF LF") << QByteArray("a\n\nb") << QByteArray("a\n\nb");
        QTest::newRow("three RS") << QByteArray("a\x1e\x1e\x1e"
                                                "b")
                                  << QByteArray("a\n\nb");
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QByteArray("a\n\nb");
    }
    void lineEnds() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(normalised(input.toStdString())), expected);
    }

    void peekFollowsTheSameRule() {
        std::istringstream stream("a\r\nb");
        ZOT::EOLStreamBuffer eol(stream);
        QCOMPARE(stream.get(), int('a'));
        QCOMPARE(stream.peek(), int('\n'));
        QCOMPARE(stream.get(), int('\n'));
        QCOMPARE(stream.peek(), int('b'));
        std::string rest;
        std::getline(stream, rest);
        QCOMPARE(rest, std::string("b"));
    }

    void getlineAndRestore() {
        std::istringstream stream("first\rsecond\r\nthird");
        std::streambuf *original = stream.rdbuf();
        {
            ZOT::EOLStreamBuffer eol(stream);
            std::string line;
            QVERIFY(std::getline(stream, line));
            QCOMPARE(line, std::string("first"));
            QVERIFY(std::getline(stream, line));
            QCOMPARE(line, std::string("second"));
        }
        QCOMPARE(stream.rdbuf(), original);
    }
};

QTEST_GUILESS_MAIN(tst_EOLStreamBuffer)
#include "tst_EOLStreamBuffer.moc"
