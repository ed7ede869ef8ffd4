#ifndef DiagramTestConstructionsH
#define DiagramTestConstructionsH

// Constructions for the diagram tests, built by hand and calculated with the real calculation: one, two and
// ten and twenty-four layers, with and without condensation, an air space, thin foils beside thicker layers, and
// summer-like and isothermal climates.

#include <calculation/Calculation.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <QColor>
#include <QString>

#include <initializer_list>

namespace DiagramTest {

struct LayerData {
    const char *name;
    double d;      ///< m
    double lambda; ///< W/(m K)
    double mu;
    double w80; ///< m3/m3
    double wsat;
    double Aw; ///< kg/(m2 s^0.5)
    QColor color;
    bool air = false;
};

inline MaterialLayer layer(const LayerData &l) {
    Material m(l.name, Material::BuildingBoards, QString(), QString(), QString(), QString(), 500, l.lambda, l.mu, l.w80,
               l.wsat, l.Aw, 1);
    m.setColor(l.color);
    if (l.air)
        m.setFlags(true, false, false, false);
    return MaterialLayer(m, l.d);
}

inline InputData construction(std::initializer_list<LayerData> layers) {
    InputData input;
    for (const LayerData &l : layers)
        input.layers().append(layer(l));
    return input;
}

inline InputData withClimate(InputData input, double T_i, double rh_i, double T_e, double rh_e) {
    AssessmentConditions &c = input.conditions();
    c.setInterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, T_i);
    c.setInterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, rh_i);
    c.setExterior(AssessmentConditions::Temperature, AssessmentConditions::Winter, T_e);
    c.setExterior(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, rh_e);
    return input;
}

const LayerData Plaster = {"Lime plaster", 0.015, 0.7, 10, 0.03, 0.3, 0.05, QColor(230, 220, 200)};
const LayerData Gypsum = {"Gypsum board", 0.0125, 0.25, 8, 0.01, 0.6, 0.2, QColor(240, 240, 240)};
const LayerData Concrete = {"Concrete", 0.2, 2.0, 80, 0.035, 0.15, 0.01, QColor(170, 170, 170)};
const LayerData Brick = {"Brick", 0.24, 0.5, 10, 0.01, 0.25, 0.1, QColor(200, 90, 60)};
const LayerData MineralWool = {"Mineral wool", 0.16, 0.04, 1, 0.0002, 0.9, 0.001, QColor(255, 230, 100)};
const LayerData Osb = {"OSB", 0.015, 0.13, 200, 0.09, 0.6, 0.005, QColor(210, 170, 100)};
const LayerData Foil = {"PE foil", 0.0002, 0.2, 100000, 0, 0.01, 0, QColor(60, 60, 200)};
const LayerData AirSpace = {"Air space", 0.03, 0.18, 1, 0, 0.01, 0, QColor(220, 240, 255), true};
const LayerData Wood = {"Softwood", 0.024, 0.13, 40, 0.12, 0.6, 0.01, QColor(180, 120, 60)};
const LayerData Render = {"Render", 0.01, 0.8, 25, 0.02, 0.2, 0.02, QColor(250, 250, 250)};

/*! Single-layer concrete wall. */
inline InputData oneLayer() {
    return construction({Concrete});
}

/*! Brick with exterior insulation: no condensation. */
inline InputData twoLayers() {
    return construction({Brick, MineralWool});
}

/*! Insulation without vapour retarder behind OSB on the cold side: condensation at the OSB. */
inline InputData condensingWall() {
    return construction({Gypsum, MineralWool, Osb});
}

/*! Ten layers with an air space and a foil directly beside the thick insulation. */
inline InputData tenLayers() {
    return construction({Plaster, Gypsum, Foil, MineralWool, Osb, AirSpace, Wood, Concrete, Brick, Render});
}

/*! Twenty-four layers: boards and foils in turn, the thick insulation and OSB at the cold side. */
inline InputData manyThinLayers() {
    InputData input;
    for (int i = 0; i < 11; ++i) {
        input.layers().append(layer(Gypsum));
        input.layers().append(layer(Foil));
    }
    input.layers().append(layer(MineralWool));
    input.layers().append(layer(Osb));
    return input;
}

inline CalculationResults calculate(const InputData &input) {
    Calculation calculation;
    calculation.calculate(input, HeatFlowDirection::Horizontal);
    return calculation.results();
}

} // namespace DiagramTest

#endif // DiagramTestConstructionsH
