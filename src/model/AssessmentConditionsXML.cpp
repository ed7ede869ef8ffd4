// Project file elements of the assessment conditions: "Climate" (winter and summer climates of both sides,
// surface resistances as heat transfer coefficients) and "Options" (periods).

#include "AssessmentConditions.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

#include "XMLHelpers.h"

namespace {

bool validTemperature(double T) {
    return std::isfinite(T) && T >= -40 && T <= 80;
}

bool validHumidity(double rh) {
    return std::isfinite(rh) && rh >= 0 && rh <= 100;
}

// Reads the attributes <T>, <rh>, <alpha>, <T>_summer and <rh>_summer of the current element into the
// winter and summer records (alpha as Rs = 1 / alpha), then skips the element. False for out-of-range values.
bool readClimateSide(QXmlStreamReader &reader, const QString &suffix, ClimateRecord &winter, ClimateRecord &summer) {
    const QString alphaName = QStringLiteral("alpha") + suffix;
    double alpha = 1 / winter.Rs;
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("T") + suffix, winter.T);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("rh") + suffix, winter.rh);
    XMLHelpers::readDoubleAttribute(reader, alphaName, alpha);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("T") + suffix + QStringLiteral("_summer"), summer.T);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("rh") + suffix + QStringLiteral("_summer"), summer.rh);
    if (reader.attributes().hasAttribute(alphaName))
        winter.Rs = 1 / alpha;
    XMLHelpers::readUnknownElement(reader);
    return validTemperature(winter.T) && validHumidity(winter.rh) && alpha > 0 && validTemperature(summer.T) &&
           validHumidity(summer.rh);
}

void writeClimateSide(QXmlStreamWriter &writer, const QString &element, const QString &suffix,
                      const ClimateRecord &winter, const ClimateRecord &summer) {
    writer.writeEmptyElement(element);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("T") + suffix, winter.T);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("rh") + suffix, winter.rh);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("alpha") + suffix, 1 / winter.Rs);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("T") + suffix + QStringLiteral("_summer"), summer.T);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("rh") + suffix + QStringLiteral("_summer"), summer.rh);
}

} // namespace

bool AssessmentConditions::readClimateXML(QXmlStreamReader &reader) {
    bool valid = true;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Interior"))
            valid = readClimateSide(reader, QStringLiteral("_i"), m_interiorWinter, m_interiorSummer) && valid;
        else if (reader.name() == QLatin1String("Exterior"))
            valid = readClimateSide(reader, QStringLiteral("_e"), m_exteriorWinter, m_exteriorSummer) && valid;
        else
            XMLHelpers::readUnknownElement(reader);
    }
    // The file keeps no summer surface resistances. Taking the winter ones lets a project saved with a
    // standard conditions type reopen with that type instead of as custom conditions.
    m_interiorSummer.Rs = m_interiorWinter.Rs;
    m_exteriorSummer.Rs = m_exteriorWinter.Rs;
    updateType();
    return valid;
}

bool AssessmentConditions::readOptionsXML(QXmlStreamReader &reader) {
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("tT"), m_tT);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("tT_summer"), m_tT_summer);
    XMLHelpers::readUnknownElement(reader);
    updateType();
    return std::isfinite(m_tT) && m_tT > 0 && std::isfinite(m_tT_summer) && m_tT_summer > 0;
}

void AssessmentConditions::writeXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("Climate"));
    writeClimateSide(writer, QStringLiteral("Interior"), QStringLiteral("_i"), m_interiorWinter, m_interiorSummer);
    writeClimateSide(writer, QStringLiteral("Exterior"), QStringLiteral("_e"), m_exteriorWinter, m_exteriorSummer);
    writer.writeEndElement();
    writer.writeEmptyElement(QStringLiteral("Options"));
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("tT"), m_tT);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("tT_summer"), m_tT_summer);
}
