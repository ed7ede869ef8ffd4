#include "Iso6946.h"

#include <model/ProjectInformation.h>

double Iso6946::interiorSurfaceResistance(HeatFlowDirection direction) {
    switch (direction) {
    case HeatFlowDirection::Upwards: return 0.10;
    case HeatFlowDirection::Downwards: return 0.17;
    case HeatFlowDirection::Horizontal: break;
    }
    return 0.13;
}

double Iso6946::transmittance(double R_layers, HeatFlowDirection direction) {
    return 1 / (interiorSurfaceResistance(direction) + R_layers + ExteriorSurfaceResistance);
}
