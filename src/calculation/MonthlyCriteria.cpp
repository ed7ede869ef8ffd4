#include "MonthlyCriteria.h"

#include "CriteriaBasis.h"
#include "DINCriteria.h"
#include "DINCriteriaResult.h"
#include "MonthlyClimate.h"
#include "MonthlyResults.h"

namespace {

DINCriterion row(DINCriterion::Kind kind, const QString &caption, double required, double value, bool fulfilled) {
    DINCriterion criterion;
    criterion.kind = kind;
    criterion.caption = caption;
    criterion.required = required;
    criterion.value = value;
    criterion.fulfilled = fulfilled;
    criterion.verdict = DINCriteria::verdictText(fulfilled);
    return criterion;
}

} // namespace

std::vector<DINCriterion> MonthlyCriteria::evaluate(const QVector<MaterialLayer> &layers, const MonthlyResults &r,
                                                    double awLayerLimit) {
    // the layers on both sides of every interface with condensate, as (k - 1, k)
    std::vector<std::pair<int, int>> planes;
    for (int k : r.condensateInterfaces)
        planes.emplace_back(k, k);
    const std::vector<std::pair<int, int>> zones = CriteriaBasis::layerRanges(planes);
    const DINCriteriaResult classification(layers, zones, awLayerLimit);

    std::vector<DINCriterion> rows;
    const bool nonCapillary = classification.nonCapillaryInZones(zones);
    const double limit = DINCriteriaResult::condensateLimit(nonCapillary);
    rows.push_back(row(DINCriterion::CondensateMass,
                       tr("DIN 4108-3 largest accumulated condensate M<sub>a,max</sub> &le; %L1 kg/m<sup>2</sup>")
                           .arg(limit, 0, 'f', 1),
                       limit, r.maxAccumulated, r.maxAccumulated <= limit));
    rows.back().nonCapillary = nonCapillary;

    if (classification.hasWoodOrWoodBased()) {
        const QChar delta(0x0394);
        const bool woodBased = !classification.woodBasedLayers.empty();
        if (woodBased)
            rows.push_back(
                row(DINCriterion::Wood, tr("DIN 4108-3 (Wood based material) %1u<sub>m</sub> &lt; 3%").arg(delta),
                    classification.woodBasedLimit, r.maxAccumulated, classification.woodBasedOk(r.maxAccumulated)));
        else
            rows.push_back(row(DINCriterion::Wood, tr("DIN 4108-3 (Wood) %1u<sub>m</sub> &lt; 5%").arg(delta),
                               classification.woodLimit, r.maxAccumulated, classification.woodOk(r.maxAccumulated)));
        rows.back().woodBased = woodBased;
    }

    rows.push_back(row(DINCriterion::DryingTime, tr("All condensate dries out within the year"), 0, r.driesOut ? 1 : 0,
                       r.driesOut));

    const bool hasDesign = r.designMonth != 0;
    DINCriterion surface =
        row(DINCriterion::TemperatureFactor,
            hasDesign ? tr("Mould: <i>f</i><sub>Rsi</sub> &ge; <i>f</i><sub>Rsi,min</sub> = %L1 (%2)")
                            .arg(r.designFRsiMin, 0, 'f', 3)
                            .arg(MonthlyClimate::monthName(r.designMonth))
                      : tr("Mould: no month with a minimum <i>f</i><sub>Rsi</sub>"),
            r.designFRsiMin, r.fRsi, hasDesign && r.fRsi >= r.designFRsiMin);
    surface.valueText = tr("<i>f</i><sub>Rsi</sub> = %L1").arg(r.fRsi, 0, 'f', 3);
    if (!hasDesign) {
        surface.assessed = false;
        surface.verdict = DINCriteria::notAssessedText();
    }
    rows.push_back(surface);
    return rows;
}
