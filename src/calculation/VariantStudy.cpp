#include "VariantStudy.h"

#include "DINCriteria.h"
#include "PhysicalProperties.h"

#include <algorithm>
#include <cmath>

namespace {

// A product layer's width follows from its sd-value (MaterialLayer::updateWidthFromSd); a value that is no
// longer positive leaves the layer with that width, so that the input check refuses it.
void setSdValue(MaterialLayer &layer, double sd) {
    layer.setSd_value(sd);
    layer.setWidth(sd / layer.mu());
    layer.updateWidthFromSd();
}

void applyToLayer(MaterialLayer &layer, VariantStudy::Quantity quantity, double value) {
    const bool product = layer.sd_value() > 0;
    switch (quantity) {
    case VariantStudy::Quantity::Width:
        if (product)
            setSdValue(layer, value * layer.mu());
        else
            layer.setWidth(value);
        break;
    case VariantStudy::Quantity::SdValue:
        if (product)
            setSdValue(layer, value);
        else
            layer.setMu(value / layer.width());
        break;
    case VariantStudy::Quantity::Mu:
        if (product)
            layer.setSd_value(value * layer.width());
        layer.setMu(value);
        break;
    case VariantStudy::Quantity::Lambda: layer.setLambda(value); break;
    case VariantStudy::Quantity::Aw: layer.setAw(value, false); break;
    default: break;
    }
}

} // namespace

VariantStudy::VariantStudy(const InputData &input, HeatFlowDirection heatFlowDirection, const ReportSettings &settings,
                           Quantity quantity, int layer)
    : m_input(input), m_heatFlowDirection(heatFlowDirection), m_settings(settings), m_quantity(quantity),
      m_layerIndex(layer - 1) {}

QString VariantStudy::problem() const {
    if (isLayerQuantity(m_quantity) && (m_layerIndex < 0 || m_layerIndex >= m_input.layers().size()))
        return tr("Layer %1 does not exist: the construction has %2 layers.")
            .arg(m_layerIndex + 1)
            .arg(m_input.layers().size());
    return QString();
}

QString VariantStudy::warning() const {
    const bool airValue =
        m_quantity == Quantity::Lambda || m_quantity == Quantity::Mu || m_quantity == Quantity::SdValue;
    if (!airValue || !problem().isEmpty() || !m_input.layers()[m_layerIndex].isAir())
        return QString();
    return tr("Layer %1 is an air layer: its thermal conductivity and diffusion resistance follow from its width "
              "and the heat flow direction, so these values change nothing.")
        .arg(m_layerIndex + 1);
}

QString VariantStudy::resultText(const Row &row) {
    switch (row.inputStatus) {
    case InputStatus::Valid: break;
    case InputStatus::InvalidWidth: return tr("invalid input: layer width");
    case InputStatus::InvalidMaterial: return tr("invalid input: material values");
    default: return tr("invalid input: climate");
    }
    switch (row.resultCode) {
    case ResultCode::NoLayers: return tr("no layers");
    case ResultCode::InvalidInput: return tr("invalid input");
    case ResultCode::CalculationError: return tr("no stationary solution");
    case ResultCode::NoAlgorithm: return tr("no calculation method");
    case ResultCode::CondensationLeftSurface: return tr("surface condensation on the warm side");
    case ResultCode::CondensationRightSurface: return tr("surface condensation on the cold side");
    case ResultCode::OneLayer: return tr("one layer only");
    case ResultCode::NoCondensation: return tr("no condensation");
    case ResultCode::HygroscopicLoadingTimeTooLong: return tr("hygroscopic loading time too long");
    case ResultCode::OnePlane: return tr("condensation in one plane");
    case ResultCode::OneZone: return tr("condensation in one zone");
    case ResultCode::SeveralZones: return tr("condensation in several planes or zones");
    }
    return QString();
}

QString VariantStudy::flippedText(const Change &change) {
    QStringList names;
    for (DINCriterion::Kind kind : change.flipped)
        names << criterionName(kind);
    if (change.basisChanged)
        names << tr("criteria basis");
    return names.join(QStringLiteral(", "));
}

bool VariantStudy::isLayerQuantity(Quantity quantity) {
    return quantity != Quantity::InsideHumidity && quantity != Quantity::InsideTemperature;
}

QString VariantStudy::unit(Quantity quantity) {
    switch (quantity) {
    case Quantity::Width:
    case Quantity::SdValue: return QStringLiteral("m");
    case Quantity::Lambda: return QStringLiteral("W/(m K)");
    case Quantity::Mu: return QStringLiteral("-");
    case Quantity::Aw: return QStringLiteral("kg/(m2 h^0.5)");
    case Quantity::InsideHumidity: return QStringLiteral("%");
    case Quantity::InsideTemperature: return QStringLiteral("°C");
    }
    return QString();
}

QString VariantStudy::quantityText(Quantity quantity) {
    switch (quantity) {
    case Quantity::Width: return tr("Thickness");
    case Quantity::SdValue: return tr("sd-value");
    case Quantity::Lambda: return tr("Thermal conductivity");
    case Quantity::Mu: return tr("Diffusion resistance factor");
    case Quantity::Aw: return tr("Water absorption coefficient");
    case Quantity::InsideHumidity: return tr("Indoor relative humidity");
    case Quantity::InsideTemperature: return tr("Indoor temperature");
    }
    return QString();
}

