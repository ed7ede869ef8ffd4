#include <QtTest>

#include <QRegularExpression>

#include "CatalogueReader.h"

// A finished German translation must show the same values and markup as its source: the same "%1" placeholders,
// HTML tags and entities, and an accelerator where the source has one (the letter may differ). It is set in German
// typography: an ellipsis "…" instead of three dots, and „…“ around a quoted placeholder.
class tst_GermanCatalogue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void markupKept_data();
    void markupKept();
    void germanTypography();

private:
    QVector<Message> m_messages;
};

namespace {

// The tokens a translation must keep, sorted: placeholders, tags, entities and "&" for an accelerator.
QStringList markup(QString text) {
    static const QRegularExpression token(
        R"(%L?[1-9][0-9]?|</?[A-Za-z][A-Za-z0-9]*(?:\s[^<>]*)?/?>|&(?:[A-Za-z]+|#[0-9]+);|&(?=[^&\s]))");
    text.replace("&&", QString()); // a literal ampersand in a menu text
    QStringList tokens;
    auto it = token.globalMatch(text);
    while (it.hasNext())
        tokens << it.next().captured();
    tokens.sort();
    return tokens;
}

} // namespace

void tst_GermanCatalogue::initTestCase() {
    m_messages = readCatalogue(HYGROLUX_GERMAN_CATALOGUE);
    QVERIFY(!m_messages.isEmpty());
}

void tst_GermanCatalogue::markupKept_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    for (const Message &message : qAsConst(m_messages))
        if (message.finished)
            QTest::newRow(qPrintable(message.context + ": " + message.source.left(60)))
                << message.source << message.translation;
}

void tst_GermanCatalogue::markupKept() {
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QCOMPARE(markup(translation), markup(source));
}

void tst_GermanCatalogue::germanTypography() {
    static const QRegularExpression straightQuotes(QStringLiteral("\"%L?[1-9][0-9]?\""));
    QStringList offenders;
    for (const Message &message : qAsConst(m_messages))
        if (message.finished &&
            (message.translation.contains(QLatin1String("...")) || message.translation.contains(straightQuotes)))
            offenders << message.context + ": " + message.translation;
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join('\n')));
}

QTEST_GUILESS_MAIN(tst_GermanCatalogue)
#include "tst_GermanCatalogue.moc"
