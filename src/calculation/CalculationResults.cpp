#include "CalculationResults.h"

void CalculationResults::clear() {
    resultCode = ResultCode::InvalidInput;
    glaserResultCode = ResultCode::InvalidInput;
    T.clear();
    p.clear();
    p_sat.clear();
    R.clear();
    Z.clear();
    glaserMc = 0;
    glaserDryingMass = 0;
    glaserDryingTime = 0;
    glaserFirstPlane = -1;
    glaserLastPlane = -1;
    condensationZones.clear();
    U = U_moist = U_iso6946 = R_total = R_total_moist = R_layers = R_layers_moist = 0;
    Mc_stationary = Mc = tau = t_hyg = dryingTime = dryingMass = 0;
    for (std::vector<double> *v :
         {&R_moist, &Z_moist, &R_liquid, &T_moist, &p_sat_moist, &p_moist, &w_left, &w_right, &sk_Cond, &mc})
        v->clear();
}

void CalculationResults::resize(int n) {
    const std::size_t layers = static_cast<std::size_t>(n);
    for (std::vector<double> *v : {&T_moist, &p_sat_moist, &p_moist})
        v->resize(layers + 1, 0.0);
    for (std::vector<double> *v : {&R_moist, &Z_moist, &R_liquid, &w_left, &w_right, &sk_Cond, &mc})
        v->resize(layers, 0.0);
}

bool CalculationResults::operator==(const CalculationResults &o) const {
    return resultCode == o.resultCode && glaserResultCode == o.glaserResultCode && thickness == o.thickness &&
           T == o.T && p == o.p && p_sat == o.p_sat && R == o.R && Z == o.Z && glaserMc == o.glaserMc &&
           glaserDryingMass == o.glaserDryingMass && glaserDryingTime == o.glaserDryingTime &&
           glaserFirstPlane == o.glaserFirstPlane && glaserLastPlane == o.glaserLastPlane &&
           condensationZones == o.condensationZones && glaserZones == o.glaserZones && U == o.U &&
           U_moist == o.U_moist && U_iso6946 == o.U_iso6946 && R_total == o.R_total &&
           R_total_moist == o.R_total_moist && R_layers == o.R_layers && R_layers_moist == o.R_layers_moist &&
           Mc_stationary == o.Mc_stationary && Mc == o.Mc && tau == o.tau && t_hyg == o.t_hyg &&
           dryingTime == o.dryingTime && dryingMass == o.dryingMass && R_moist == o.R_moist && Z_moist == o.Z_moist &&
           R_liquid == o.R_liquid && T_moist == o.T_moist && p_sat_moist == o.p_sat_moist && p_moist == o.p_moist &&
           w_left == o.w_left && w_right == o.w_right && sk_Cond == o.sk_Cond && mc == o.mc && messages == o.messages;
}
