#ifndef CalculationH
#define CalculationH

// The calculation engine: turns the layer sequence, the climates and the periods of a project
// into the results record. calculate() runs the Glaser scheme of DIN 4108-3 first and then the
// three passes of the moisture-dependent method. It never throws: failures end in a result code
// plus messages (HTML, with "layer-N" links counting layers from 1).
//
// Used by Project::setModified after every calculation-relevant edit, and by the command-line tool.

#include "CalculationResults.h"
#include "PlaneSearch.h"

#include "model/ProjectInformation.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class AssessmentConditions;
class InputData;

class Calculation {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    Calculation();
    /*! A calculation whose moisture-dependent passes find their plane sets with \a planeSearch instead of the
        program's PlaneSearch (tests and benchmarks compare strategies). Copies share the strategy: it keeps
        nothing between passes. */
    explicit Calculation(std::shared_ptr<PlaneSearchStrategy> planeSearch);

    /*! Runs the whole calculation for \a input with the project's heat flow direction and returns the final
        resultCode. */
    ResultCode calculate(const InputData &input, HeatFlowDirection heatFlowDirection);

    /*! The published results of the last calculate(). */
    const CalculationResults &results() const { return m_results; }

    /*! Interface temperatures of a layer sequence with thermal resistances R (m2K/W):
        T[k] = T_i - (R_si + sum_{j<k} R_j) * q with q = (T_i - T_e) / R_tot; T gets n+1 entries. */
    /*! Glaser condensate (kg/m2) of each zone of r.glaserZones, warm side first, after the condensation period
        of \a c: the one mass of a plane or zone (glaserMc), the masses m_a and m_b of two separate planes
        (see glaser()); empty without Glaser condensation. */
    static std::vector<double> glaserZoneMasses(const CalculationResults &r, const AssessmentConditions &c);

    /*! "No Solution found!", translated: the message of a plane search whose systems cannot be solved. */
    static QString noSolutionText();

    static void temperature_field(const std::vector<double> &R, double R_si, double R_se, double T_i, double T_e,
                                  std::vector<double> &T);

    /*! Straight-line vapour pressures (Pa) through layers with diffusion resistances Z
        (m2 s Pa/kg), boundary pressures by the power-form saturation pressure. Throws
        ZOT::Exception when the total resistance is 0. */
    static void vapor_field(std::vector<double> &p, const std::vector<double> &Z, double T_i, double rh_i, double T_e,
                            double rh_e);

private:
    // ---- Input checks (Calculation.cpp) ----
    //
    // The input status of InputData::check() decides first; the values themselves are checked again, since
    // a caller may calculate with a stale status. Each check appends the message of the first fault only.

    /*! False with a message when a layer has a width <= 0. */
    bool checkLayerWidths(const InputData &input);
    /*! False with a message when the input status reports an invalid material or climate, or when a layer's
        mu or lambda or a surface resistance is <= 0 (then followed by "Error in Glaser-Calculation."). */
    bool checkGlaserInput(const InputData &input, HeatFlowDirection heatFlowDirection);

    /*! Glaser step (steady-state diffusion, condensation in planes) for checked input; returns
        glaserResultCode. */
    ResultCode glaser(const InputData &input, HeatFlowDirection heatFlowDirection);

    /*! The three passes of the moisture-dependent method, run after the Glaser step; sets and returns
        resultCode. */
    ResultCode moistureDependentCalculation(const InputData &input, HeatFlowDirection heatFlowDirection);

    /*! Copies the working messages into the results: done at every exit of calculate(). */
    void publishMessages() { m_results.messages = m_messages; }

    /*! Messages of the calculation that is running. */
    QStringList m_messages;
    /*! The published results. */
    CalculationResults m_results;

    // ---- Moisture-dependent method (CalculationVapro.cpp) ----
    //
    // Index conventions: layers j = 0..n-1, interfaces k = 0..n. A plane set holds one flag per
    // interface (0 and n always false); the solution vector holds the vapour flux g entering from the
    // warm side at 0 and, for plane c = 1..m-1 (by increasing interface), the square of the
    // over-hygroscopic moisture content at that plane.

