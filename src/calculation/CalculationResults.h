#ifndef CalculationResultsH
#define CalculationResultsH

// The one results record of a calculation: filled by the Glaser step and the moisture-dependent
// method, read by the results panel, the diagrams, the report, the criteria and the command-line tool.
//
// Index conventions: layers j = 0..n-1 from the warm side; interfaces k = 0..n, 0 the inner surface,
// n the outer surface, interface k between layer k-1 and layer k. Units SI (°C, Pa, m2K/W,
// m2 s Pa/kg, kg/m2, s, m, m3/m3).

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

/*! Overall result of a calculation, stored in resultCode and glaserResultCode. The numbers are the ones the
    batch tool's output shows; codes from OnePlane on report condensation planes or zones. */
enum class ResultCode {
    NoLayers = 0,
    InvalidInput = 1,
    CalculationError = 2,
    NoAlgorithm = 3,
    CondensationLeftSurface = 4,
    CondensationRightSurface = 5,
    OneLayer = 6,
    NoCondensation = 7,
    HygroscopicLoadingTimeTooLong = 8,
    OnePlane = 9,
    OneZone = 10,
    SeveralZones = 11
};

class CalculationResults {
public:
    /*! Resets codes to InvalidInput, empties the profile vectors and condensationZones, zeroes the masses,
        times and U-values and sets both Glaser planes to -1. Leaves thickness, glaserZones and
        messages alone: calculate and the Glaser step set them themselves. */
    void clear();
    /*! Sizes the moisture-dependent vectors to n (layers) and n+1 (interfaces); new elements 0. */
    void resize(int n);

    bool operator==(const CalculationResults &other) const;
    bool operator!=(const CalculationResults &other) const { return !(*this == other); }

    ResultCode resultCode = ResultCode::InvalidInput;
    ResultCode glaserResultCode = ResultCode::InvalidInput;
    double thickness = 0;
    std::vector<double> T;
    std::vector<double> p;
    std::vector<double> p_sat;
    std::vector<double> R;
    std::vector<double> Z;
    double glaserMc = 0;
    double glaserDryingMass = 0;
    double glaserDryingTime = 0;
    int glaserFirstPlane = -1;
    int glaserLastPlane = -1;
    std::vector<std::pair<int, int>> condensationZones;
    std::vector<std::pair<int, int>> glaserZones;
    /*! U-values in W/(m2K) with the surface resistances of the condensation period: dry and moisture-dependent. */
    double U = 0;
    double U_moist = 0;
    /*! U-value of DIN EN ISO 6946 (its surface resistances by heat-flow direction), dry layers. */
    double U_iso6946 = 0;
    double R_total = 0;
    double R_total_moist = 0;
    double R_layers = 0;
    double R_layers_moist = 0;
    double Mc_stationary = 0;
    double Mc = 0;
    double tau = 0;
    double t_hyg = 0;
    double dryingTime = 0;
    double dryingMass = 0;
    std::vector<double> R_moist;
    std::vector<double> Z_moist;
    std::vector<double> R_liquid;
    std::vector<double> T_moist;
    std::vector<double> p_sat_moist;
    std::vector<double> p_moist;
    std::vector<double> w_left;
    std::vector<double> w_right;
    std::vector<double> sk_Cond;
    std::vector<double> mc;
    QStringList messages;
};

#endif // CalculationResultsH
