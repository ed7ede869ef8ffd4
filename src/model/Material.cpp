#include "Material.h"

#include <QDataStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <ZOT_MessageHandler.h>

#include <cstdlib>
#include <utility>

#include "PhysicalProperties.h"
#include "ProjectInformation.h"
#include "XMLHelpers.h"

namespace {

const char *const CATEGORY_NAMES[Material::NumCategories] = {
    QT_TRANSLATE_NOOP("MaterialCategory", "Coating"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Plaster and mortar"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Building brick"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Natural stones"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Concrete containing building materials"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Insulation materials"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Building boards"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Timber"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Natural materials"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Soil"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Cladding panels and ceramic tiles"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Foils and waterproofing products"),
    QT_TRANSLATE_NOOP("MaterialCategory", "Miscellaneous"),
};

const char *const UNKNOWN_CATEGORY_NAME = QT_TRANSLATE_NOOP("MaterialCategory", "Unknown");

// One colour channel from the pseudo-random generator. Scaled by RAND_MAX so that the value stays within
// 0..255 also where the generator's range exceeds 32767.
int randomChannel() {
    return static_cast<int>(std::rand() * 255.0 / RAND_MAX);
}

// Linear interpolation of the air layer resistance between two table points.
double interpolate(double d, double d0, double d1, double R0, double R1) {
    return R0 + ((d - d0) * (R1 - R0)) / (d1 - d0);
}

// Thermal resistance in m2 K/W of a non-ventilated air layer of width d > 0.005 m (DIN EN ISO 6946).
double airLayerResistance(double d, HeatFlowDirection heatFlowDirection) {
    const bool upwards = heatFlowDirection == HeatFlowDirection::Upwards;
    const bool horizontal = heatFlowDirection == HeatFlowDirection::Horizontal;
    if (d <= 0.007)
        return interpolate(d, 0.005, 0.007, 0.11, 0.13);
    if (d <= 0.01)
        return interpolate(d, 0.007, 0.01, 0.13, 0.15);
    if (d <= 0.015)
        return interpolate(d, 0.01, 0.015, 0.15, upwards ? 0.16 : 0.17);
    if (upwards)
        return 0.16;
    if (d <= 0.025)
        return interpolate(d, 0.015, 0.025, 0.17, horizontal ? 0.18 : 0.19);
    if (horizontal)
        return 0.18;
    if (d <= 0.05)
        return interpolate(d, 0.025, 0.05, 0.19, 0.21);
    if (d <= 0.1)
        return interpolate(d, 0.05, 0.1, 0.21, 0.22);
    if (d <= 0.3)
        return interpolate(d, 0.1, 0.3, 0.22, 0.23);
    return 0.23;
}

void writeFlagAttribute(QXmlStreamWriter &writer, const QString &name, bool set) {
    writer.writeAttribute(name, set ? QStringLiteral("1") : QStringLiteral("0"));
}

bool flagAttribute(const QXmlStreamAttributes &attributes, const QString &name) {
    return attributes.value(name).toString().toInt() != 0;
}

void readStringAttribute(const QXmlStreamAttributes &attributes, const QString &name, QString &value) {
    if (attributes.hasAttribute(name))
        value = attributes.value(name).toString();
}

// Splits "r g b" into a colour; false unless there are exactly three decimal integers. A channel outside
// 0..255 is brought into range (and \a clamped set) rather than losing the whole project for a colour.
bool parseColor(const QString &text, QColor &color, bool &clamped) {
    const QStringList parts = text.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    if (parts.size() != 3)
        return false;
    int rgb[3];
    clamped = false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok, 10);
        if (!ok)
            return false;
        rgb[i] = qBound(0, value, 255);
        clamped = clamped || rgb[i] != value;
    }
    color = QColor(rgb[0], rgb[1], rgb[2]);
    return true;
}

} // namespace

Material::Material() = default;

Material::Material(const QString &name, int category, const QString &notes, const QString &productName,
                   const QString &producer, const QString &dataSource, double rho, double lambda, double mu,
                   double w_80, double w_sat, double Aw, int materialId)
    : m_name(name), m_category(category), m_notes(notes), m_productName(productName), m_producer(producer),
      m_dataSource(dataSource), m_rho(rho), m_mu_min(mu), m_mu_max(mu), m_w_80(w_80), m_w_sat(w_sat), m_Aw(Aw),
      m_lambda(lambda), m_mu(mu), m_materialId(materialId) {
    const int blue = randomChannel();
    const int green = randomChannel();
    const int red = randomChannel();
    m_color = QColor(red, green, blue);
}

void Material::setCategory(int category) {
    m_category =
        static_cast<unsigned int>(category) < static_cast<unsigned int>(NumCategories) ? category : UnknownCategory;
}

