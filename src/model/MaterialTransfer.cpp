#include "MaterialTransfer.h"

#include <QLocale>

namespace {

QString number(double value, char format, int precision) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

QString dateText(const QDate &date) {
    return date.toString(QStringLiteral("MM yyyy"));
}

} // namespace

int MaterialTransfer::flags() const {
    return (m_material.isWood() ? FlagWood : 0) | (m_material.isWoodbased() ? FlagWoodbased : 0) |
           (m_material.isAir() ? FlagAir : 0) | (m_material.isFoil() ? FlagFoil : 0);
}

double MaterialTransfer::value(ParameterKind kind) const {
    switch (kind) {
    case MC_ID: return m_material.materialId();
    case MC_RHO: return m_material.rho();
    case MC_MEW: return m_material.mu();
    case MC_LAMBDA: return m_material.lambda();
    case MC_W80: return m_material.w_80();
    case MC_WSAT: return m_material.w_sat();
    case MC_AW: return m_material.Aw();
    case MC_SD: return m_material.sd_value();
    default: return 0;
    }
}

QString MaterialTransfer::valueString(ParameterKind kind) const {
    // The material record holds no specific heat capacity: its column stays empty.
    if (kind == MC_CET)
        return QString();
    return formatValue(kind, value(kind));
}

QString MaterialTransfer::formatValue(ParameterKind kind, double v) {
    switch (kind) {
    case MC_RHO:
    case MC_SD: return v < 10 ? number(v, 'g', 6) : number(v, 'f', 0);
    case MC_CET: return number(v, 'f', 1);
    case MC_MEW:
        if (v >= 10)
            return number(v, 'f', 0);
        return v >= 0.01 ? number(v, 'f', 3) : number(v, 'f', 5);
    case MC_LAMBDA:
        if (v < 1)
            return number(v, 'g', 6);
        if (v < 10)
            return number(v, 'f', 1);
        return v < 10000 ? number(v, 'f', 0) : number(v, 'e', 1);
    case MC_W80:
    case MC_WSAT: return v >= 0.001 ? number(v, 'f', 4) : number(v, 'e', 2);
    case MC_AW: return v >= 0.01 ? number(v, 'f', 4) : number(v, 'e', 2);
    default: return QString();
    }
}

QString MaterialTransfer::informationText() const {
    QString text;
    if (!m_material.dataSource().isEmpty())
        text += tr("Data source: %1\n").arg(m_material.dataSource());
    if (!m_material.notes().isEmpty())
        text += tr("Notes: %1\n").arg(m_material.notes());
    if (m_material.isAir())
        text += tr("Air\n", "Material flag");
    if (m_material.isWood())
        text += tr("Wood\n", "Material flag");
    if (m_material.isWoodbased())
        text += tr("Wood based\n", "Material flag");
    if (m_material.measuringDate().isValid())
        text += tr("Measuring date: %1\n").arg(dateText(m_material.measuringDate()));
    if (m_material.productionDate().isValid())
        text += tr("Production date: %1\n").arg(dateText(m_material.productionDate()));
    if (m_material.samplingDate().isValid())
        text += tr("Sampling date: %1\n").arg(dateText(m_material.samplingDate()));
    return text;
}
