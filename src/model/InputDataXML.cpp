// Project file element "InputData": the layers ("Construction"), climates, periods and assessment choices.

#include "InputData.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <map>
#include <utility>

#include "XMLHelpers.h"

namespace {

// Layers are ordered by their "index" attribute, not by file order; a second layer with the same index and
// the same material name is a duplicate and dropped.
void readLayers(QXmlStreamReader &reader, InputData &data) {
    std::map<std::pair<int, QString>, MaterialLayer> ordered;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("Layer")) {
            XMLHelpers::readUnknownElement(reader);
            continue;
        }
        MaterialLayer layer;
        int index = 0;
        const InputStatus status = layer.readLayerXML(reader, index);
        if (status != InputStatus::Valid)
            data.setInputStatus(status);
        ordered.emplace(std::make_pair(index, layer.name()), layer);
    }
    data.layers().clear();
    for (const auto &entry : ordered)
        data.layers().append(entry.second);
}

} // namespace

bool InputData::readXML(QXmlStreamReader &reader) {
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Construction"))
            readLayers(reader, *this);
        else if (reader.name() == QLatin1String("Climate")) {
            if (!m_conditions.readClimateXML(reader))
                m_inputStatus = InputStatus::InvalidClimate;
        }
        else if (reader.name() == QLatin1String("Options")) {
            if (!m_conditions.readOptionsXML(reader))
                m_inputStatus = InputStatus::InvalidClimate;
        }
        else if (reader.name() == QLatin1String("Assessment")) {
            AssessmentChoices choices;
            choices.readXML(reader);
            m_assessment = choices;
        }
        else
            XMLHelpers::readUnknownElement(reader);
    }
    return !reader.hasError();
}

void InputData::writeXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("InputData"));
    writer.writeStartElement(QStringLiteral("Construction"));
    for (int i = 0; i < m_layers.size(); ++i)
        m_layers[i].writeLayerXML(writer, i);
    writer.writeEndElement();
    m_conditions.writeXML(writer);
    // Files without choices of their own stay as they were: they are judged by the defaults.
    if (m_assessment)
        m_assessment->writeXML(writer);
    writer.writeEndElement();
}
