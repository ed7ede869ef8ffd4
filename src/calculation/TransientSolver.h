#ifndef TransientSolverH
#define TransientSolverH

// Transient coupled heat and moisture transport in one dimension after EN 15026. Unknowns per cell of a
// TransientMesh: temperature T (°C) and relative humidity phi (0..1). Equations (x from the interior surface):
//   moisture  dw/dt = d/dx [ D_phi dphi/dx + delta_p d(phi p_sat(T))/dx ]                       kg/(m3 s)
//   heat      (rho c + c_w w) dT/dt = d/dx [ lambda dT/dx ] + h_v d/dx [ delta_p d(phi p_sat)/dx ]  W/m3
// with delta_p = delta_a(T) / mu(w), p_sat from saturationPressure (Pa), c_w = 4185 J/(kg K), h_v = 2.5e6 J/kg.
// Finite volumes with the moisture stored as w (so that the discrete scheme conserves mass), implicit Euler in
// time and Newton's method on the 2x2 block-tridiagonal system; the Jacobian comes from difference quotients
// of the cell properties. Used by TransientModel (projects) and the validation tests.

#include "BlockTridiagonal.h"
#include "TransientMesh.h"

#include <QString>
#include <vector>

class HourlyClimate;
class HygrothermalMaterial;

/*! Condition at one surface of the construction. */
struct SurfaceCondition {
    enum Kind {
        /*! Exchange with the air: heat flux h (T_air - T_s), vapour flux beta_p (p_air - p_s). */
        Exchange,
        /*! Surface held at the temperature and relative humidity of the climate (first kind). */
        Prescribed
    };
    Kind kind = Exchange;
    /*! Heat transfer coefficient, W/(m2 K). */
    double h = 8;
    /*! Vapour transfer coefficient, kg/(m2 s Pa). */
    double betaP = 2.5e-8;
    /*! Climate of the air (Exchange) or of the surface (Prescribed); not owned, outlives the solver. */
    const HourlyClimate *climate = nullptr;
};

struct TransientSetup {
    TransientMesh mesh;
    /*! Material functions per layer of the mesh; not owned, outlive the solver. */
    std::vector<const HygrothermalMaterial *> materials;
    SurfaceCondition interior;
    SurfaceCondition exterior;
    /*! Initial state, uniform: temperature in °C and relative humidity 0..1. */
    double initialTemperature = 20;
    double initialRh = 0.5;
    /*! Longest time step, s (bounded further by the resolution of the climates). */
    double maxStep = 3600;
};

/*! What a run took. */
struct RunStatistics {
    long steps = 0;
    long newtonIterations = 0;
    /*! Newton steps that failed and were repeated with half the time step. */
    long failures = 0;
    /*! Smallest accepted time step, s. */
    double smallestStep = 0;
};

/*! Balances since the start: what entered through both surfaces against what is stored. */
struct TransientBalance {
    /*! Net moisture entering through both surfaces, kg/m2, and the sum of the absolute surface flows. */
    double moistureIn = 0;
    double moistureExchanged = 0;
    /*! Net heat entering through both surfaces, J/m2, its absolute flows, and the sum over the steps of the
        stored heat (rho c + c_w w) dT dx. */
    double heatIn = 0;
    double heatExchanged = 0;
    double heatStored = 0;
};

class TransientSolver {
public:
    explicit TransientSolver(TransientSetup setup);

    /*! Integrates up to time t (s from the start); the last step ends exactly at t. Returns false when the
        time step fell below one millisecond; errorText() says where. */
    bool advanceTo(double t);

    double time() const { return m_time; }
    const TransientMesh &mesh() const { return m_setup.mesh; }
    /*! Cell temperatures, °C, and relative humidities, 0..1. */
    const std::vector<double> &temperatures() const { return m_T; }
    const std::vector<double> &relativeHumidities() const { return m_phi; }
    /*! Water content of cell i at the current state, kg/m3. */
    double waterContent(int i) const;
    /*! Total water of the construction, kg/m2. */
    double totalWater() const;
    /*! Temperature (°C) and relative humidity (0..1) at the layer interfaces 0..n (0 the interior surface):
        heat and vapour flux continuous across each interface, the surfaces in balance with the air. */
    void interfaceValues(std::vector<double> &T, std::vector<double> &phi) const;

    const RunStatistics &statistics() const { return m_statistics; }
    const TransientBalance &balance() const { return m_balance; }
    QString errorText() const { return m_errorText; }

    /*! State of one cell or surface during an iteration. */
    struct State {
        double T, phi, psat, dpsatdT, p, Dphi, delta, deltaExponent, lambda;
    };
    /*! Heat (W/m2) and moisture (kg/(m2 s)) flux. */
    struct Flux {
        double q, g;
    };

private:
    struct CellProperties {
        State base;
        State perturbed;
        double w, dwdphi, ePhi;
    };
    struct Boundary {
        double airT, airPhi, airP;
        State surface;
    };

    bool step(double dt);
    /*! First guess of a step: the change of the last step, scaled to this step's length. */
    void predict(double dt);
    bool newtonIteration(double dt, double &maxDT, double &maxDPhi);
    void accept(double dt);
    void evaluateCells();
    void assemble(double dt);
    void setBoundary(const SurfaceCondition &condition, int cell, Boundary &boundary) const;
    void boundaryJacobian(const SurfaceCondition &condition, const Boundary &boundary, int cell, Flux &flux);
    State stateAt(int cell, double T, double phi, double &w, double &dwdphi) const;
    void surfaceValues(const SurfaceCondition &condition, int cell, double &T, double &phi) const;

    TransientSetup m_setup;
    int m_n = 0;
    std::vector<const HygrothermalMaterial *> m_cellMaterial;
    std::vector<double> m_dx;
    std::vector<char> m_sameAsNext;
    std::vector<double> m_T, m_phi, m_Told, m_phiOld, m_wOld;
    std::vector<double> m_lastChangeT, m_lastChangePhi;
    double m_lastStep = 0;
    std::vector<CellProperties> m_props;
    BlockTridiagonal m_system;
    Boundary m_left{}, m_right{};
    Flux m_leftFlux{}, m_rightFlux{};
    double m_time = 0;
    double m_dt = 10;
    double m_maxStep = 3600;
    RunStatistics m_statistics;
    TransientBalance m_balance;
    QString m_errorText;
};

#endif // TransientSolverH
