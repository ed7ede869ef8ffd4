// Blocks of the legacy project file read by the input data: the climate list and the layer list.

#include "InputData.h"

#include <ZOT_Exception.h>

#include "LegacyLine.h"
#include "LegacyValueReader.h"

namespace {

const char *const WHERE_CLIMATE = "[InputData::readClimateOld]";
const char *const WHERE_CONSTRUCTION = "[InputData::readConstructionOld]";

// Temperature and humidity of one climate block; false with the error text.
bool readClimateBlock(std::istream &in, ClimateRecord &climate, QString &errorText) {
    LegacyLine line;
    for (;;) {
        if (!line.read(in))
            throw ZOT::Exception(InputData::tr("Unexpected end of file!").toStdString(), WHERE_CLIMATE);
        if (line.isBlockEnd())
            return true;
        const QString &keyword = line.keyword();
        if (keyword == QLatin1String("Name"))
            continue;
        if (keyword == QLatin1String("Temperatur")) {
            if (!LegacyValueReader::readValue(line.rest(), LegacyValueReader::Temperature, climate.T)) {
                errorText =
                    LegacyValueReader::located(WHERE_CLIMATE, InputData::tr("Error reading parameter 'Temperatur'!"));
                return false;
            }
        }
        else if (keyword == QLatin1String("RelHum")) {
            if (!LegacyValueReader::readValue(line.rest(), LegacyValueReader::RelativeHumidity, climate.rh)) {
                errorText =
                    LegacyValueReader::located(WHERE_CLIMATE, InputData::tr("Error reading parameter 'RelHum'!"));
                return false;
            }
        }
        else {
            errorText = LegacyValueReader::located(WHERE_CLIMATE, InputData::tr("Illegal keyword '%1'").arg(keyword));
            return false;
        }
    }
}

} // namespace

bool InputData::readClimateOld(std::istream &in, QString &errorText) {
    // Interior winter, interior summer, exterior winter, exterior summer; surface resistances stay.
    ClimateRecord climates[4] = {m_conditions.interiorWinter(), m_conditions.interiorSummer(),
                                 m_conditions.exteriorWinter(), m_conditions.exteriorSummer()};
    int count = 0;
    try {
        LegacyLine line;
        while (line.read(in) && !line.isBlockEnd()) {
            if (line.keyword() != QLatin1String("CLIMATE_DEFINITION")) {
                errorText = LegacyValueReader::located(WHERE_CLIMATE, tr("Invalid keyword '%1'").arg(line.keyword()));
                return false;
            }
            if (!line.opensBlock(in)) {
                errorText = LegacyValueReader::located(WHERE_CLIMATE, tr("Block start '{' missing!"));
                return false;
            }
            if (count == 4) {
                m_inputStatus = InputStatus::InvalidClimate;
                errorText = LegacyValueReader::located(WHERE_CLIMATE, tr("Error reading parameter 'Temperatur'!"));
                return false;
            }
            if (!readClimateBlock(in, climates[count], errorText))
                return false;
            ++count;
        }
    }
    catch (const ZOT::Exception &ex) {
        errorText = LegacyValueReader::located(WHERE_CLIMATE, tr("Error reading climate condition!\n")) +
                    LegacyValueReader::exceptionText(ex);
        return false;
    }
    if (count < 4) {
        m_inputStatus = InputStatus::InvalidClimate;
        errorText = LegacyValueReader::located(WHERE_CLIMATE, tr("Four climate conditions are required!"));
        return false;
    }
    m_conditions.setInteriorWinter(climates[0]);
    m_conditions.setInteriorSummer(climates[1]);
    m_conditions.setExteriorWinter(climates[2]);
    m_conditions.setExteriorSummer(climates[3]);
    return true;
}

bool InputData::readConstructionOld(std::istream &in, const QString &version, QString &errorText) {
    try {
        LegacyLine line;
        for (;;) {
            if (!line.read(in)) {
                errorText = LegacyValueReader::located(WHERE_CONSTRUCTION, tr("Unexpected end of file!"));
                return false;
            }
            if (line.isBlockEnd())
                return true;
            if (line.keyword() != QLatin1String("LAYER_DEFINITION")) {
                errorText =
                    LegacyValueReader::located(WHERE_CONSTRUCTION, tr("Invalid keyword '%1'").arg(line.keyword()));
                return false;
            }
            if (!line.opensBlock(in)) {
                errorText = LegacyValueReader::located(WHERE_CONSTRUCTION, tr("Block start '{' missing!"));
                return false;
            }
            MaterialLayer layer;
            if (!layer.readOld(in, version, errorText))
                return false;
            m_layers.append(layer);
        }
    }
    catch (const ZOT::Exception &ex) {
        errorText = LegacyValueReader::exceptionText(ex);
        return false;
    }
}
