#include "MaterialLayer.h"

#include <QDataStream>

MaterialLayer::MaterialLayer(const Material &material, double width) : Material(material), m_width(width) {
    // A layer keeps the texts that were shown when it was made, as its project file will.
    clearCatalogueTexts();
    updateWidthFromSd();
}

double MaterialLayer::width(int unit) const {
    switch (unit) {
    case Decimetre:
    case Centimetre:
    case Millimetre: return m_width * unit;
    default: return m_width;
    }
}

void MaterialLayer::setWidth(double value, int unit) {
    if (sd_value() > 0)
        return;
    switch (unit) {
    case Decimetre:
    case Centimetre:
    case Millimetre: m_width = value / unit; break;
    default: m_width = value;
    }
}

void MaterialLayer::updateWidthFromSd() {
    if (sd_value() <= 0)
        return;
    // Without a positive diffusion resistance factor the sd-value cannot fix a width; keep the current one.
    const double effMu = effectiveMu(m_width);
    if (effMu > 0)
        m_width = sd_value() / effMu;
}

void MaterialLayer::writeBinary(QDataStream &out) const {
    out << qint32(CurrentBinaryVersion) << m_width;
    Material::writeBinary(out, CurrentBinaryVersion);
}

bool MaterialLayer::readBinary(QDataStream &in) {
    qint32 version = 0;
    in >> version >> m_width;
    if (in.status() != QDataStream::Ok)
        return false;
    return Material::readBinary(in, version, ConstructionDatabaseId);
}
