#include "LegacyMaterialListReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>

#include <ZOT_Exception.h>

namespace {

const char *const WhereList = "[V2_MaterialList read_1_9_list]";
const char *const WhereMaterial = "[V2_MaterialList read_1_9_material]";

QStringList tokens(const QString &line) {
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Old lists were written in the Windows code page; newer ones may be UTF-8.
QString decodeText(const QByteArray &data) {
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(data.constData(), data.size(), &state);
    if (state.invalidChars == 0)
        return text;
    return QString::fromLatin1(data);
}

// Unit vocabulary of the old lists: factor converting to the model's units, or 0 for an unknown unit.
double unitFactor(const QString &keyword, const QString &unit) {
    const QString u = unit.toLower();
    const auto is = [&u](std::initializer_list<const char *> names) {
        for (const char *n : names) {
            if (u == QLatin1String(n))
                return true;
        }
        return false;
    };
    if (keyword == QLatin1String("Rho"))
        return is({"", "kg/m3", "kg/m^3", "kg/m³"}) ? 1.0 : 0.0;
    if (keyword == QLatin1String("Lambda"))
        return is({"", "w/mk", "w/m*k", "w/(mk)", "w/(m*k)"}) ? 1.0 : 0.0;
    if (keyword == QLatin1String("Mew"))
        return is({"", "-"}) ? 1.0 : 0.0;
    if (keyword == QLatin1String("A_w")) {
        if (is({"kg/m2*s^0.5", "kg/m2s05", "kg/m2s^0.5", "kg/m^2s^0.5", "kg/(m2*s^0.5)"}))
            return 1.0;
        return is({"kg/m2*h^0.5", "kg/m2h05", "kg/m2h^0.5", "kg/m^2h^0.5", "kg/(m2*h^0.5)"}) ? 1.0 / 60.0 : 0.0;
    }
    // Moisture contents
    if (is({"", "-", "m3/m3", "m^3/m^3"}))
        return 1.0;
    if (is({"kg/m3", "kg/m^3"}))
        return 0.001;
    return is({"%", "vol%", "vol.-%", "vol.%"}) ? 0.01 : 0.0;
}

// Value with optional unit; throws \a error when the number or the unit cannot be read.
double parseValue(const QString &keyword, const QString &value, const char *error) {
    const QStringList t = tokens(value);
    bool ok = false;
    const double number =
        t.isEmpty() ? 0 : QString(t.first()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    const double factor = ok ? unitFactor(keyword, t.mid(1).join(QString())) : 0.0;
    if (factor == 0.0)
        throw ZOT::Exception(error, WhereMaterial);
    return number * factor;
}

bool parseBool(const QString &token, bool &ok) {
    const QString t = token.toLower();
    ok =
        t == QLatin1String("1") || t == QLatin1String("0") || t == QLatin1String("true") || t == QLatin1String("false");
    return t == QLatin1String("1") || t == QLatin1String("true");
}

} // namespace

int LegacyMaterialListReader::categoryFromLegacyName(const QString &text) {
    struct Legacy {
        const char *prefix;
        int category;
    };
    static const Legacy legacy[] = {{"Natursteine", 3},
                                    {"Mauersteine", 2},
                                    {"Mauerwerk", 2},
                                    {"Putze/M", 1},
                                    {"Putze, M", 1},
                                    {"Beton/Betonbauteile", 4},
                                    {"Zementhaltige Baustoffe", 4},
                                    {"Dämmstoffe", 5},
                                    {"Wärmedämmstoffe", 5},
                                    {"Daemmstoffe", 5},
                                    {"Waermedaemmstoffe", 5},
                                    {"Holz/Holzwerkstoffe", 7},
                                    {"Holz", 7},
                                    {"Sonstiges", 12},
                                    {"Abdichtungen/Folien", 11},
                                    {"Folien und Abdichtungsstoffe", 11},
                                    {"Bauplatten", 6},
                                    {"Fassadenbekleidungen, Bodenbel", 10},
                                    {"Erden und B", 9}};
    const QString name = text.trimmed();
    for (const Legacy &l : legacy) {
        if (name.startsWith(QString::fromUtf8(l.prefix)))
            return l.category;
    }
    const int current = Material::categoryFromName(name);
    return current >= 0 ? current : int(Material::UnknownCategory);
}

bool LegacyMaterialListReader::nextLine(QString &line) {
    while (m_pos < m_lines.size()) {
        line = m_lines[m_pos++].trimmed();
        if (!line.isEmpty())
            return true;
    }
    return false;
}

void LegacyMaterialListReader::read(const QString &fileName, const IdSource &nextId, QVector<Material> &materials) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ZOT::Exception("Keyword 'FileVersion' missing!", WhereList);
    LegacyMaterialListReader reader(decodeText(file.readAll()).split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))));
    reader.readList(nextId, materials);
}

