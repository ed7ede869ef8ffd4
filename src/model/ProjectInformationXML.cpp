// Project file element "ProjectInformation": descriptive texts and the heat flow direction.

#include "ProjectInformation.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "XMLHelpers.h"

void ProjectInformation::readXML(QXmlStreamReader &reader) {
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("ProjectName"))
            m_projectName = XMLHelpers::readElementText(reader);
        else if (name == QLatin1String("ConstructionID"))
            m_constructionID = XMLHelpers::readElementText(reader);
        else if (name == QLatin1String("UserName"))
            m_userName = XMLHelpers::readElementText(reader);
        else if (name == QLatin1String("Company"))
            m_company = XMLHelpers::readElementText(reader);
        else if (name == QLatin1String("Description"))
            m_description = XMLHelpers::readElementText(reader);
        else if (name == QLatin1String("DisclaimerText"))
            m_disclaimerText = XMLHelpers::readElementText(reader);
        else if (name == QLatin1String("HeatFlowDirection")) {
            m_heatFlowDirection = heatFlowDirection(XMLHelpers::readElementText(reader).toInt());
        }
        else
            XMLHelpers::readUnknownElement(reader);
    }
}

void ProjectInformation::writeXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("ProjectInformation"));
    XMLHelpers::writeTextElement(writer, QStringLiteral("ProjectName"), m_projectName);
    XMLHelpers::writeTextElement(writer, QStringLiteral("ConstructionID"), m_constructionID);
    XMLHelpers::writeTextElement(writer, QStringLiteral("UserName"), m_userName);
    XMLHelpers::writeTextElement(writer, QStringLiteral("Company"), m_company);
    XMLHelpers::writeTextElement(writer, QStringLiteral("Description"), m_description);
    XMLHelpers::writeTextElement(writer, QStringLiteral("DisclaimerText"), m_disclaimerText);
    writer.writeTextElement(QStringLiteral("HeatFlowDirection"), QString::number(int(m_heatFlowDirection)));
    writer.writeEndElement();
}
