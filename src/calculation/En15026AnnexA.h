#ifndef En15026AnnexAH
#define En15026AnnexAH

// The benchmark case of EN 15026 Annex A: a semi-infinite slab, initially 20 °C and 50 % relative humidity,
// whose surface is held at 30 °C and 95 % from t = 0. Holds the material of the annex and the two climates and
// builds the solver setup (20 m deep, cells graded from 0.5 mm at the surface). Used by the validation test
// and the benchmark.

#include "HourlyClimate.h"
#include "HygrothermalMaterial.h"
#include "TransientSolver.h"

class En15026AnnexA {
public:
    /*! The material of the annex: storage over the suction pressure p_suc = -rho_w R_v T ln(phi) at
        T = 293.15 K, w(p_suc) = 146 / (1 + (8e-8 p_suc)^1.6)^0.375 kg/m3; liquid conductivity
        K(w) = exp(-39.2619 + 0.0704 u - 1.7420e-4 u^2 - 2.7953e-6 u^3 - 1.1566e-7 u^4 + 2.5969e-9 u^5),
        u = w - 73, so that D_phi = -K dp_suc/dphi = K rho_w R_v T / phi; mu(w) = 200 / f(w),
        f(w) = (1 - w/146) / (0.503 (1 - w/146)^2 + 0.497); lambda = 1.5 + 0.0158 w W/(m K);
        rho0 c0 = 1.824e6 J/(m3 K); delta_a = M_w / (R T) 26.1e-6 kg/(m s Pa). */
    class Material : public HygrothermalMaterial {
    public:
        void evaluate(double phi, MoistureProperties &properties) const override;
        double heatCapacity() const override { return 1.824e6; }
        double saturationWaterContent() const override { return 146; }
        double airPermeability(double TK, double &temperatureExponent) const override;
    };

    En15026AnnexA();
    /*! The setup of the case; refers to this object's material and climates. */
    TransientSetup setup() const;

private:
    Material m_material;
    HourlyClimate m_surface;
    HourlyClimate m_deep;
};

#endif // En15026AnnexAH