QString VariantStudy::criterionName(DINCriterion::Kind kind) {
    switch (kind) {
    case DINCriterion::MinimumResistance: return tr("minimum thermal resistance");
    case DINCriterion::TemperatureFactor: return tr("temperature factor f_Rsi");
    case DINCriterion::CondensateMass: return tr("condensate mass");
    case DINCriterion::Wood: return tr("moisture of wood");
    case DINCriterion::DryingTime: return tr("drying time");
    case DINCriterion::DryingReserve: return tr("drying reserve");
    default: return QString();
    }
}

void VariantStudy::apply(InputData &input, Quantity quantity, int layerIndex, double value) {
    if (quantity == Quantity::InsideHumidity)
        input.conditions().setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, value);
    else if (quantity == Quantity::InsideTemperature)
        input.conditions().setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, value);
    else
        applyToLayer(input.layers()[layerIndex], quantity, value);
}

VariantStudy::Row VariantStudy::evaluate(double value) {
    Row row;
    row.value = value;
    m_work = m_input;
    apply(m_work, m_quantity, m_layerIndex, value);
    row.inputStatus = m_work.check();
    row.resultCode = m_calculation.calculate(m_work, m_heatFlowDirection);
    const CalculationResults &results = m_calculation.results();
    row.basis = CriteriaBasis(results);
    row.U = results.U;
    row.glaserMc = results.glaserMc;
    row.Mc = row.basis.Mc;
    row.dryingTimeDays = row.basis.dryingTime / SECONDS_PER_DAY;
    row.criteria = DINCriteria::evaluate(m_work, m_heatFlowDirection, results, m_settings);
    row.allFulfilled = DINCriteria::allFulfilled(row.criteria);
    return row;
}

std::vector<VariantStudy::Row> VariantStudy::run(const std::vector<double> &values) {
    std::vector<Row> rows;
    rows.reserve(values.size());
    for (double value : values)
        rows.push_back(evaluate(value));
    return rows;
}

VariantStudy::Limit VariantStudy::findLimit(const std::vector<Row> &scan, double relativeTolerance) {
    std::vector<const Row *> judged;
    for (const Row &row : scan)
        if (row.allFulfilled)
            judged.push_back(&row);
    std::stable_sort(judged.begin(), judged.end(), [](const Row *a, const Row *b) { return a->value < b->value; });
    Limit limit;
    if (judged.empty())
        return limit;
    for (size_t i = 1; i < judged.size(); ++i) {
        const Row &a = *judged[i - 1];
        const Row &b = *judged[i];
        if (a.passes() != b.passes())
            limit.changes.push_back(a.passes() ? refine(a, b, relativeTolerance) : refine(b, a, relativeTolerance));
    }
    if (!limit.changes.empty())
        limit.kind = Limit::Found;
    else
        limit.kind = judged.front()->passes() ? Limit::AllPass : Limit::NonePass;
    return limit;
}

namespace {

/*! "yes", "no" or "not assessed" of a criterion kind in \a criteria; 0 when the kind was not evaluated. */
int verdictOf(const std::vector<DINCriterion> &criteria, DINCriterion::Kind kind) {
    for (const DINCriterion &criterion : criteria)
        if (criterion.kind == kind)
            return criterion.assessed ? (criterion.fulfilled ? 1 : 2) : 3;
    return 0;
}

} // namespace

VariantStudy::Change VariantStudy::refine(Row passing, Row failing, double relativeTolerance) {
    Change change;
    change.scanPassing = passing.value;
    change.scanFailing = failing.value;
    change.tolerance = relativeTolerance * std::max(std::abs(passing.value), std::abs(failing.value));
    // Halving ends at neighbouring doubles, where the midpoint rounds to one of the ends.
    for (int step = 0; step < MaximumBisections && std::abs(failing.value - passing.value) > change.tolerance; ++step) {
        const double middle = passing.value + 0.5 * (failing.value - passing.value);
        if (middle == passing.value || middle == failing.value)
            break;
        Row row = evaluate(middle);
        (row.passes() ? passing : failing) = std::move(row);
    }
    change.passing = passing.value;
    change.failing = failing.value;
    for (const std::vector<DINCriterion> *criteria : {&passing.criteria, &failing.criteria})
        for (const DINCriterion &criterion : *criteria)
            if (verdictOf(failing.criteria, criterion.kind) != verdictOf(passing.criteria, criterion.kind) &&
                std::find(change.flipped.begin(), change.flipped.end(), criterion.kind) == change.flipped.end())
                change.flipped.push_back(criterion.kind);
    change.basisChanged = passing.basis.method != failing.basis.method || passing.basis.scope != failing.basis.scope;
    return change;
}

std::vector<double> VariantStudy::linearValues(double from, double to, int steps) {
    std::vector<double> values;
    if (steps < 1)
        return values;
    values.reserve(steps);
    if (steps == 1)
        return {from};
    const double step = (to - from) / (steps - 1);
    for (int i = 0; i < steps - 1; ++i) {
        // Rounded to 15 digits, so that -1 + 3 * 0.2 is -0.4 and not -0.3999999999999999; a range through zero
        // would otherwise give a residue such as 6.9e-18 instead of 0.
        const double value = QByteArray::number(from + i * step, 'g', 15).toDouble();
        values.push_back(std::abs(value) < 1e-9 * std::abs(step) ? 0.0 : value);
    }
    values.push_back(to);
    return values;
}
