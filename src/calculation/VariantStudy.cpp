#include "VariantStudy.h"

#include "DINCriteria.h"
#include "PhysicalProperties.h"

#include <cmath>

namespace {

bool isLayerQuantity(VariantStudy::Quantity quantity) {
    return quantity != VariantStudy::Quantity::InsideHumidity && quantity != VariantStudy::Quantity::InsideTemperature;
}

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
    Limit limit;
    const Row *previous = nullptr;
    const Row *first = nullptr;
    const Row *second = nullptr;
    bool anyPasses = false;
    double lowest = 0, highest = 0;
    for (const Row &row : scan) {
        if (!row.allFulfilled)
            continue;
        if (!previous)
            lowest = highest = row.value;
        lowest = std::min(lowest, row.value);
        highest = std::max(highest, row.value);
        anyPasses = anyPasses || row.passes();
        if (previous && previous->passes() != row.passes()) {
            ++limit.changes;
            if (!first) {
                first = previous;
                second = &row;
            }
        }
        previous = &row;
    }
    if (!first) {
        limit.kind = anyPasses ? Limit::AllPass : Limit::NonePass;
        return limit;
    }
    double passing = first->passes() ? first->value : second->value;
    double failing = first->passes() ? second->value : first->value;
    const double tolerance = relativeTolerance * (highest - lowest);
    // Values between the two are judged as they come: a value without a verdict counts as failing.
    while (std::abs(failing - passing) > tolerance) {
        const double middle = 0.5 * (passing + failing);
        if (evaluate(middle).passes())
            passing = middle;
        else
            failing = middle;
    }
    limit.kind = Limit::Found;
    limit.passing = passing;
    limit.failing = failing;
    return limit;
}

std::vector<double> VariantStudy::linearValues(double from, double to, int steps) {
    std::vector<double> values;
    if (steps < 1)
        return values;
    values.reserve(steps);
    for (int i = 0; i < steps; ++i)
        values.push_back(steps == 1 ? from : from + (to - from) * i / (steps - 1));
    return values;
}
