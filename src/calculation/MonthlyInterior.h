#ifndef MonthlyInteriorH
#define MonthlyInteriorH

// Interior climate of the monthly method (DIN EN ISO 13788): a constant temperature with either a constant
// relative humidity or a moisture excess over the exterior air. Used by MonthlyMethod; the batch tool and the
// window set it from the user's choice.

struct MonthlyInterior {
    enum class Model { ConstantHumidity, MoistureExcess };

    /*! Moisture excess Delta v_0 at theta_e <= 0 °C of the humidity classes 1..5, kg/m3 (storage; dwellings
        with normal occupancy; unknown occupancy; kitchens and sports halls; special buildings such as pools). */
    static double classExcess(int humidityClass);

    /*! Interior vapour pressure p_i in Pa for the month with exterior theta_e (°C) and p_e (Pa).
        Constant humidity: p_i = p_sat(theta_i) phi_i / 100 (Magnus form).
        Moisture excess: Delta v = Delta v_0 at theta_e <= 0, 0 at theta_e >= 20, linear between
        (kg/m3); Delta p = Delta v R_v T_m with R_v = 461.5 J/(kg K) and T_m the mean of the interior and exterior
        absolute temperatures (K); p_i = p_e + 1.10 Delta p. */
    double vapourPressure(double thetaE, double pE) const;

    Model model = Model::ConstantHumidity;
    /*! Interior temperature, °C. */
    double theta = 20;
    /*! Interior relative humidity, % (constant humidity). */
    double phi = 50;
    /*! Moisture excess at theta_e <= 0 °C, kg/m3 (moisture excess). */
    double excess = 0.004;
};

#endif // MonthlyInteriorH
