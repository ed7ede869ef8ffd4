#include "PlainText.h"

#include <QRegularExpression>

namespace {

QString superscript(const QString &text) {
    if (text == QLatin1String("2"))
        return QString(QChar(0x00B2));
    if (text == QLatin1String("3"))
        return QString(QChar(0x00B3));
    return QLatin1Char('^') + text;
}

QString decodeEntities(QString text) {
    static const struct {
        const char *entity;
        ushort character;
    } entities[] = {{"&lt;", '<'},      {"&gt;", '>'},   {"&le;", 0x2264},  {"&ge;", 0x2265},
                    {"&nbsp;", 0x00A0}, {"&quot;", '"'}, {"&deg;", 0x00B0}, {"&amp;", '&'}};
    // "&amp;" last, so that an escaped entity ("&amp;lt;") is not decoded twice.
    for (const auto &e : entities)
        text.replace(QLatin1String(e.entity), QString(QChar(e.character)));
    return text;
}

} // namespace

namespace PlainText {

QString fromHtml(const QString &html) {
    static const QRegularExpression sub(QStringLiteral("<sub>(.*?)</sub>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression sup(QStringLiteral("<sup>(.*?)</sup>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = html;
    text.replace(sub, QStringLiteral("_\\1"));
    QString withSuperscripts;
    int last = 0;
    auto matches = sup.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        withSuperscripts += text.midRef(last, match.capturedStart() - last) + superscript(match.captured(1));
        last = match.capturedEnd();
    }
    text = withSuperscripts + text.midRef(last);
    text.replace(lineBreak, QStringLiteral("\n"));
    text.remove(tag);
    return decodeEntities(text);
}

QString withoutLocations(const QString &message) {
    static const QRegularExpression location(QStringLiteral("^(\\[[A-Za-z_][\\w:<> ]*\\][ \\t]+)+"),
                                             QRegularExpression::MultilineOption);
    return QString(message).remove(location);
}

} // namespace PlainText
