#include "XMLHelpers.h"

#include <QLocale>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

#include <ZOT_MessageHandler.h>

namespace {

// False when the reader has failed or the attribute is missing; otherwise text holds the attribute.
bool attributeText(QXmlStreamReader &reader, const QString &name, QString &text) {
    if (reader.hasError())
        return false;
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!attributes.hasAttribute(name))
        return false;
    text = attributes.value(name).toString();
    return true;
}

} // namespace

void XMLHelpers::readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value) {
    QString text;
    if (!attributeText(reader, name, text))
        return;
    bool ok = false;
    value = text.toDouble(&ok);
    // "inf" and "nan" convert, but no quantity of a project is infinite or undefined.
    if (!ok || !std::isfinite(value))
        raiseInvalidValue(reader, name);
}

void XMLHelpers::readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value) {
    QString text;
    if (!attributeText(reader, name, text))
        return;
    bool ok = false;
    value = text.toInt(&ok, 10);
    if (!ok)
        raiseInvalidValue(reader, name);
}

void XMLHelpers::raiseInvalidValue(QXmlStreamReader &reader, const QString &name) {
    reader.raiseError(tr("Invalid value for attribute '%1'.").arg(name));
}

QString XMLHelpers::readElementText(QXmlStreamReader &reader) {
    if (reader.hasError())
        return QString();
    return reader.readElementText();
}

void XMLHelpers::readUnknownElement(QXmlStreamReader &reader) {
    if (reader.hasError())
        return;
    reader.skipCurrentElement();
}

QString XMLHelpers::doubleToString(double value) {
    // The shortest text that reads back to the same double: reopening a project gives the same results.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void XMLHelpers::writeDoubleAttribute(QXmlStreamWriter &writer, const QString &name, double value) {
    writer.writeAttribute(name, doubleToString(value));
}

QString XMLHelpers::xmlSafeText(const QString &text) {
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const ushort u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result += c;
            result += text[++i];
        }
        else if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            result += QChar(QChar::ReplacementCharacter);
        else
            result += c;
    }
    return result;
}

bool XMLHelpers::cleanIncomingText(QString &text, const QString &field) {
    const QString clean = xmlSafeText(text);
    if (clean == text)
        return false;
    text = clean;
    ZOT::message(
        tr("Characters that a project file cannot hold were removed or replaced in %1.").arg(field).toStdString(),
        ZOT::MSG_WARNING, "XMLHelpers::cleanIncomingText", -1);
    return true;
}

void XMLHelpers::writeTextElement(QXmlStreamWriter &writer, const QString &name, const QString &text) {
    writer.writeStartElement(name);
    const QStringList parts = xmlSafeText(text).split(QLatin1Char('\r'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            writer.writeEntityReference(QStringLiteral("#13"));
        writer.writeCharacters(parts[i]);
    }
    writer.writeEndElement();
}

void XMLHelpers::writeTextAttribute(QXmlStreamWriter &writer, const QString &name, const QString &text) {
    writer.writeAttribute(name, xmlSafeText(text));
}