void LegacyMaterialListReader::readList(const IdSource &nextId, QVector<Material> &materials) {
    QString line;
    QStringList t = nextLine(line) ? tokens(line) : QStringList();
    if (t.size() < 2 || t[0] != QLatin1String("FileVersion"))
        throw ZOT::Exception("Keyword 'FileVersion' missing!", WhereList);
    m_wHygAt95 = t[1].contains(QLatin1String("1.3"));

    t = nextLine(line) ? tokens(line) : QStringList();
    if (t.isEmpty() || t[0] != QLatin1String("MATERIAL_LIST"))
        throw ZOT::Exception("Keyword 'MATERIAL_LIST' missing!", WhereList);
    if (t.mid(1).join(QString()) != QLatin1String("{"))
        throw ZOT::Exception("Missing block start!", WhereList);

    for (;;) {
        if (!nextLine(line))
            throw ZOT::Exception("Missing data!", WhereList);
        if (line == QLatin1String("}"))
            return;
        t = tokens(line);
        if (t[0] != QLatin1String("MATERIAL_DEFINITION"))
            throw ZOT::Exception("Invalid keyword!", WhereList);
        if (t.size() < 2 || t[1] != QLatin1String("{"))
            throw ZOT::Exception("Block start '{' of material definition missing!", WhereMaterial);
        Material m = readMaterial();
        m.setMaterialId(nextId());
        materials.append(m);
    }
}

Material LegacyMaterialListReader::readMaterial() {
    Material m(QString(), Material::UnknownCategory, QString(), QString(), QString(), QString(), 0, 0, 0, 0, 0, 0, 0);
    QString productId;
    QString line;
    for (;;) {
        if (!nextLine(line))
            throw ZOT::Exception("Missing data!", WhereMaterial);
        if (line == QLatin1String("}"))
            break;
        const int split = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        QString keyword = split < 0 ? line : line.left(split);
        if (keyword.endsWith(QLatin1Char(':')))
            keyword.chop(1);
        const QString value = split < 0 ? QString() : line.mid(split).trimmed();
        if (keyword == QLatin1String("ProduktID"))
            productId = value;
        else
            readParameter(m, keyword, value);
    }
    if (m.name().isEmpty())
        throw ZOT::Exception("Error reading material name!", WhereMaterial);
    if (m.productName().isEmpty())
        m.setProductName(productId);
    m.setMu_min(m.mu());
    m.setMu_max(m.mu());
    return m;
}

void LegacyMaterialListReader::readParameter(Material &m, const QString &keyword, const QString &value) {
    if (keyword == QLatin1String("Name")) {
        if (value.isEmpty())
            throw ZOT::Exception("Error reading material name!", WhereMaterial);
        m.setName(value);
    }
    else if (keyword == QLatin1String("Kategorie"))
        m.setCategory(categoryFromLegacyName(value));
    else if (keyword == QLatin1String("Produktname"))
        m.setProductName(value);
    else if (keyword == QLatin1String("Hersteller"))
        m.setProducer(value);
    else if (keyword == QLatin1String("Anmerkungen"))
        m.setNotes(value);
    else if (keyword == QLatin1String("Datenquelle") || keyword == QLatin1String("Quelle"))
        m.setDataSource(value);
    else if (keyword == QLatin1String("Rho"))
        m.setRho(parseValue(keyword, value, "Error reading material parameter 'rho'!"));
    else if (keyword == QLatin1String("Lambda"))
        m.setLambda(parseValue(keyword, value, "Error reading material parameter 'lambda'!"));
    else if (keyword == QLatin1String("Mew"))
        m.setMu(parseValue(keyword, value, "Error reading material parameter 'mew'!"));
    else if (keyword == QLatin1String("W_hyg")) {
        // Lists of version 1.3 give the hygroscopic moisture content at 95 % relative humidity.
        const double w = parseValue(keyword, value, "Error reading material parameter 'w_hyg'!");
        m.setW_80(m_wHygAt95 ? w * 0.8 / 0.95 : w);
    }
    else if (keyword == QLatin1String("W_h80"))
        m.setW_80(parseValue(keyword, value, "Error reading material parameter 'w_h80'!"));
    else if (keyword == QLatin1String("W_sat"))
        m.setW_sat(parseValue(keyword, value, "Error reading material parameter 'w_sat'!"));
    else if (keyword == QLatin1String("A_w"))
        m.setAw(parseValue(keyword, value, "Error reading material parameter 'Aw'!"), true);
    else if (keyword == QLatin1String("Flags")) {
        const QStringList t = tokens(value);
        bool ok[3] = {false, false, false};
        if (t.size() != 3)
            throw ZOT::Exception("Missing data!", WhereMaterial);
        const bool air = parseBool(t[0], ok[0]), wood = parseBool(t[1], ok[1]), woodbased = parseBool(t[2], ok[2]);
        if (!ok[0] || !ok[1] || !ok[2])
            throw ZOT::Exception("Missing data!", WhereMaterial);
        m.setFlags(air, wood, woodbased, false);
    }
    else
        throw ZOT::Exception("Invalid keyword!", WhereMaterial);
}
