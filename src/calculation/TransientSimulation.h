#ifndef TransientSimulationH
#define TransientSimulationH

// Transient simulation of a project's construction: builds the material functions of every layer from the
// catalogue values, the graded mesh and the surface conditions, runs the solver hour by hour and keeps per
// hour the total water content, mean relative humidity and mean temperature of each layer and the values at
// monitor positions. The summary holds what a consultant reads first: water content per layer at the start,
// at its maximum and at the end, the trend of the last year (DIN 4108-3 Annex D asks for a dynamic
// equilibrium) and the maximum mass-related moisture of wood and wood-based layers. Used by the batch tool.

#include "HourlyClimate.h"
#include "TransientSolver.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class InputData;
class HygrothermalMaterial;
enum class HeatFlowDirection;

class TransientSimulation {
    Q_DECLARE_TR_FUNCTIONS(TransientSimulation)
public:
    struct Options {
        /*! Simulated time in years of 8760 h. */
        int years = 1;
        /*! Initial state, uniform: relative humidity 0..1 and temperature °C. */
        double initialRh = 0.8;
        double initialTemperature = 20;
        /*! Mesh refinement factor (1 = standard grading). */
        double refinement = 1;
        /*! Exchange coefficients W/(m2 K) and kg/(m2 s Pa) of the interior and exterior surface. */
        double hInterior = 8;
        double betaInterior = 2.5e-8;
        double hExterior = 17;
        double betaExterior = 7.5e-8;
        /*! Monitor positions in m from the interior surface. */
        std::vector<double> monitors;
    };

    /*! Values of one hour; per layer in layer order, per monitor in the order given. */
    struct Record {
        double hour = 0;
        std::vector<double> layerWater; // kg/m2
        std::vector<double> layerRh;    // %
        std::vector<double> layerT;     // °C
        std::vector<double> monitorT;   // °C
        std::vector<double> monitorRh;  // %
        std::vector<double> monitorW;   // kg/m3
    };

    struct LayerSummary {
        QString name;
        /*! Total water content of the layer at the start, at its maximum and at the end, kg/m2. */
        double initial = 0;
        double maximum = 0;
        double maximumHour = 0;
        double final = 0;
        /*! Change over the last simulated year, kg/m2 per year. */
        double trendPerYear = 0;
        /*! Wood and wood-based layers: highest mean mass-related moisture (M.-%) and its hour. */
        bool wood = false;
        double maximumMassMoisture = 0;
        double maximumMassMoistureHour = 0;
    };

    struct Summary {
        std::vector<LayerSummary> layers;
        /*! Total water content of the construction at the start and the end, kg/m2; its change over the last
            simulated year, and whether that change is a rise (more than 1 g/m2). */
        double totalInitial = 0;
        double totalFinal = 0;
        double lastYearChange = 0;
        bool risingInLastYear = false;
        /*! Hours simulated; less than asked when the run was stopped or failed. */
        double hours = 0;
        bool completed = false;
        int cells = 0;
        RunStatistics statistics;
        double wallTimeSeconds = 0;
        /*! Balances over the run: |stored - entered| relative to the flows through both surfaces. */
        double moistureBalanceError = 0;
        double heatBalanceError = 0;
    };

    /*! Wood moisture above which a layer is flagged (M.-%). */
    static constexpr double WOOD_MOISTURE_LIMIT = 20;

    TransientSimulation(const InputData &input, HeatFlowDirection direction, const HourlyClimate &interior,
                        const HourlyClimate &exterior, const Options &options);
    ~TransientSimulation();

    /*! Simulates hour by hour. progress(hoursDone, hoursTotal) is called after every hour; when it returns false
        the run stops and keeps what is computed. Returns false when the solver failed (errorText()). */
    bool run(const std::function<bool(double, double)> &progress);

    const std::vector<Record> &records() const { return m_records; }
    Summary summary() const;
    QString errorText() const { return m_errorText; }
    const TransientSolver &solver() const { return *m_solver; }

private:
    Record record() const;

    std::vector<std::unique_ptr<HygrothermalMaterial>> m_materials;
    std::vector<QString> m_layerNames;
    std::vector<double> m_layerWidths;
    std::vector<double> m_layerDensities;
    std::vector<bool> m_layerWood;
    HourlyClimate m_interior;
    HourlyClimate m_exterior;
    Options m_options;
    std::unique_ptr<TransientSolver> m_solver;
    double m_initialWater = 0;
    std::vector<Record> m_records;
    bool m_completed = false;
    double m_wallTime = 0;
    QString m_errorText;
};

#endif // TransientSimulationH
