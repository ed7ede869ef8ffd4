#include "DINCriteriaResult.h"

#include "MaterialLayer.h"
#include "PhysicalProperties.h"
#include "ReportSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

DINCriteriaResult::DINCriteriaResult(const QVector<MaterialLayer> &layers,
                                     const std::vector<std::pair<int, int>> &zones, double awLayerLimit)
    : woodLimit(std::numeric_limits<double>::max()), woodBasedLimit(std::numeric_limits<double>::max()) {
    const int layerCount = static_cast<int>(layers.size());
    for (const std::pair<int, int> &zone : zones) {
        // Zones come from the calculation; clamping keeps a stale zone from reading past the layers.
        for (int i = std::max(zone.first, 0); i <= zone.second && i < layerCount; ++i) {
            const MaterialLayer &layer = layers[static_cast<std::size_t>(i)];
            const double areaMass = layer.width() * layer.rho();
            if (layer.Aw() <= awLayerLimit)
                nonCapillaryLayers.push_back(i);
            if (layer.isWood()) {
                woodLayers.push_back(i);
                woodLimit = std::min(woodLimit, areaMass * 0.05);
            }
            if (layer.isWoodbased()) {
                woodBasedLayers.push_back(i);
                woodBasedLimit = std::min(woodBasedLimit, areaMass * 0.03);
            }
        }
    }
}

bool DINCriteriaResult::woodOk(double Mc) const {
    return woodLayers.empty() || woodLimit > Mc;
}

bool DINCriteriaResult::woodBasedOk(double Mc) const {
    return woodBasedLayers.empty() || woodBasedLimit > Mc;
}

bool DINCriteriaResult::nonCapillaryInZones(const std::vector<std::pair<int, int>> &zones) const {
    for (int index : nonCapillaryLayers)
        for (const std::pair<int, int> &zone : zones)
            if (zone.first <= index && index <= zone.second)
                return true;
    return false;
}

double DINCriteriaResult::layerAwLimit(int edition, double nonCapillarAw) {
    if (edition == ReportSettings::DIN4108_3_UserDefined)
        return nonCapillarAw;
    return awPerRootSecond(ReportSettings::awLimitForEdition(edition));
}

QString DINCriteriaResult::editionHeading(int edition) {
    switch (edition) {
    case ReportSettings::DIN4108_3_2001: return tr("Check according DIN 4108-3 2001");
    case ReportSettings::DIN4108_3_2014: return tr("Check according DIN 4108-3 2014");
    case ReportSettings::DIN4108_3_2018: return tr("Check according DIN 4108-3 2018");
    default: return tr("Check according to user defined data");
    }
}

QString DINCriteriaResult::awNotice(const ReportSettings &settings) {
    const int edition = settings.m_DIN4108_3Accordance_Type;
    const double usedAw = awPerRootHour(settings.m_nonCapillarAw);
    if (edition != ReportSettings::DIN4108_3_UserDefined ||
        std::fabs(usedAw - ReportSettings::awLimitForEdition(edition)) <= 1e-10)
        return QString();
    const QString unit = QString("kg/m%1h%2").arg(QChar(0x00B2)).arg(QChar(0x00BD));
    return tr("The current calculation does not use the water uptake limit for non-capillary materials of the "
              "standard DIN 4108-3 from 2014 or 2018.<br/>") +
           tr("Used value: %1 %2.<br/>").arg(usedAw).arg(unit) +
           tr("This is admissible because VAPRO is an advanced method as per appendix D of DIN 4108-3.");
}
