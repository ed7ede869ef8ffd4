#ifndef MonthlyMethodH
#define MonthlyMethodH

// The monthly method of DIN EN ISO 13788: interstitial condensation and drying month by month over a year of
// monthly mean climates, and the interior surface check against mould. An alternative to the two-period Glaser
// scheme; it uses neither the project's climates nor its surface resistances, only its layers and heat flow
// direction. Used by the batch tool and the report; it never throws.
//
// Per month: interface temperatures theta_k from the thermal resistances (R_si by heat flow direction, R_se
// 0.04 m2K/W), saturation pressures p_sat,k (Magnus form), cumulative s_d,k = sum mu_j d_j (m). The vapour
// pressure line runs through the forced points (0, p_i), (s_d,n, p_e) and (s_d,k, p_sat,k) of every interface
// holding condensate at the start of the month; between two forced points it is the lower convex hull of them
// and the (s_d,k, p_sat,k) of the inner interfaces in between. At an inner fixed point k with neighbours a, b:
//   g_c,k = delta_0 [(p_a - p_k) / (s_d,k - s_d,a) - (p_k - p_b) / (s_d,b - s_d,k)]   kg/(m2 s),
// delta_0 = 2e-10 kg/(m s Pa); M_a,k <- max(0, M_a,k + g_c,k t_month) at the end of the month.
// The year starts in the first month that condenses from a dry construction after one that does not.

#include "MonthlyResults.h"

#include <QCoreApplication>

class InputData;
enum class HeatFlowDirection;
struct MonthlyClimate;
struct MonthlyInterior;

class MonthlyMethod {
    Q_DECLARE_TR_FUNCTIONS(MonthlyMethod)
public:
    /*! Vapour permeability of still air, kg/(m s Pa). */
    static constexpr double Delta0 = 2e-10;
    /*! Exterior surface resistance, m2K/W. */
    static constexpr double Rse = 0.04;
    /*! Interior surface resistance of the surface check, m2K/W. */
    static constexpr double RsiSurface = 0.25;
    /*! Relative humidity at the surface the mould check admits, %. */
    static constexpr double SurfaceHumidity = 80;

    /*! Results for the layers of \a input; invalid input (no layers, a width, mu or lambda <= 0, an invalid
        material) gives results with valid false and a message. */
    static MonthlyResults calculate(const InputData &input, HeatFlowDirection heatFlowDirection,
                                    const MonthlyClimate &climate, const MonthlyInterior &interior);

    /*! Interior surface resistance of the condensation calculation (DIN EN ISO 6946): 0.10 upwards,
        0.13 horizontal, 0.17 downwards, m2K/W. */
    static double interiorSurfaceResistance(HeatFlowDirection heatFlowDirection);
    /*! Exact inverse of the Magnus saturation pressure, °C, for p in Pa: with L = ln(p / 610.5),
        theta = 237.3 L / (17.269 - L) for p >= 610.5, else 265.5 L / (21.875 - L). */
    static double saturationTemperature(double p);
};

#endif // MonthlyMethodH
