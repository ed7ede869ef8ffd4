// The project file: one XML document with the input data and the project information.

#include "Document.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "XMLHelpers.h"

namespace {

bool isProjectRoot(const QXmlStreamReader &reader) {
    const QStringRef version = reader.attributes().value(QStringLiteral("version"));
    return (reader.name() == QLatin1String("VaproProject") && version == QLatin1String("2.0")) ||
           (reader.name() == QLatin1String("SkevoProject") && version == QLatin1String("1.0"));
}

} // namespace

bool Document::readXML(QXmlStreamReader &reader) {
    m_inputData = InputData();
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (!isProjectRoot(reader)) {
            reader.raiseError(tr("File is not a Vapro 2.0 project file."));
            break;
        }
        readRootXML(reader);
    }
    return !reader.hasError();
}

void Document::readRootXML(QXmlStreamReader &reader) {
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("InputData")) {
            m_inputData.readXML(reader);
            // A fresh calculation reports invalid input until the project is recalculated.
            if (m_inputData.inputStatus() != InputStatus::Valid)
                m_calculation = Calculation();
        }
        else if (reader.name() == QLatin1String("ProjectInformation"))
            m_projectInformation.readXML(reader);
        else
            XMLHelpers::readUnknownElement(reader);
    }
}

void Document::writeXML(QXmlStreamWriter &writer) const {
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE VaproProject>"));
    writer.writeStartElement(QStringLiteral("VaproProject"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    m_inputData.writeXML(writer);
    m_projectInformation.writeXML(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
}
