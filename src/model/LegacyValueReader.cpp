#include "LegacyValueReader.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextCodec>

#include <ZOT_Exception.h>

#include <cmath>

#include "Material.h"

namespace {

// model value = value * factor + offset, or factor / value for a reciprocal unit
struct UnitConversion {
    const char *unit;
    double factor;
    double offset;
    bool reciprocal;
};

const UnitConversion TEMPERATURE_UNITS[] = {
    {"C", 1, 0, false}, {"°C", 1, 0, false}, {"K", 1, -273.15, false}, {"F", 5.0 / 9, -160.0 / 9, false}};
const UnitConversion RELATIVE_HUMIDITY_UNITS[] = {{"%", 1, 0, false}, {"-", 100, 0, false}};
const UnitConversion LENGTH_UNITS[] = {
    {"m", 1, 0, false}, {"dm", 0.1, 0, false}, {"cm", 0.01, 0, false}, {"mm", 0.001, 0, false}};
const UnitConversion PERIOD_UNITS[] = {{"s", 1.0 / 86400, 0, false},
                                       {"min", 1.0 / 1440, 0, false},
                                       {"h", 1.0 / 24, 0, false},
                                       {"d", 1, 0, false},
                                       {"a", 365, 0, false}};
const UnitConversion SURFACE_RESISTANCE_UNITS[] = {
    {"m2K/W", 1, 0, false}, {"m2*K/W", 1, 0, false}, {"m²K/W", 1, 0, false},   {"W/m2K", 1, 0, true},
    {"W/m2*K", 1, 0, true}, {"W/(m2K)", 1, 0, true}, {"W/(m2*K)", 1, 0, true}, {"W/m²K", 1, 0, true}};
const UnitConversion DENSITY_UNITS[] = {{"kg/m3", 1, 0, false}, {"kg/m^3", 1, 0, false}, {"kg/m³", 1, 0, false}};
const UnitConversion CONDUCTIVITY_UNITS[] = {
    {"W/mK", 1, 0, false}, {"W/m*K", 1, 0, false}, {"W/(mK)", 1, 0, false}, {"W/(m*K)", 1, 0, false}};
const UnitConversion DIMENSIONLESS_UNITS[] = {{"-", 1, 0, false}, {"---", 1, 0, false}};
const UnitConversion MOISTURE_UNITS[] = {{"m3/m3", 1, 0, false},   {"m^3/m^3", 1, 0, false},
                                         {"-", 1, 0, false},       {"kg/m3", 0.001, 0, false},
                                         {"Vol%", 0.01, 0, false}, {"Vol.-%", 0.01, 0, false}};
const UnitConversion WATER_ABSORPTION_UNITS[] = {
    {"kg/m2s05", 1, 0, false},          {"kg/m2*s^0.5", 1, 0, false},         {"kg/m2s^0.5", 1, 0, false},
    {"kg/(m2*s^0.5)", 1, 0, false},     {"kg/m2h05", 1.0 / 60, 0, false},     {"kg/m2*h^0.5", 1.0 / 60, 0, false},
    {"kg/m2h^0.5", 1.0 / 60, 0, false}, {"kg/(m2*h^0.5)", 1.0 / 60, 0, false}};

template <std::size_t N> const UnitConversion *find(const UnitConversion (&units)[N], const QString &unit) {
    for (const UnitConversion &u : units) {
        if (unit == QString::fromUtf8(u.unit))
            return &u;
    }
    return nullptr;
}

const UnitConversion *findUnit(LegacyValueReader::Quantity quantity, const QString &unit) {
    switch (quantity) {
    case LegacyValueReader::Temperature: return find(TEMPERATURE_UNITS, unit);
    case LegacyValueReader::RelativeHumidity: return find(RELATIVE_HUMIDITY_UNITS, unit);
    case LegacyValueReader::Length: return find(LENGTH_UNITS, unit);
    case LegacyValueReader::Period: return find(PERIOD_UNITS, unit);
    case LegacyValueReader::SurfaceResistance: return find(SURFACE_RESISTANCE_UNITS, unit);
    case LegacyValueReader::Density: return find(DENSITY_UNITS, unit);
    case LegacyValueReader::ThermalConductivity: return find(CONDUCTIVITY_UNITS, unit);
    case LegacyValueReader::DiffusionResistanceFactor: return find(DIMENSIONLESS_UNITS, unit);
    case LegacyValueReader::MoistureContent: return find(MOISTURE_UNITS, unit);
    case LegacyValueReader::WaterAbsorption: return find(WATER_ABSORPTION_UNITS, unit);
    }
    return nullptr;
}

bool parseNumber(QString text, double &number) {
    if (!text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    number = text.toDouble(&ok);
    return ok && std::isfinite(number);
}

} // namespace

bool LegacyValueReader::readValue(const QString &text, Quantity quantity, double &value) {
    const QStringList tokens = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    double number = 0;
    if (tokens.isEmpty() || !parseNumber(tokens.first(), number))
        return false;
    const QString unit = tokens.mid(1).join(QString());
    if (unit.isEmpty())
        throw ZOT::Exception(tr("Missing unit after value '%1'.").arg(tokens.first()).toStdString(),
                             "[LegacyValueReader::readValue]");
    const UnitConversion *conversion = findUnit(quantity, unit);
    if (conversion == nullptr)
        throw ZOT::Exception(tr("Unknown or unsuitable unit '%1'.").arg(unit).toStdString(),
                             "[LegacyValueReader::readValue]");
    value = conversion->reciprocal ? conversion->factor / number : number * conversion->factor + conversion->offset;
    return true;
}

int LegacyValueReader::categoryFromLegacyName(const QString &text) {
    struct LegacyCategory {
        const char *prefix;
        int category;
    };
    static const LegacyCategory LEGACY[] = {{"Natursteine", Material::NaturalStones},
                                            {"Mauersteine", Material::BuildingBrick},
                                            {"Mauerwerk", Material::BuildingBrick},
                                            {"Putze/M", Material::PlasterAndMortar},
                                            {"Putze, M", Material::PlasterAndMortar},
                                            {"Beton/Betonbauteile", Material::ConcreteContaining},
                                            {"Zementhaltige Baustoffe", Material::ConcreteContaining},
                                            {"Wärmedämmstoffe", Material::InsulationMaterials},
                                            {"Dämmstoffe", Material::InsulationMaterials},
                                            {"Holz", Material::Timber},
                                            {"Sonstiges", Material::Miscellaneous},
                                            {"Abdichtungen/Folien", Material::FoilsAndWaterproofing},
                                            {"Folien und Abdichtungsstoffe", Material::FoilsAndWaterproofing},
                                            {"Bauplatten", Material::BuildingBoards},
                                            {"Fassadenbekleidungen, Bodenbel", Material::CladdingAndTiles},
                                            {"Erden und B", Material::Soil}};
    const QString name = text.trimmed();
    for (const LegacyCategory &legacy : LEGACY) {
        if (name.startsWith(QString::fromUtf8(legacy.prefix)))
            return legacy.category;
    }
    const int current = Material::categoryFromName(name);
    return current >= 0 ? current : int(Material::UnknownCategory);
}

QString LegacyValueReader::decodeText(const std::string &bytes) {
    QTextCodec::ConverterState state;
    const QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.data(), static_cast<int>(bytes.size()), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    return QString::fromLatin1(bytes.data(), static_cast<int>(bytes.size()));
}

QString LegacyValueReader::located(const char *where, const QString &text) {
    return QString::fromLatin1(where) + QStringLiteral("  ") + text;
}

QString LegacyValueReader::exceptionText(const ZOT::Exception &ex) {
    QStringList lines;
    for (const ZOT::Exception::MsgInfo &msg : ex.messages())
        lines << located(msg.where.c_str(), QString::fromStdString(msg.what));
    return lines.join(QLatin1Char('\n'));
}