    /*! Layer values prepared once per calculation. */
    struct MoistureLayer {
        double d = 0;      ///< width, m
        double lambda = 0; ///< dry thermal conductivity, W/(m K)
        double w95 = 0;    ///< moisture content at 95 % RH, w80 * 95/80, m3/m3
        double dw = 0;     ///< over-hygroscopic range wsat - w95, m3/m3
    };

    /*! Climate of one calculation: winter and summer, surface resistances, periods in s. */
    struct MoistureClimate {
        double T_i = 0, rh_i = 0, R_si = 0, T_e = 0, rh_e = 0, R_se = 0;
        double T_i_summer = 0, rh_i_summer = 0, T_e_summer = 0, rh_e_summer = 0;
        double t_c = 0, t_ev = 0;
        double p_i = 0, p_e = 0; ///< winter boundary vapour pressures (power form), Pa
    };

    /*! Per-layer preparation (w95, dw, K, Z_moist, R_liquid, kappa); false with the moisture-storage
        messages when a layer has wsat <= w95. */
    bool prepareMoistureLayers(const InputData &input, HeatFlowDirection heatFlowDirection);
    /*! One pass; returns nothing to go on with the next pass, else the result code that ends the calculation. */
    std::optional<ResultCode> moisturePass(int pass);
    /*! R_moist with the zones of the previous pass, R_layers_moist, R_total_moist, U_moist, T_moist, p_sat_moist. */
    void moistureThermalField();
    /*! w_left/w_right from the ratio of vapour to saturation pressure times w95. */
    void hygroscopicMoistureContents();
    /*! Finds the plane set of the current pass with the plane-search strategy; true when plane set and solution
        were taken over, false with the messages of the failed search. */
    bool findPlaneCombination();
    /*! Copies plane set, solution and trial pressures of the combination the search found. */
    void takeFoundCombination();
    /*! Zone edges, inner layers, moisture contents and masses of every zone; false for a calculation error. */
    bool evaluateZones();
    /*! Edge thicknesses of zone (f, s); false for a calculation error. */
    bool zoneEdges(int f, int s);
    /*! Build-up of the condensate during the condensation period and drying; false for a calculation error. */
    bool scaleWithTime();
    /*! Scales the thicknesses, edge contents and masses of zone (f, s) to the build-up factor beta. */
    void scaleZone(int f, int s, double beta);
    /*! Time (s) to load the layers outside the zone from layer a to layer b up to 98 % of their
        hygroscopic moisture content. */
    double hygroscopicLoadingTime(int a, int b) const;
    /*! Time (s) to dry the mass M (kg/m2) from the first plane of the zone in the summer climate;
        dryingMass gets the mass (kg/m2) that can evaporate during the drying period. */
    double dryingOfZone(const std::pair<int, int> &zone, double M, double &dryingMass) const;
    /*! Vapour flux into (g_in) and out of (g_out) the condensation region from layer a to layer b. */
    void boundaryFluxes(int a, int b, double &g_in, double &g_out) const;
    /*! Empties the zone results (zones, thicknesses, masses, times); the profiles stay. */
    void clearZoneResults();
    /*! Ends the moisture-dependent calculation with a result code: clears the zone results unless
        the code reports condensation planes or zones, publishes the messages. */
    ResultCode finishMoistureCalculation(ResultCode resultCode);

    std::vector<MoistureLayer> m_moistLayers;
    std::shared_ptr<PlaneSearchStrategy> m_planeSearch;
    std::vector<double> m_kappa; ///< Delta w left / Delta w right of each interface, 0 at the surfaces
    MoistureClimate m_climate;
    int m_lastCombination = -1;   ///< valid combination of the previous pass, -1 when none
    std::vector<bool> m_planes;   ///< plane set of the valid combination, one flag per interface
    std::vector<double> m_x;      ///< solution of the valid combination
    std::vector<double> m_trialP; ///< vapour pressures of the solution, Pa
};

#endif // CalculationH
