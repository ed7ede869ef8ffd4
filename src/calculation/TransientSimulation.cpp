#include "TransientSimulation.h"

#include "CatalogueMaterial.h"
#include "PhysicalProperties.h"

#include <model/InputData.h>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {
const double HOURS_PER_YEAR = 8760;
/*! A last-year change of the total water below this (kg/m2) counts as equilibrium, not as a rise. */
const double RISE_THRESHOLD = 1e-3;
} // namespace

TransientSimulation::TransientSimulation(const InputData &input, HeatFlowDirection direction,
                                         const HourlyClimate &interior, const HourlyClimate &exterior,
                                         const Options &options)
    : m_interior(interior), m_exterior(exterior), m_options(options) {
    TransientSetup setup;
    for (const MaterialLayer &layer : input.layers()) {
        m_materials.push_back(std::make_unique<CatalogueMaterial>(layer, direction));
        setup.materials.push_back(m_materials.back().get());
        m_layerNames.push_back(layer.name());
        m_layerWidths.push_back(layer.width());
        m_layerDensities.push_back(layer.rho());
        m_layerWood.push_back(layer.isWood() || layer.isWoodbased());
    }
    MeshOptions mesh;
    mesh.refinement = options.refinement;
    setup.mesh = TransientMesh::graded(m_layerWidths, mesh);
    setup.interior = {SurfaceCondition::Exchange, options.hInterior, options.betaInterior, &m_interior};
    setup.exterior = {SurfaceCondition::Exchange, options.hExterior, options.betaExterior, &m_exterior};
    setup.initialTemperature = options.initialTemperature;
    setup.initialRh = options.initialRh;
    m_solver = std::make_unique<TransientSolver>(setup);
    m_initialWater = m_solver->totalWater();
}

TransientSimulation::~TransientSimulation() = default;

TransientSimulation::Record TransientSimulation::record() const {
    const TransientSolver &s = *m_solver;
    const auto &cells = s.mesh().cells();
    const size_t layers = m_layerWidths.size();
    Record r;
    r.hour = s.time() / SECONDS_PER_HOUR;
    r.layerWater.assign(layers, 0);
    r.layerRh.assign(layers, 0);
    r.layerT.assign(layers, 0);
    std::vector<double> w(cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
        const int j = cells[i].layer;
        w[i] = s.waterContent(static_cast<int>(i));
        r.layerWater[j] += w[i] * cells[i].width;
        r.layerRh[j] += s.relativeHumidities()[i] * cells[i].width;
        r.layerT[j] += s.temperatures()[i] * cells[i].width;
    }
    for (size_t j = 0; j < layers; ++j) {
        r.layerRh[j] *= 100 / m_layerWidths[j];
        r.layerT[j] /= m_layerWidths[j];
    }
    for (double x : m_options.monitors) {
        r.monitorT.push_back(s.mesh().interpolate(s.temperatures(), x));
        r.monitorRh.push_back(100 * s.mesh().interpolate(s.relativeHumidities(), x));
        r.monitorW.push_back(s.mesh().interpolate(w, x));
    }
    return r;
}

bool TransientSimulation::run(const std::function<bool(double, double)> &progress) {
    const auto start = std::chrono::steady_clock::now();
    const int hours = static_cast<int>(m_options.years * HOURS_PER_YEAR);
    m_records.clear();
    m_records.reserve(hours + 1);
    m_records.push_back(record());
    bool ok = true;
    for (int hour = 1; hour <= hours; ++hour) {
        if (!m_solver->advanceTo(hour * SECONDS_PER_HOUR)) {
            m_errorText = m_solver->errorText();
            ok = false;
            break;
        }
        m_records.push_back(record());
        if (progress && !progress(hour, hours))
            break;
    }
    m_completed = ok && m_records.size() == static_cast<size_t>(hours) + 1;
    m_wallTime = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return ok;
}

TransientSimulation::Summary TransientSimulation::summary() const {
    Summary summary;
    const Record &first = m_records.front();
    const Record &last = m_records.back();
    // the record one year before the end (or the first one for shorter runs)
    const size_t yearBack = m_records.size() > HOURS_PER_YEAR ? m_records.size() - 1 - size_t(HOURS_PER_YEAR) : 0;
    const Record &yearAgo = m_records[yearBack];
    const double yearFraction = std::max(last.hour - yearAgo.hour, 1.0) / HOURS_PER_YEAR;
    for (size_t j = 0; j < m_layerWidths.size(); ++j) {
        LayerSummary layer;
        layer.name = m_layerNames[j];
        layer.initial = first.layerWater[j];
        layer.final = last.layerWater[j];
        layer.trendPerYear = (last.layerWater[j] - yearAgo.layerWater[j]) / yearFraction;
        layer.wood = m_layerWood[j];
        for (const Record &r : m_records) {
            if (r.layerWater[j] > layer.maximum) {
                layer.maximum = r.layerWater[j];
                layer.maximumHour = r.hour;
            }
        }
        if (layer.wood && m_layerDensities[j] > 0) {
            // u = w / rho: mean water content (kg/m3) of the layer over its dry density, in M.-%
            layer.maximumMassMoisture = 100 * layer.maximum / m_layerWidths[j] / m_layerDensities[j];
            layer.maximumMassMoistureHour = layer.maximumHour;
        }
        summary.layers.push_back(layer);
        summary.totalInitial += layer.initial;
        summary.totalFinal += layer.final;
        summary.lastYearChange += last.layerWater[j] - yearAgo.layerWater[j];
    }
    summary.risingInLastYear = summary.lastYearChange > RISE_THRESHOLD;
    summary.hours = last.hour;
    summary.completed = m_completed;
    summary.cells = m_solver->mesh().size();
    summary.statistics = m_solver->statistics();
    summary.wallTimeSeconds = m_wallTime;
    const TransientBalance &b = m_solver->balance();
    const double moistureStored = m_solver->totalWater() - m_initialWater;
    summary.moistureBalanceError =
        b.moistureExchanged > 0 ? std::fabs(moistureStored - b.moistureIn) / b.moistureExchanged : 0.0;
    summary.heatBalanceError = b.heatExchanged > 0 ? std::fabs(b.heatStored - b.heatIn) / b.heatExchanged : 0.0;
    return summary;
}
