// Material::readOld: one "MATERIAL_DEFINITION" block of a legacy project file.

#include "Material.h"

#include <ZOT_Exception.h>

#include "LegacyLine.h"
#include "LegacyValueReader.h"

namespace {

const char *const WHERE = "[Material::readOld]";

bool parseFlag(const QString &token, bool &flag) {
    const QString t = token.toLower();
    flag = t == QLatin1String("1") || t == QLatin1String("true");
    return flag || t == QLatin1String("0") || t == QLatin1String("false");
}

// Keywords of numeric parameters, their quantity and the name used in the error text.
struct NumericParameter {
    const char *keyword;
    LegacyValueReader::Quantity quantity;
    const char *errorText;
};

const NumericParameter NUMERIC_PARAMETERS[] = {
    {"Rho", LegacyValueReader::Density, QT_TRANSLATE_NOOP("Material", "Error reading parameter 'rho'!")},
    {"Lambda", LegacyValueReader::ThermalConductivity,
     QT_TRANSLATE_NOOP("Material", "Error reading parameter 'Lambda'!")},
    {"Mew", LegacyValueReader::DiffusionResistanceFactor,
     QT_TRANSLATE_NOOP("Material", "Error reading parameter 'Mew'!")},
    {"W_hyg", LegacyValueReader::MoistureContent, QT_TRANSLATE_NOOP("Material", "Error reading parameter 'W_hyg'!")},
    {"W_h80", LegacyValueReader::MoistureContent, QT_TRANSLATE_NOOP("Material", "Error reading parameter 'W_h80'!")},
    {"W_sat", LegacyValueReader::MoistureContent, QT_TRANSLATE_NOOP("Material", "Error reading parameter 'W_sat'!")},
    {"A_w", LegacyValueReader::WaterAbsorption, QT_TRANSLATE_NOOP("Material", "Error reading parameter 'A_w'!")}};

const NumericParameter *numericParameter(const QString &keyword) {
    for (const NumericParameter &p : NUMERIC_PARAMETERS) {
        if (keyword == QLatin1String(p.keyword))
            return &p;
    }
    return nullptr;
}

void setNumericParameter(Material &m, const QString &keyword, double value, const QString &version) {
    if (keyword == QLatin1String("Rho"))
        m.setRho(value);
    else if (keyword == QLatin1String("Lambda"))
        m.setLambda(value);
    else if (keyword == QLatin1String("Mew")) {
        m.setMu(value);
        m.setMu_min(value);
        m.setMu_max(value);
    }
    else if (keyword == QLatin1String("W_hyg"))
        // Files of version 1.3 give the hygroscopic moisture content at 95 % relative humidity.
        m.setW_80(version.contains(QLatin1String("1.3")) ? value * 0.8 / 0.95 : value);
    else if (keyword == QLatin1String("W_h80"))
        m.setW_80(value);
    else if (keyword == QLatin1String("W_sat"))
        m.setW_sat(value);
    else
        m.setAw(value, true);
}

bool readFlags(Material &m, const LegacyLine &line, QString &errorText) {
    const QStringList tokens = line.restTokens();
    bool air = false, wood = false, woodbased = false;
    if (tokens.size() != 3 || !parseFlag(tokens[0], air) || !parseFlag(tokens[1], wood) ||
        !parseFlag(tokens[2], woodbased)) {
        errorText = LegacyValueReader::located(WHERE, Material::tr("Error reading parameter 'Flags'!"));
        return false;
    }
    m.setFlags(air, wood, woodbased, false);
    return true;
}

bool readTextParameter(Material &m, const QString &keyword, const LegacyLine &line, QString &productId,
                       QString &errorText) {
    if (keyword == QLatin1String("Name")) {
        m.setName(line.rest());
        if (m.name().isEmpty()) {
            errorText = LegacyValueReader::located(WHERE, Material::tr("Error reading material name!"));
            return false;
        }
    }
    else if (keyword == QLatin1String("Kategorie"))
        m.setCategory(LegacyValueReader::categoryFromLegacyName(line.rest()));
    else if (keyword == QLatin1String("ProduktID"))
        productId = line.rest();
    else if (keyword == QLatin1String("Produktname"))
        m.setProductName(line.rest());
    else if (keyword == QLatin1String("Hersteller"))
        m.setProducer(line.rest());
    else if (keyword == QLatin1String("Anmerkungen"))
        m.setNotes(line.rest());
    else if (keyword == QLatin1String("Datenquelle") || keyword == QLatin1String("Quelle"))
        m.setDataSource(line.rest());
    else if (keyword == QLatin1String("Flags"))
        return readFlags(m, line, errorText);
    else {
        errorText = LegacyValueReader::located(WHERE, Material::tr("Invalid keyword '%1'").arg(keyword));
        return false;
    }
    return true;
}

} // namespace

bool Material::readOld(std::istream &in, const QString &version, QString &errorText) {
    // A fresh record with a colour of its own; the id is not part of the block.
    *this = Material(QString(), UnknownCategory, QString(), QString(), QString(), QString(), 0, 0, 0, 0, 0, 0,
                     m_materialId);
    try {
        QString productId;
        LegacyLine line;
        for (;;) {
            if (!line.read(in))
                throw ZOT::Exception(tr("Unexpected end of file!").toStdString(), WHERE);
            if (line.isBlockEnd())
                break;
            const QString &keyword = line.keyword();
            if (const NumericParameter *parameter = numericParameter(keyword)) {
                double value = 0;
                if (!LegacyValueReader::readValue(line.rest(), parameter->quantity, value)) {
                    errorText = LegacyValueReader::located(WHERE, tr(parameter->errorText));
                    return false;
                }
                setNumericParameter(*this, keyword, value, version);
            }
            else if (!readTextParameter(*this, keyword, line, productId, errorText))
                return false;
        }
        if (m_name.isEmpty()) {
            errorText = LegacyValueReader::located(WHERE, tr("Error reading material name!"));
            return false;
        }
        if (m_productName.isEmpty())
            m_productName = productId;
        cleanTexts();
    }
    catch (const ZOT::Exception &ex) {
        errorText = LegacyValueReader::located(WHERE, tr("Error reading material data!\n")) +
                    LegacyValueReader::exceptionText(ex);
        return false;
    }
    return true;
}
