#ifndef ResultFieldsH
#define ResultFieldsH

// The floating-point fields of the results record by name, for tests that compare a whole record
// with reference values or with the command-line tool's JSON.

#include <calculation/CalculationResults.h>

#include <utility>
#include <vector>

/*! The double scalars of \a r (the integer codes and planes are not included). */
inline std::vector<std::pair<const char *, double>> resultDoubleFields(const CalculationResults &r) {
    return {{"thickness", r.thickness},
            {"glaserMc", r.glaserMc},
            {"glaserDryingMass", r.glaserDryingMass},
            {"glaserDryingTime", r.glaserDryingTime},
            {"U", r.U},
            {"U_moist", r.U_moist},
            {"U_iso6946", r.U_iso6946},
            {"R_total", r.R_total},
            {"R_total_moist", r.R_total_moist},
            {"R_layers", r.R_layers},
            {"R_layers_moist", r.R_layers_moist},
            {"Mc_stationary", r.Mc_stationary},
            {"Mc", r.Mc},
            {"tau", r.tau},
            {"t_hyg", r.t_hyg},
            {"dryingTime", r.dryingTime},
            {"dryingMass", r.dryingMass}};
}

/*! The layer and interface profiles of \a r. */
inline std::vector<std::pair<const char *, const std::vector<double> *>>
resultVectorFields(const CalculationResults &r) {
    return {{"T", &r.T},
            {"p", &r.p},
            {"p_sat", &r.p_sat},
            {"R", &r.R},
            {"Z", &r.Z},
            {"R_moist", &r.R_moist},
            {"Z_moist", &r.Z_moist},
            {"R_liquid", &r.R_liquid},
            {"T_moist", &r.T_moist},
            {"p_sat_moist", &r.p_sat_moist},
            {"p_moist", &r.p_moist},
            {"w_left", &r.w_left},
            {"w_right", &r.w_right},
            {"sk_Cond", &r.sk_Cond},
            {"mc", &r.mc}};
}

#endif // ResultFieldsH
