#ifndef RandomConstructionH
#define RandomConstructionH

// Random constructions for comparing search strategies of the moisture-dependent calculation: material
// values over the ranges of real building materials, often a tighter layer towards the cold side so that
// most constructions condense, sometimes layers without liquid transport or with a condensation period
// too short for any build-up, and a winter climate varied around the DIN 4108-3 values.

#include <model/InputData.h>

#include <random>

/*! A valid input of minLayers..maxLayers layers drawn from \a rng. */
InputData randomConstruction(std::mt19937 &rng, int minLayers, int maxLayers);

#endif // RandomConstructionH
