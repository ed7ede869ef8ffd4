#ifndef CatalogueMaterialH
#define CatalogueMaterialH

// Material functions of the transient simulation derived from the values of a catalogue material (a layer of
// the construction): storage curve through w80 and wsat, liquid transport from A_w, constant mu and lambda,
// heat capacity from the category. Used by TransientModel for every layer.

#include "HygrothermalMaterial.h"

class MaterialLayer;
enum class HeatFlowDirection;

class CatalogueMaterial : public HygrothermalMaterial {
public:
    CatalogueMaterial(const MaterialLayer &layer, HeatFlowDirection direction);

    /*! Storage: w(phi) = w_f (b - 1) phi / (b - phi) up to phi = 0.98, b such that w(0.8) = w80; then a straight
        line to w_f at phi = 1. Liquid transport: D_w(w) = 3.8 (A/w_f)^2 1000^(w/w_f - 1) m2/s, A = A_w in
        kg/(m2 s^0.5). mu and lambda constant (lambda(w) = lambda (1 + b_lambda w / rho), b_lambda = 0). */
    void evaluate(double phi, MoistureProperties &properties) const override;
    double heatCapacity() const override { return m_rhoC; }
    double saturationWaterContent() const override { return m_wf; }

    /*! Specific heat capacity in J/(kg K) assumed for a catalogue category (0..13) or for wood. The catalogue
        carries none; the values are typical design values of EN ISO 10456 for the materials of each category. */
    static double specificHeatCapacity(int category, bool wood);

private:
    double storage(double phi, double &dwdphi) const;

    double m_wf = 0;
    double m_b = 0;
    double m_w98 = 0;
    double m_slope98 = 0;
    double m_dwCoefficient = 0;
    double m_mu = 1;
    double m_lambda = 1;
    double m_rhoC = 0;
};

#endif // CatalogueMaterialH
