#include <QtTest>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <model/XMLHelpers.h>

class tst_XMLHelpers : public QObject {
    Q_OBJECT
private slots:
    void readDoubleAttribute_data() {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("error");
        QTest::newRow("plain number") << "<E d=\"0.025\"/>" << 0.025 << "";
        QTest::newRow("exponent") << "<E d=\"1e-08\"/>" << 1e-8 << "";
        QTest::newRow("missing keeps value") << "<E x=\"1\"/>" << 7.5 << "";
        QTest::newRow("decimal comma fails") << "<E d=\"0,5\"/>" << 0.0 << "Invalid value for attribute 'd'.";
        QTest::newRow("empty text fails") << "<E d=\"\"/>" << 0.0 << "Invalid value for attribute 'd'.";
    }
    void readDoubleAttribute() {
        QFETCH(QString, xml);
        QFETCH(double, value);
        QFETCH(QString, error);
        QXmlStreamReader reader(xml);
        reader.readNextStartElement();
        double d = 7.5;
        XMLHelpers::readDoubleAttribute(reader, QStringLiteral("d"), d);
        QCOMPARE(d, value);
        QCOMPARE(reader.errorString(), error);
    }

    void readIntAttribute_data() {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("failed");
        QTest::newRow("decimal") << "<E i=\"42\"/>" << 42 << false;
        QTest::newRow("negative") << "<E i=\"-3\"/>" << -3 << false;
        QTest::newRow("fraction fails") << "<E i=\"2.5\"/>" << 0 << true;
        QTest::newRow("hex is not decimal") << "<E i=\"0x10\"/>" << 0 << true;
    }
    void readIntAttribute() {
        QFETCH(QString, xml);
        QFETCH(int, value);
        QFETCH(bool, failed);
        QXmlStreamReader reader(xml);
        reader.readNextStartElement();
        int i = 9;
        XMLHelpers::readIntAttribute(reader, QStringLiteral("i"), i);
        QCOMPARE(i, value);
        QCOMPARE(reader.hasError(), failed);
    }

    void nothingAfterAnError() {
        QXmlStreamReader reader(QStringLiteral("<E a=\"x\" b=\"2\"><C>text</C></E>"));
        reader.readNextStartElement();
        double a = 1, b = 1;
        XMLHelpers::readDoubleAttribute(reader, QStringLiteral("a"), a);
        XMLHelpers::readDoubleAttribute(reader, QStringLiteral("b"), b);
        QCOMPARE(b, 1.0);
        QCOMPARE(reader.errorString(), QStringLiteral("Invalid value for attribute 'a'."));
        reader.readNextStartElement();
        QVERIFY(XMLHelpers::readElementText(reader).isEmpty());
    }

    void readElementTextAndSkip() {
        QXmlStreamReader reader(QStringLiteral("<R><U><V><W/></V></U><T>hello</T></R>"));
        reader.readNextStartElement();
        reader.readNextStartElement();
        XMLHelpers::readUnknownElement(reader);
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.name().toString(), QStringLiteral("T"));
        QCOMPARE(XMLHelpers::readElementText(reader), QStringLiteral("hello"));
    }

    void doubleFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("every digit needed") << 3.14159265 << "3.14159265";
        QTest::newRow("1 / R_si, 16 digits") << 1 / 0.13 << "7.692307692307692";
        QTest::newRow("decimal fraction") << 0.1 << "0.1";
        QTest::newRow("large value") << 1234567.0 << "1234567";
        QTest::newRow("very large value switches to exponent") << 1.5e21 << "1.5e+21";
        QTest::newRow("ground resistance") << 1e-8 << "1e-08";
        QTest::newRow("integer value") << 20.0 << "20";
        QTest::newRow("negative") << -0.5 << "-0.5";
    }
    void doubleFormat() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(XMLHelpers::doubleToString(value), text);
    }

    void doubleFormatIgnoresLocale() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German));
        const QString text = XMLHelpers::doubleToString(0.5);
        QLocale::setDefault(previous);
        QCOMPARE(text, QStringLiteral("0.5"));
    }
};

QTEST_GUILESS_MAIN(tst_XMLHelpers)
#include "tst_XMLHelpers.moc"
