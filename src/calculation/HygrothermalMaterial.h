#ifndef HygrothermalMaterialH
#define HygrothermalMaterialH

// Material functions of the transient heat and moisture simulation (EN 15026): moisture storage, liquid and
// vapour transport, thermal conductivity and heat capacity of one material as functions of the relative
// humidity. The solver calls evaluate() for every cell and Newton iteration, so implementations compute
// everything in one pass. CatalogueMaterial derives the functions from a catalogue material record; materials
// with measured functions (the validation cases) derive from this class directly.

/*! Values of the material functions at one relative humidity. */
struct MoistureProperties {
    /*! Water content w, kg/m3. */
    double w = 0;
    /*! Moisture capacity dw/dphi, kg/m3. */
    double dwdphi = 0;
    /*! Liquid conductivity for the relative humidity, D_phi = D_w(w) dw/dphi, kg/(m s). */
    double Dphi = 0;
    /*! Vapour diffusion resistance factor mu(w), -; infinity for a material without vapour transport. */
    double mu = 1;
    /*! Thermal conductivity lambda(w), W/(m K). */
    double lambda = 1;
};

class HygrothermalMaterial {
public:
    virtual ~HygrothermalMaterial() = default;

    /*! Material functions at relative humidity phi (0 < phi <= 1). */
    virtual void evaluate(double phi, MoistureProperties &properties) const = 0;
    /*! Heat capacity of the dry material rho c, J/(m3 K). */
    virtual double heatCapacity() const = 0;
    /*! Water content at saturation w_f, kg/m3. */
    virtual double saturationWaterContent() const = 0;

    /*! Vapour permeability of still air at TK (K) in kg/(m s Pa): delta_a = 2.0e-7 TK^0.81 / 101325. The
        exponent of TK goes to temperatureExponent, so that the solver can differentiate without a second call. */
    virtual double airPermeability(double TK, double &temperatureExponent) const;
};

/*! Specific heat capacity of water, J/(kg K). */
constexpr double HEAT_CAPACITY_WATER = 4185.0;
/*! Latent heat of evaporation, J/kg. */
constexpr double LATENT_HEAT_EVAPORATION = 2.5e6;
/*! Density of liquid water, kg/m3. */
constexpr double DENSITY_WATER = 1000.0;
/*! Specific gas constant of water vapour, J/(kg K). */
constexpr double GAS_CONSTANT_VAPOUR = 461.9;
/*! Kelvin of 0 °C. */
constexpr double KELVIN_OFFSET = 273.15;

#endif // HygrothermalMaterialH
