#include "LegacyMaterialListReader.h"

#include <QFile>
#include <QRegularExpression>

#include <ZOT_Exception.h>

#include "LegacyLine.h"
#include "LegacyValueReader.h"

namespace {

const char *const WhereList = "[V2_MaterialList read_1_9_list]";
const char *const WhereMaterial = "[V2_MaterialList read_1_9_material]";

QStringList tokens(const QString &line) {
    return line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Value with optional unit; throws \a error when the number or the unit cannot be read.
double parseValue(const QString &value, LegacyValueReader::Quantity quantity, const char *error) {
    double number = 0;
    try {
        if (LegacyValueReader::readValue(value, quantity, number, LegacyValueReader::MaterialList))
            return number;
    }
    catch (const ZOT::Exception &) {
    }
    throw ZOT::Exception(error, WhereMaterial);
}

bool parseBool(const QString &token, bool &ok) {
    const QString t = token.toLower();
    ok =
        t == QLatin1String("1") || t == QLatin1String("0") || t == QLatin1String("true") || t == QLatin1String("false");
    return t == QLatin1String("1") || t == QLatin1String("true");
}

} // namespace

int LegacyMaterialListReader::categoryFromLegacyName(const QString &text) {
    return LegacyValueReader::categoryFromLegacyName(text, LegacyValueReader::MaterialList);
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
    LegacyMaterialListReader reader(LegacyValueReader::decodeText(file.readAll().toStdString())
                                        .split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))));
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
        LegacyLine keywordLine;
        keywordLine.setText(line);
        if (keywordLine.keyword() == QLatin1String("ProduktID"))
            productId = keywordLine.rest();
        else
            readParameter(m, keywordLine.keyword(), keywordLine.rest());
    }
    if (m.name().isEmpty())
        throw ZOT::Exception("Error reading material name!", WhereMaterial);
    if (m.productName().isEmpty())
        m.setProductName(productId);
    m.setMu_min(m.mu());
    m.setMu_max(m.mu());
    m.cleanTexts();
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
        m.setRho(parseValue(value, LegacyValueReader::Density, "Error reading material parameter 'rho'!"));
    else if (keyword == QLatin1String("Lambda"))
        m.setLambda(
            parseValue(value, LegacyValueReader::ThermalConductivity, "Error reading material parameter 'lambda'!"));
    else if (keyword == QLatin1String("Mew"))
        m.setMu(
            parseValue(value, LegacyValueReader::DiffusionResistanceFactor, "Error reading material parameter 'mew'!"));
    else if (keyword == QLatin1String("W_hyg")) {
        // Lists of version 1.3 give the hygroscopic moisture content at 95 % relative humidity.
        const double w =
            parseValue(value, LegacyValueReader::MoistureContent, "Error reading material parameter 'w_hyg'!");
        m.setW_80(m_wHygAt95 ? w * 0.8 / 0.95 : w);
    }
    else if (keyword == QLatin1String("W_h80"))
        m.setW_80(parseValue(value, LegacyValueReader::MoistureContent, "Error reading material parameter 'w_h80'!"));
    else if (keyword == QLatin1String("W_sat"))
        m.setW_sat(parseValue(value, LegacyValueReader::MoistureContent, "Error reading material parameter 'w_sat'!"));
    else if (keyword == QLatin1String("A_w"))
        m.setAw(parseValue(value, LegacyValueReader::WaterAbsorption, "Error reading material parameter 'Aw'!"), true);
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