void Material::setAw(double value, bool inSeconds) {
    m_Aw = inSeconds ? value : awPerRootSecond(value);
}

void Material::setFlags(bool air, bool wood, bool woodbased, bool foil) {
    m_flags.clear();
    setFlag(Air, air);
    setFlag(Wood, wood);
    setFlag(Woodbased, woodbased);
    setFlag(Foil, foil);
}

void Material::setFlag(MaterialFlag flag, bool on) {
    if (on)
        m_flags.insert(flag);
    else
        m_flags.erase(flag);
}

bool Material::isValid() const {
    return !m_name.isEmpty() && m_rho > 0 && m_lambda > 0 && m_mu > 0 && m_w_80 > 0 && m_w_80 < m_w_sat &&
           m_w_sat <= 1.0 && m_Aw >= 0 && m_category >= 0 && m_category < NumCategories;
}

double Material::effectiveLambda(double width, HeatFlowDirection heatFlowDirection) const {
    if (!isAir() || width <= 0)
        return m_lambda;
    if (width <= 0.005)
        return 0.045;
    return width / airLayerResistance(width, heatFlowDirection);
}

double Material::effectiveMu(double width) const {
    if (!isAir())
        return m_mu;
    if (width <= 0.01)
        return 1.0;
    return 0.01 / width;
}

bool Material::operator==(const Material &other) const {
    return m_name == other.m_name && m_category == other.m_category && m_color == other.m_color &&
           m_notes == other.m_notes && m_productName == other.m_productName && m_producer == other.m_producer &&
           m_dataSource == other.m_dataSource && m_rho == other.m_rho && m_lambda == other.m_lambda &&
           m_mu == other.m_mu && m_mu_min == other.m_mu_min && m_mu_max == other.m_mu_max && m_w_80 == other.m_w_80 &&
           m_w_sat == other.m_w_sat && m_Aw == other.m_Aw && m_sd_value == other.m_sd_value && m_flags == other.m_flags;
}

void Material::showLanguage(const QString &languageId) {
    auto texts = m_catalogueTexts.constFind(languageId);
    if (texts == m_catalogueTexts.constEnd())
        texts = m_catalogueTexts.constFind(QStringLiteral("en"));
    if (texts == m_catalogueTexts.constEnd())
        return;
    m_name = texts->name;
    m_notes = texts->notes;
    m_dataSource = texts->dataSource;
}

QStringList Material::otherNames() const {
    QStringList names;
    for (const Texts &texts : m_catalogueTexts)
        if (texts.name != m_name && !names.contains(texts.name))
            names << texts.name;
    return names;
}

QString Material::categoryName(int category) {
    if (static_cast<unsigned int>(category) >= static_cast<unsigned int>(NumCategories))
        return QCoreApplication::translate("MaterialCategory", UNKNOWN_CATEGORY_NAME);
    return QCoreApplication::translate("MaterialCategory", CATEGORY_NAMES[category]);
}

QStringList Material::categoryNames() {
    QStringList names;
    for (int i = 0; i < NumCategories; ++i)
        names << categoryName(i);
    return names;
}

int Material::categoryFromName(const QString &name) {
    return categoryNames().indexOf(name);
}

bool Material::readXML(QXmlStreamReader &reader) {
    const QXmlStreamAttributes attributes = reader.attributes();
    m_name = attributes.value(QStringLiteral("name")).toString();
    if (m_name.isEmpty())
        m_name = tr("Unknown");
    XMLHelpers::readIntAttribute(reader, QStringLiteral("materialId"), m_materialId);
    XMLHelpers::readIntAttribute(reader, QStringLiteral("cat"), m_category);
    readStringAttribute(attributes, QStringLiteral("productName"), m_productName);
    readStringAttribute(attributes, QStringLiteral("producer"), m_producer);
    readStringAttribute(attributes, QStringLiteral("dataSource"), m_dataSource);
    readStringAttribute(attributes, QStringLiteral("notes"), m_notes);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("rho"), m_rho);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("lambda"), m_lambda);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("mu"), m_mu);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("mu_min"), m_mu_min);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("mu_max"), m_mu_max);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("w_80"), m_w_80);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("w_sat"), m_w_sat);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("m_Aw"), m_Aw);
    XMLHelpers::readDoubleAttribute(reader, QStringLiteral("sd_value"), m_sd_value);
    if (reader.hasError() || !readColorAttribute(reader))
        return false;
    readFlagAttributes(reader);
    reader.skipCurrentElement();
    return !reader.hasError();
}

