#include "DINCriteria.h"

#include "CalculationResults.h"
#include "ClimatePresets.h"
#include "CriteriaBasis.h"
#include "DINCriteriaResult.h"
#include "InputData.h"
#include "MaterialLayer.h"
#include "MinimumHeatResistance.h"
#include "PhysicalProperties.h"
#include "ReportSettings.h"

#include <QJsonValue>
#include <cmath>

namespace {

// Drying must be complete within the summer period of DIN 4108-3.
const double MaximumDryingDays = 90;

bool thermalRow(DINCriterion::Kind kind) {
    return kind == DINCriterion::MinimumResistance || kind == DINCriterion::TemperatureFactor;
}

/*! Takes the verdict off the rows the calculation gave nothing to judge for. */
void markNotAssessed(std::vector<DINCriterion> &criteria, CriteriaBasis::Scope scope) {
    for (DINCriterion &row : criteria) {
        // the surface condensation row carries its own verdict
        if (scope == CriteriaBasis::Scope::All || row.kind == DINCriterion::SurfaceCondensation ||
            (scope == CriteriaBasis::Scope::ThermalOnly && thermalRow(row.kind)))
            continue;
        row.assessed = false;
        row.fulfilled = false;
        row.verdict = DINCriteria::notAssessedText();
    }
}

QJsonValue fulfilledJson(const DINCriterion &row) {
    return row.assessed ? QJsonValue(row.fulfilled) : QJsonValue(QJsonValue::Null);
}

DINCriterion criterion(DINCriterion::Kind kind, const QString &caption, double required, double value, bool fulfilled) {
    DINCriterion row;
    row.kind = kind;
    row.caption = caption;
    row.required = required;
    row.value = value;
    row.fulfilled = fulfilled;
    row.verdict = DINCriteria::verdictText(fulfilled);
    return row;
}

const DINCriterion *find(const std::vector<DINCriterion> &criteria, DINCriterion::Kind kind) {
    for (const DINCriterion &row : criteria)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

QJsonValue criterionJson(const DINCriterion *row) {
    if (!row)
        return QJsonValue::Null;
    switch (row->kind) {
    case DINCriterion::MinimumResistance:
        return QJsonObject{{"version", row->version}, {"kind", row->constructionKind},
                           {"row", row->rowLabel},    {"required", row->required},
                           {"R_layers", row->value},  {"fulfilled", fulfilledJson(*row)}};
    case DINCriterion::TemperatureFactor:
        return QJsonObject{{"fRsiMin", row->required}, {"fRsi", row->value}, {"fulfilled", fulfilledJson(*row)}};
    case DINCriterion::CondensateMass:
        return QJsonObject{{"nonCapillary", row->nonCapillary},
                           {"limit", row->required},
                           {"Mc", row->value},
                           {"fulfilled", fulfilledJson(*row)}};
    case DINCriterion::Wood:
        return QJsonObject{{"kind", row->woodBased ? "woodBased" : "wood"},
                           {"limit", row->required},
                           {"fulfilled", fulfilledJson(*row)}};
    case DINCriterion::DryingTime: return QJsonObject{{"days", row->value}, {"fulfilled", fulfilledJson(*row)}};
    case DINCriterion::DryingReserve:
        return QJsonObject{{"reserve", row->required}, {"dryingMass", row->value}, {"fulfilled", fulfilledJson(*row)}};
    case DINCriterion::SurfaceCondensation:
        return QJsonObject{{"side", row->warmSide ? "warm" : "cold"}, {"fulfilled", fulfilledJson(*row)}};
    }
    return QJsonValue::Null;
}

} // namespace

std::vector<DINCriterion> DINCriteria::evaluate(const InputData &input, HeatFlowDirection heatFlowDirection,
                                                const CalculationResults &results, const ReportSettings &defaults) {
    const ReportSettings settings = input.withAssessment(defaults);
    const QVector<MaterialLayer> &layers = input.layers();
    const AssessmentConditions &conditions = input.conditions();
    const int edition = settings.m_DIN4108_3Accordance_Type;
    const CriteriaBasis basis(results);
    const DINCriteriaResult classification(layers, basis.zones,
                                           DINCriteriaResult::layerAwLimit(edition, settings.m_nonCapillarAw));

    std::vector<DINCriterion> criteria;
    criteria.push_back(minimumResistanceCriterion(settings, results.R_layers));
    if (settings.m_frsiCheck)
        criteria.push_back(temperatureFactorCriterion(layers, heatFlowDirection, conditions.interiorWinter(),
                                                      conditions.exteriorWinter()));
    if (basis.surface != CriteriaBasis::Surface::None)
        criteria.push_back(surfaceCondensationCriterion(basis.surface == CriteriaBasis::Surface::Warm));
    criteria.push_back(condensateCriterion(classification, basis, edition,
                                           DINCriteriaResult::layerAwLimit(edition, settings.m_nonCapillarAw)));
    if (classification.hasWoodOrWoodBased())
        criteria.push_back(woodCriterion(classification, basis.Mc));
    criteria.push_back(dryingTimeCriterion(basis));
    if (basis.hasCondensate && std::fabs(settings.m_dryingReserve) > 1e-10)
        criteria.push_back(dryingReserveCriterion(basis, settings.m_dryingReserve));
    markNotAssessed(criteria, basis.scope);
    return criteria;
}

std::optional<bool> DINCriteria::allFulfilled(const std::vector<DINCriterion> &criteria) {
    bool allAssessed = true;
    for (const DINCriterion &row : criteria) {
        if (row.assessed && !row.fulfilled)
            return false;
        allAssessed = allAssessed && row.assessed;
    }
    if (!allAssessed)
        return std::nullopt;
    return true;
}

QJsonObject DINCriteria::toJson(const std::vector<DINCriterion> &criteria, const CriteriaBasis &basis) {
    const std::optional<bool> all = allFulfilled(criteria);
    return QJsonObject{
        {"basis", basis.methodName()},
        {"allFulfilled", all ? QJsonValue(*all) : QJsonValue(QJsonValue::Null)},
        {"minimumResistance", criterionJson(find(criteria, DINCriterion::MinimumResistance))},
        {"frsi", criterionJson(find(criteria, DINCriterion::TemperatureFactor))},
        {"condensate", criterionJson(find(criteria, DINCriterion::CondensateMass))},
        {"wood", criterionJson(find(criteria, DINCriterion::Wood))},
        {"dryingTime", criterionJson(find(criteria, DINCriterion::DryingTime))},
        {"dryingReserve", criterionJson(find(criteria, DINCriterion::DryingReserve))},
        {"surfaceCondensation", criterionJson(find(criteria, DINCriterion::SurfaceCondensation))},
    };
}

QString DINCriteria::verdictText(bool fulfilled) {
    return fulfilled ? tr("Requirement fulfilled") : tr("Requirement not fulfilled");
}

QString DINCriteria::notAssessedText() {
    return tr("Not assessed");
}

QString DINCriteria::verdictHtml(const DINCriterion &row) {
    if (!row.assessed)
        return QStringLiteral("<font color=\"#808080\"><b>%1</b></font>").arg(row.verdict);
    return row.fulfilled ? QStringLiteral("<b>%1</b>").arg(row.verdict)
                         : QStringLiteral("<font color=\"#FF0000\"><b>%1</b></font>").arg(row.verdict);
}

double DINCriteria::minimumTemperatureFactor(double T_i, double rh_i) {
    const double theta_si = (T_i + 109.8) * std::pow(rh_i / 80, 0.1247) - 109.8;
    const double f = (theta_si + 5) / (T_i + 5);
    return std::trunc(10 * f) / 10;
}

double DINCriteria::temperatureFactor(double R, double R_se) {
    return (R + R_se) / (FrsiInnerSurfaceResistance + R + R_se);
}

DINCriterion DINCriteria::minimumResistanceCriterion(const ReportSettings &settings, double R_layers) {
    const int version = settings.m_minimumHeatResVersion;
    const int kind = settings.m_minimumHeatResConstruction;
    const double rMin = MinimumHeatResistance::minimumResistance(version, kind);
    const QString rowLabel = MinimumHeatResistance::rowLabel(version, kind);
    const QString caption = tr("%1 row %2, thermal resistance R &ge; %L3 m<sup>2</sup>K/W")
                                .arg(MinimumHeatResistance::versionText(version), rowLabel)
                                .arg(rMin, 0, 'f', 2);
    DINCriterion row = criterion(DINCriterion::MinimumResistance, caption, rMin, R_layers, R_layers >= rMin);
    row.version = version;
    row.constructionKind = kind;
    row.rowLabel = rowLabel;
    return row;
}

DINCriterion DINCriteria::temperatureFactorCriterion(const QVector<MaterialLayer> &layers,
                                                     HeatFlowDirection heatFlowDirection, const ClimateRecord &inside,
                                                     const ClimateRecord &outside) {
    double R = 0;
    for (const MaterialLayer &layer : layers)
        R += layer.width() / layer.lambda(heatFlowDirection);
    const double fRsiMin = minimumTemperatureFactor(inside.T, inside.rh);
    const double fRsi = temperatureFactor(R, outside.Rs);
    const bool fulfilled = fRsi >= fRsiMin;
    DINCriterion row =
        criterion(DINCriterion::TemperatureFactor,
                  tr("DIN 4108-2 Check for minimal <i>f</i><sub>Rsi</sub> &ge; %L1").arg(fRsiMin, 0, 'f', 1), fRsiMin,
                  fRsi, fulfilled);
    const QString valueFormat = fulfilled ? tr("<i>f</i><sub>Rsi</sub> = %L1")
                                          : tr("<i>f</i><sub>Rsi</sub> = <font color=\"#FF0000\"><b>%L1</b></font>");
    row.valueText = valueFormat.arg(fRsi, 0, 'f', 2);
    return row;
}

DINCriterion DINCriteria::condensateCriterion(const DINCriteriaResult &classification, const CriteriaBasis &basis,
                                              int edition, double awLimit) {
    const bool nonCapillary = classification.nonCapillaryInZones(basis.zones);
    const double limit = DINCriteriaResult::condensateLimit(nonCapillary);
    const bool fulfilled = basis.Mc <= limit;
    QString caption;
    if (nonCapillary)
        caption = tr("%1 with A<sub>w</sub> &le; %2 kg/m<sup>2</sup>h<sup>0.5</sup>")
                      .arg(tr("DIN 4108-3 (no capillary suction) M<sub>c</sub> &le; 0.5 kg/m<sup>2</sup>"))
                      .arg(awPerRootHour(awLimit), 0, 'g', 3);
    else
        caption = tr("DIN 4108-3 (with capillary suction) M<sub>c</sub> &le; 1.0 kg/m<sup>2</sup>");
    DINCriterion row =
        criterion(DINCriterion::CondensateMass, caption + basis.labelSuffix(), limit, basis.Mc, fulfilled);
    row.nonCapillary = nonCapillary;
    if (nonCapillary)
        row.heading = DINCriteriaResult::editionHeading(edition);
    return row;
}

DINCriterion DINCriteria::woodCriterion(const DINCriteriaResult &classification, double Mc) {
    const QChar delta(0x0394);
    const bool woodBased = !classification.woodBasedLayers.empty();
    DINCriterion row =
        woodBased
            ? criterion(DINCriterion::Wood, tr("DIN 4108-3 (Wood based material) %1u<sub>m</sub> &lt; 3%").arg(delta),
                        classification.woodBasedLimit, Mc, classification.woodBasedOk(Mc))
            : criterion(DINCriterion::Wood, tr("DIN 4108-3 (Wood) %1u<sub>m</sub> &lt; 5%").arg(delta),
                        classification.woodLimit, Mc, classification.woodOk(Mc));
    row.woodBased = woodBased;
    return row;
}

DINCriterion DINCriteria::dryingTimeCriterion(const CriteriaBasis &basis) {
    const double days = daysFromSeconds(basis.dryingTime);
    // A negative time means the construction does not dry out; NaN and infinity fail both comparisons.
    const bool fulfilled = days >= 0 && days < MaximumDryingDays;
    return criterion(DINCriterion::DryingTime,
                     tr("Drying time in summer t<sub>ev</sub> &lt; 90 days") + basis.labelSuffix(), MaximumDryingDays,
                     days, fulfilled);
}

DINCriterion DINCriteria::dryingReserveCriterion(const CriteriaBasis &basis, double reserve) {
    return criterion(DINCriterion::DryingReserve,
                     tr("Check for drying reserve of %1 g/m<sup>2</sup>a according DIN 68800-2").arg(reserve * 1000),
                     reserve, basis.dryingMass, basis.dryingMass > basis.Mc + reserve);
}

DINCriterion DINCriteria::surfaceCondensationCriterion(bool warmSide) {
    DINCriterion row;
    row.kind = DINCriterion::SurfaceCondensation;
    row.warmSide = warmSide;
    row.caption = surfaceCondensationCaption(warmSide);
    // Dew on the interior surface fails the construction; dew on an outer surface is no criterion of
    // DIN 4108-3, so that row stays without verdict.
    row.assessed = warmSide;
    row.fulfilled = false;
    row.verdict = warmSide ? verdictText(false) : notAssessedText();
    return row;
}

QString DINCriteria::surfaceCondensationCaption(bool warmSide) {
    return warmSide ? tr("Surface condensation on the warm side")
                    : tr("Surface condensation on the cold side (dew on an outer surface is no criterion of "
                         "DIN 4108-3)");
}

QString DINCriteria::surfaceCondensationSentence(bool warmSide) {
    return warmSide ? tr("Surface condensation on the warm side: requirement not fulfilled")
                    : tr("Surface condensation on the cold side: not assessed");
}
