// The JSON writer of the command-line tool: numbers read back bit for bit, non-finite values become null,
// strings survive any character, and the layout parses as JSON with members in the order written.

#include <cli/JsonWriter.h>
#include <cli/PlainText.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

class tst_JsonWriter : public QObject {
    Q_OBJECT
private slots:
    void numbersRoundTrip_data();
    void numbersRoundTrip();
    void nonFiniteIsNull_data();
    void nonFiniteIsNull();
    void stringsSurvive_data();
    void stringsSurvive();
    void nestedLayoutParses();
    void plainText_data();
    void plainText();
};

void tst_JsonWriter::numbersRoundTrip_data() {
    QTest::addColumn<double>("number");
    QTest::newRow("one tenth") << 0.1;
    QTest::newRow("one third") << 1.0 / 3;
    QTest::newRow("integer valued") << 1200.0;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
    QTest::newRow("vapour resistance") << 15000000000.0 / 7;
    QTest::newRow("next double above 1") << std::nextafter(1.0, 2.0);
}

void tst_JsonWriter::numbersRoundTrip() {
    QFETCH(double, number);
    const QByteArray text = JsonWriter::number(number);
    bool ok = false;
    const double back = text.toDouble(&ok);
    QVERIFY2(ok, text.constData());
    QVERIFY2(std::memcmp(&back, &number, sizeof(double)) == 0, text.constData());
    const QJsonDocument document = QJsonDocument::fromJson("[" + text + "]");
    QCOMPARE(document.array().at(0).toDouble(), number);
}

void tst_JsonWriter::nonFiniteIsNull_data() {
    QTest::addColumn<double>("number");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("+infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity();
}

void tst_JsonWriter::nonFiniteIsNull() {
    QFETCH(double, number);
    JsonWriter json;
    json.beginArray();
    json.value(number);
    json.value(QJsonValue(number));
    json.endArray();
    const QJsonArray array = QJsonDocument::fromJson(json.text()).array();
    QCOMPARE(array.size(), 2);
    QVERIFY(array[0].isNull());
    QVERIFY(array[1].isNull());
}

void tst_JsonWriter::stringsSurvive_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes and backslash") << QString("a \"quoted\" C:\\path");
    QTest::newRow("line breaks and tab") << QString("line 1\nline 2\r\n\tend");
    QTest::newRow("control characters") << QString::fromUtf8("bell \x07 escape \x1b nul-free");
    QTest::newRow("html message") << QString("Invalid width 0 of <a href=\"layer-2\">layer #2</a>.");
    QTest::newRow("umlauts and superscript") << QString::fromUtf8("Außenputz m² λ");
    QTest::newRow("character outside the BMP") << QString::fromUtf8("\xF0\x9F\x8F\xA0 house");
}

void tst_JsonWriter::stringsSurvive() {
    QFETCH(QString, text);
    JsonWriter json;
    json.beginObject();
    json.key(text);
    json.value(text);
    json.endObject();
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json.text(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(object.value(text).toString(), text);
}

void tst_JsonWriter::nestedLayoutParses() {
    JsonWriter json;
    json.beginArray(JsonWriter::Block);
    json.beginObject();
    json.key("zeta");
    json.value(1);
    json.key("alpha");
    json.beginArray();
    json.beginArray();
    json.value(0);
    json.value(2);
    json.endArray();
    json.endArray();
    json.key("empty");
    json.beginArray(JsonWriter::Block);
    json.endArray();
    json.key("flag");
    json.value(false);
    json.key("nothing");
    json.null();
    json.endObject();
    json.beginObject();
    json.endObject();
    json.endArray();

    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(json.text(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(array.size(), 2);
    const QJsonObject first = array[0].toObject();
    QCOMPARE(first["alpha"].toArray()[0].toArray()[1].toInt(), 2);
    QCOMPARE(first["empty"].toArray().size(), 0);
    QVERIFY(first["nothing"].isNull());
    QVERIFY(array[1].toObject().isEmpty());
    // Members stay in the order written, not sorted.
    QVERIFY(json.text().indexOf("\"zeta\"") < json.text().indexOf("\"alpha\""));
}

void tst_JsonWriter::plainText_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("plain");
    QTest::newRow("subscript") << "M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>" << QString::fromUtf8("M_c <= 0.5kg/m²");
    QTest::newRow("other superscript") << "h<sup>0.5</sup>"
                                       << "h^0.5";
    QTest::newRow("coloured value") << "<i>f</i><sub>Rsi</sub> = <font color=\"#FF0000\"><b>0.65</b></font>"
                                    << "f_Rsi = 0.65";
    QTest::newRow("layer link and line break") << "Invalid width 0 of <a href=\"layer-2\">layer #2</a>.<br/>next"
                                               << "Invalid width 0 of layer #2.\nnext";
    QTest::newRow("escaped entity decoded once") << "a &amp;lt; b"
                                                 << "a &lt; b";
}

void tst_JsonWriter::plainText() {
    QFETCH(QString, html);
    QFETCH(QString, plain);
    QCOMPARE(PlainText::fromHtml(html), plain);
}

QTEST_GUILESS_MAIN(tst_JsonWriter)
#include "tst_JsonWriter.moc"