bool Material::readColorAttribute(QXmlStreamReader &reader) {
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!attributes.hasAttribute(QStringLiteral("color")))
        return true;
    const QString text = attributes.value(QStringLiteral("color")).toString();
    bool clamped = false;
    if (parseColor(text, m_color, clamped)) {
        if (clamped)
            ZOT::message(tr("Colour '%1' of material '%2' (line %3) brought into the range 0..255.")
                             .arg(text, m_name)
                             .arg(reader.lineNumber())
                             .toStdString(),
                         ZOT::MSG_WARNING, "Material::readXML", -1);
        return true;
    }
    reader.raiseError(tr("Invalid encoding '%1' of material color.").arg(text));
    return false;
}

void Material::readFlagAttributes(QXmlStreamReader &reader) {
    const QXmlStreamAttributes attributes = reader.attributes();
    setFlags(flagAttribute(attributes, QStringLiteral("isAir")), flagAttribute(attributes, QStringLiteral("isWood")),
             flagAttribute(attributes, QStringLiteral("isWoodbased")),
             flagAttribute(attributes, QStringLiteral("isFoil")));
}

void Material::writeXML(QXmlStreamWriter &writer) const {
    writer.writeEmptyElement(QStringLiteral("Material"));
    XMLHelpers::writeTextAttribute(writer, QStringLiteral("name"), m_name);
    writer.writeAttribute(QStringLiteral("materialId"), QString::number(m_materialId));
    writer.writeAttribute(QStringLiteral("cat"), QString::number(m_category));
    XMLHelpers::writeTextAttribute(writer, QStringLiteral("productName"), m_productName);
    XMLHelpers::writeTextAttribute(writer, QStringLiteral("producer"), m_producer);
    XMLHelpers::writeTextAttribute(writer, QStringLiteral("dataSource"), m_dataSource);
    XMLHelpers::writeTextAttribute(writer, QStringLiteral("notes"), m_notes);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("rho"), m_rho);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("lambda"), m_lambda);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("mu"), m_mu);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("mu_min"), m_mu_min);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("mu_max"), m_mu_max);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("w_80"), m_w_80);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("w_sat"), m_w_sat);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("m_Aw"), m_Aw);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("sd_value"), m_sd_value);
    writer.writeAttribute(QStringLiteral("color"),
                          QStringLiteral("%1 %2 %3").arg(m_color.red()).arg(m_color.green()).arg(m_color.blue()));
    writeFlagAttribute(writer, QStringLiteral("isAir"), isAir());
    writeFlagAttribute(writer, QStringLiteral("isWood"), isWood());
    writeFlagAttribute(writer, QStringLiteral("isWoodbased"), isWoodbased());
    writeFlagAttribute(writer, QStringLiteral("isFoil"), isFoil());
}

bool Material::readBinary(QDataStream &in, int version, int materialId) {
    m_materialId = materialId;
    qint32 category = 0;
    in >> m_name >> category >> m_notes >> m_productName >> m_producer >> m_dataSource;
    if (m_name.isEmpty())
        m_name = tr("Unknown");
    setCategory(category);
    in >> m_rho >> m_lambda >> m_mu;
    if (version > 1)
        in >> m_mu_min >> m_mu_max >> m_sd_value;
    in >> m_w_80 >> m_w_sat >> m_Aw;
    qint32 red = 0, green = 0, blue = 0;
    in >> red >> green >> blue;
    // A damaged record must not give an invalid colour; keep the channels in range.
    m_color = QColor(qBound(0, int(red), 255), qBound(0, int(green), 255), qBound(0, int(blue), 255));
    bool air = false, wood = false, woodbased = false, foil = false;
    if (version > 2)
        in >> air >> wood >> woodbased;
    if (version > 3)
        in >> foil;
    setFlags(air, wood, woodbased, foil);
    cleanTexts();
    return in.status() == QDataStream::Ok;
}

void Material::cleanTexts() {
    const QString material = XMLHelpers::xmlSafeText(m_name);
    const std::pair<const char *, QString *> fields[] = {{"name", &m_name},
                                                         {"notes", &m_notes},
                                                         {"product name", &m_productName},
                                                         {"producer", &m_producer},
                                                         {"data source", &m_dataSource}};
    for (const auto &field : fields)
        XMLHelpers::cleanIncomingText(*field.second,
                                      tr("the %1 of material '%2'").arg(QLatin1String(field.first), material));
}

void Material::writeBinary(QDataStream &out, int version) const {
    out << m_name << qint32(m_category) << m_notes << m_productName << m_producer << m_dataSource;
    out << m_rho << m_lambda << m_mu;
    if (version > 1)
        out << m_mu_min << m_mu_max << m_sd_value;
    out << m_w_80 << m_w_sat << m_Aw;
    out << qint32(m_color.red()) << qint32(m_color.green()) << qint32(m_color.blue());
    if (version > 2)
        out << isAir() << isWood() << isWoodbased();
    if (version > 3)
        out << isFoil();
}
