#include "LegacyValueReader.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextCodec>

#include <ZOT_Exception.h>

#include <cmath>

#include "Material.h"
#include "PhysicalProperties.h"

namespace {

const int BothFormats = LegacyValueReader::ProjectFile | LegacyValueReader::MaterialList;
const int ListOnly = LegacyValueReader::MaterialList;
const int ProjectOnly = LegacyValueReader::ProjectFile;

// model value = value * factor + offset, or factor / value for a reciprocal unit; formats: where the unit is known
struct UnitConversion {
    const char *unit;
    double factor;
    double offset;
    bool reciprocal;
    int formats;
};

const UnitConversion TEMPERATURE_UNITS[] = {{"C", 1, 0, false, BothFormats},
                                            {"°C", 1, 0, false, BothFormats},
                                            {"K", 1, -273.15, false, BothFormats},
                                            {"F", 5.0 / 9, -160.0 / 9, false, BothFormats}};
const UnitConversion RELATIVE_HUMIDITY_UNITS[] = {{"%", 1, 0, false, BothFormats}, {"-", 100, 0, false, BothFormats}};
const UnitConversion LENGTH_UNITS[] = {{"m", 1, 0, false, BothFormats},
                                       {"dm", 0.1, 0, false, BothFormats},
                                       {"cm", 0.01, 0, false, BothFormats},
                                       {"mm", 0.001, 0, false, BothFormats}};
const UnitConversion PERIOD_UNITS[] = {{"s", 1.0 / SECONDS_PER_DAY, 0, false, BothFormats},
                                       {"min", 1.0 / 1440, 0, false, BothFormats},
                                       {"h", 1.0 / 24, 0, false, BothFormats},
                                       {"d", 1, 0, false, BothFormats},
                                       {"a", 365, 0, false, BothFormats}};
const UnitConversion SURFACE_RESISTANCE_UNITS[] = {
    {"m2K/W", 1, 0, false, BothFormats},   {"m2*K/W", 1, 0, false, BothFormats}, {"m²K/W", 1, 0, false, BothFormats},
    {"W/m2K", 1, 0, true, BothFormats},    {"W/m2*K", 1, 0, true, BothFormats},  {"W/(m2K)", 1, 0, true, BothFormats},
    {"W/(m2*K)", 1, 0, true, BothFormats}, {"W/m²K", 1, 0, true, BothFormats}};
const UnitConversion DENSITY_UNITS[] = {{"kg/m3", 1, 0, false, BothFormats},
                                        {"kg/m^3", 1, 0, false, BothFormats},
                                        {"kg/m³", 1, 0, false, BothFormats},
                                        {"", 1, 0, false, ListOnly}};
const UnitConversion CONDUCTIVITY_UNITS[] = {{"W/mK", 1, 0, false, BothFormats},
                                             {"W/m*K", 1, 0, false, BothFormats},
                                             {"W/(mK)", 1, 0, false, BothFormats},
                                             {"W/(m*K)", 1, 0, false, BothFormats},
                                             {"", 1, 0, false, ListOnly}};
const UnitConversion DIMENSIONLESS_UNITS[] = {
    {"-", 1, 0, false, BothFormats}, {"---", 1, 0, false, ProjectOnly}, {"", 1, 0, false, ListOnly}};
const UnitConversion MOISTURE_UNITS[] = {{"m3/m3", 1, 0, false, BothFormats},   {"m^3/m^3", 1, 0, false, BothFormats},
                                         {"-", 1, 0, false, BothFormats},       {"kg/m3", 0.001, 0, false, BothFormats},
                                         {"Vol%", 0.01, 0, false, BothFormats}, {"Vol.-%", 0.01, 0, false, BothFormats},
                                         {"", 1, 0, false, ListOnly},           {"kg/m^3", 0.001, 0, false, ListOnly},
                                         {"%", 0.01, 0, false, ListOnly},       {"Vol.%", 0.01, 0, false, ListOnly}};
const UnitConversion WATER_ABSORPTION_UNITS[] = {
    {"kg/m2s05", 1, 0, false, BothFormats},
    {"kg/m2*s^0.5", 1, 0, false, BothFormats},
    {"kg/m2s^0.5", 1, 0, false, BothFormats},
    {"kg/(m2*s^0.5)", 1, 0, false, BothFormats},
    {"kg/m^2s^0.5", 1, 0, false, ListOnly},
    {"kg/m2h05", 1.0 / AW_ROOT_SECONDS_PER_ROOT_HOUR, 0, false, BothFormats},
    {"kg/m2*h^0.5", 1.0 / AW_ROOT_SECONDS_PER_ROOT_HOUR, 0, false, BothFormats},
    {"kg/m2h^0.5", 1.0 / AW_ROOT_SECONDS_PER_ROOT_HOUR, 0, false, BothFormats},
    {"kg/(m2*h^0.5)", 1.0 / AW_ROOT_SECONDS_PER_ROOT_HOUR, 0, false, BothFormats},
    {"kg/m^2h^0.5", 1.0 / AW_ROOT_SECONDS_PER_ROOT_HOUR, 0, false, ListOnly}};

bool sameUnit(const QString &unit, const char *name, LegacyValueReader::Format format) {
    const QString known = QString::fromUtf8(name);
    return format == LegacyValueReader::MaterialList ? unit.toLower() == known.toLower() : unit == known;
}

template <std::size_t N>
const UnitConversion *find(const UnitConversion (&units)[N], const QString &unit, LegacyValueReader::Format format) {
    for (const UnitConversion &u : units) {
        if ((u.formats & format) != 0 && sameUnit(unit, u.unit, format))
            return &u;
    }
    return nullptr;
}

const UnitConversion *findUnit(LegacyValueReader::Quantity quantity, const QString &unit,
                               LegacyValueReader::Format format) {
    switch (quantity) {
    case LegacyValueReader::Temperature: return find(TEMPERATURE_UNITS, unit, format);
    case LegacyValueReader::RelativeHumidity: return find(RELATIVE_HUMIDITY_UNITS, unit, format);
    case LegacyValueReader::Length: return find(LENGTH_UNITS, unit, format);
    case LegacyValueReader::Period: return find(PERIOD_UNITS, unit, format);
    case LegacyValueReader::SurfaceResistance: return find(SURFACE_RESISTANCE_UNITS, unit, format);
    case LegacyValueReader::Density: return find(DENSITY_UNITS, unit, format);
    case LegacyValueReader::ThermalConductivity: return find(CONDUCTIVITY_UNITS, unit, format);
    case LegacyValueReader::DiffusionResistanceFactor: return find(DIMENSIONLESS_UNITS, unit, format);
    case LegacyValueReader::MoistureContent: return find(MOISTURE_UNITS, unit, format);
    case LegacyValueReader::WaterAbsorption: return find(WATER_ABSORPTION_UNITS, unit, format);
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

bool LegacyValueReader::readValue(const QString &text, Quantity quantity, double &value, Format format) {
    const QStringList tokens = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    double number = 0;
    if (tokens.isEmpty() || !parseNumber(tokens.first(), number))
        return false;
    const QString unit = tokens.mid(1).join(QString());
    if (unit.isEmpty() && format == ProjectFile)
        throw ZOT::Exception(tr("Missing unit after value '%1'.").arg(tokens.first()).toStdString(),
                             "[LegacyValueReader::readValue]");
    const UnitConversion *conversion = findUnit(quantity, unit, format);
    if (conversion == nullptr)
        throw ZOT::Exception(tr("Unknown or unsuitable unit '%1'.").arg(unit).toStdString(),
                             "[LegacyValueReader::readValue]");
    value = conversion->reciprocal ? conversion->factor / number : number * conversion->factor + conversion->offset;
    return true;
}

int LegacyValueReader::categoryFromLegacyName(const QString &text, Format format) {
    struct LegacyCategory {
        const char *prefix;
        int category;
        int formats;
    };
    static const LegacyCategory LEGACY[] = {
        {"Natursteine", Material::NaturalStones, BothFormats},
        {"Mauersteine", Material::BuildingBrick, BothFormats},
        {"Mauerwerk", Material::BuildingBrick, BothFormats},
        {"Putze/M", Material::PlasterAndMortar, BothFormats},
        {"Putze, M", Material::PlasterAndMortar, BothFormats},
        {"Beton/Betonbauteile", Material::ConcreteContaining, BothFormats},
        {"Zementhaltige Baustoffe", Material::ConcreteContaining, BothFormats},
        {"Wärmedämmstoffe", Material::InsulationMaterials, BothFormats},
        {"Dämmstoffe", Material::InsulationMaterials, BothFormats},
        {"Waermedaemmstoffe", Material::InsulationMaterials, ListOnly},
        {"Daemmstoffe", Material::InsulationMaterials, ListOnly},
        {"Holz", Material::Timber, BothFormats},
        {"Sonstiges", Material::Miscellaneous, BothFormats},
        {"Abdichtungen/Folien", Material::FoilsAndWaterproofing, BothFormats},
        {"Folien und Abdichtungsstoffe", Material::FoilsAndWaterproofing, BothFormats},
        {"Bauplatten", Material::BuildingBoards, BothFormats},
        {"Fassadenbekleidungen, Bodenbel", Material::CladdingAndTiles, BothFormats},
        {"Erden und B", Material::Soil, BothFormats}};
    const QString name = text.trimmed();
    for (const LegacyCategory &legacy : LEGACY) {
        if ((legacy.formats & format) != 0 && name.startsWith(QString::fromUtf8(legacy.prefix)))
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
    // Windows-1252, not Latin-1: the bytes 0x80..0x9F are typographic quotes, dashes and the euro sign there.
    return QTextCodec::codecForName("Windows-1252")->toUnicode(bytes.data(), static_cast<int>(bytes.size()));
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
