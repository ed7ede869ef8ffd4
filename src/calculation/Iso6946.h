#ifndef Iso6946H
#define Iso6946H

// Thermal transmittance of DIN EN ISO 6946 for a construction of homogeneous layers: the U-value an energy
// certificate takes, with the conventional surface resistances of that standard rather than those of the
// moisture check. Used by the calculation, which stores it in the results record.

enum class HeatFlowDirection;

class Iso6946 {
public:
    /*! Exterior surface resistance R_se in m2K/W. */
    static constexpr double ExteriorSurfaceResistance = 0.04;

    /*! Interior surface resistance R_si in m2K/W by heat-flow direction: upwards 0.10, horizontal 0.13,
        downwards 0.17. */
    static double interiorSurfaceResistance(HeatFlowDirection direction);
    /*! U = 1 / (R_si + R_layers + R_se) in W/(m2K), with R_layers (m2K/W) the sum of the layer resistances d / lambda
        (air spaces with their values for the direction). */
    static double transmittance(double R_layers, HeatFlowDirection direction);
};

#endif // Iso6946H
