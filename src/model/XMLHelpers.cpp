#include "XMLHelpers.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

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
    if (!ok)
        reader.raiseError(tr("Invalid value for attribute '%1'.").arg(name));
}

void XMLHelpers::readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value) {
    QString text;
    if (!attributeText(reader, name, text))
        return;
    bool ok = false;
    value = text.toInt(&ok, 10);
    if (!ok)
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
    return QString::number(value, 'g', 6);
}

void XMLHelpers::writeDoubleAttribute(QXmlStreamWriter &writer, const QString &name, double value) {
    writer.writeAttribute(name, doubleToString(value));
}
