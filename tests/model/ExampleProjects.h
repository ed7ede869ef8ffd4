#ifndef ExampleProjectsH
#define ExampleProjectsH

// The example projects shipped in examples/, built in code. tst_ProjectFile checks that the shipped files
// still load equal to these; to regenerate the files deliberately after a format change, run
// tst_ProjectFile with the environment variable HYGROLUX_WRITE_EXAMPLES=1 and review the diff.

#include <model/Document.h>

#include <QColor>
#include <QVector>

namespace ExampleProjects {

inline Material material(const QString &name, int category, double rho, double lambda, double mu, double w80,
                         double wsat, double Aw, const QColor &colour) {
    Material m(name, category, QString(), QString(), QString(), QStringLiteral("Typical design values"), rho, lambda,
               mu, w80, wsat, Aw, Material::ConstructionDatabaseId);
    m.setColor(colour);
    return m;
}

inline Material foil(const QString &name, double sd, double mu, const QColor &colour) {
    Material m = material(name, Material::FoilsAndWaterproofing, 950, 0.35, mu, 0.0001, 0.001, 0, colour);
    m.setSd_value(sd);
    m.setFlag(Material::Foil, true);
    return m;
}

inline Document document(const QString &name, const QString &id, HeatFlowDirection heatFlowDirection,
                         const QVector<MaterialLayer> &layers) {
    Document doc;
    doc.inputData().layers() = layers;
    ProjectInformation &info = doc.projectInformation();
    info.m_projectName = name;
    info.m_constructionID = id;
    info.m_userName = QStringLiteral("Example");
    info.m_description = QStringLiteral("Example project shipped with the program; the material values are "
                                        "typical values, check them against the products used.");
    info.m_heatFlowDirection = heatFlowDirection;
    return doc;
}

/*! Timber-frame wall with an installation cavity and a vapour retarder (sd 2 m), wood fibre board outside. */
inline Document timberFrameWall() {
    Material gypsum = material("Gypsum plasterboard", Material::BuildingBoards, 850, 0.25, 8, 0.006, 0.65, 0.28,
                               QColor(225, 225, 225));
    Material air = material("Air space (not ventilated)", Material::Miscellaneous, 1.23, 0.025, 1, 0.00001, 1.0, 0,
                            QColor(235, 245, 255));
    air.setFlag(Material::Air, true);
    air.setMaterialId(0);
    Material osb =
        material("OSB board", Material::BuildingBoards, 600, 0.13, 175, 0.07, 0.55, 0.001, QColor(200, 160, 90));
    osb.setFlag(Material::Woodbased, true);
    Material wool = material("Mineral wool between studs", Material::InsulationMaterials, 40, 0.035, 1, 0.0001, 0.9, 0,
                             QColor(250, 235, 110));
    Material fibre = material("Wood fibre insulation board", Material::InsulationMaterials, 250, 0.048, 5, 0.03, 0.8,
                              0.003, QColor(190, 140, 80));
    fibre.setFlag(Material::Woodbased, true);
    Material render =
        material("Lime render", Material::PlasterAndMortar, 1600, 0.7, 15, 0.015, 0.35, 0.05, QColor(240, 235, 220));
    return document("Timber-frame wall", "AW-H1", HeatFlowDirection::Horizontal,
                    {MaterialLayer(gypsum, 0.0125), MaterialLayer(air, 0.04),
                     MaterialLayer(foil("Vapour retarder sd 2 m", 2, 10000, QColor(90, 140, 220)), 0.0002),
                     MaterialLayer(osb, 0.015), MaterialLayer(wool, 0.16), MaterialLayer(fibre, 0.06),
                     MaterialLayer(render, 0.008)});
}

/*! Solid brick wall insulated on the inside with capillary-active calcium silicate boards. */
inline Document masonryWallInsideInsulation() {
    Material plaster =
        material("Lime plaster", Material::PlasterAndMortar, 1600, 0.7, 10, 0.01, 0.35, 0.08, QColor(235, 225, 205));
    Material calsil = material("Calcium silicate board", Material::InsulationMaterials, 250, 0.06, 6, 0.006, 0.9, 1.0,
                               QColor(245, 245, 235));
    Material brick =
        material("Solid brick", Material::BuildingBrick, 1800, 0.81, 10, 0.009, 0.24, 0.2, QColor(180, 80, 60));
    Material render = material("Lime-cement render", Material::PlasterAndMortar, 1800, 0.87, 20, 0.02, 0.25, 0.02,
                               QColor(210, 205, 195));
    return document("Masonry wall with inside insulation", "AW-M2", HeatFlowDirection::Horizontal,
                    {MaterialLayer(plaster, 0.01), MaterialLayer(calsil, 0.06), MaterialLayer(plaster, 0.015),
                     MaterialLayer(brick, 0.365), MaterialLayer(render, 0.02)});
}

/*! Warm flat roof on a concrete slab: bitumen vapour barrier, EPS insulation, bitumen roofing membrane. */
inline Document flatRoof() {
    Material concrete = material("Reinforced concrete", Material::ConcreteContaining, 2400, 2.3, 80, 0.04, 0.15, 0.01,
                                 QColor(160, 160, 160));
    Material eps = material("EPS insulation", Material::InsulationMaterials, 20, 0.035, 60, 0.0002, 0.06, 0,
                            QColor(250, 250, 250));
    return document(
        "Flat roof", "DA-F3", HeatFlowDirection::Upwards,
        {MaterialLayer(concrete, 0.2),
         MaterialLayer(foil("Bitumen vapour barrier with aluminium", 1500, 300000, QColor(60, 60, 60)), 0.005),
         MaterialLayer(eps, 0.2),
         MaterialLayer(foil("Bitumen roofing membrane", 100, 25000, QColor(40, 40, 40)), 0.004)});
}

/*! Flat roof on a concrete slab with EPS insulation directly under a bitumen sheet, without a vapour barrier:
    condensate collects between the insulation and the sheet, where neither side transports liquid water. */
inline Document flatRoofOnEps() {
    Material concrete = material("Reinforced concrete", Material::ConcreteContaining, 2300, 2.3, 130, 0.05, 0.15, 0.015,
                                 QColor(154, 154, 150));
    Material eps = material("EPS insulation 040", Material::InsulationMaterials, 15, 0.04, 100, 0.0001, 0.9, 0,
                            QColor(245, 245, 240));
    return document(
        "Flat roof on EPS without vapour barrier", "DA-F4", HeatFlowDirection::Upwards,
        {MaterialLayer(concrete, 0.2), MaterialLayer(eps, 0.16),
         MaterialLayer(foil("Polymer-modified bitumen sheet sd 200 m", 200, 40000, QColor(30, 30, 30)), 0.005)});
}

/*! Timber roof insulated between the rafters, PE vapour retarder inside, OSB and a bitumen sheet outside. */
inline Document timberRoof() {
    Material gypsum = material("Gypsum plasterboard", Material::BuildingBoards, 900, 0.25, 10, 0.008, 0.6, 0.25,
                               QColor(245, 244, 239));
    Material wool = material("Rock wool between rafters", Material::InsulationMaterials, 100, 0.04, 1, 0.0005, 0.9, 0,
                             QColor(211, 195, 131));
    Material osb =
        material("OSB board", Material::BuildingBoards, 650, 0.13, 200, 0.07, 0.5, 0.003, QColor(214, 176, 108));
    osb.setFlag(Material::Woodbased, true);
    return document("Timber roof with PE vapour retarder", "DA-H1", HeatFlowDirection::Upwards,
                    {MaterialLayer(gypsum, 0.0125),
                     MaterialLayer(foil("PE vapour retarder sd 100 m", 100, 500000, QColor(196, 227, 242)), 0.0002),
                     MaterialLayer(wool, 0.2), MaterialLayer(osb, 0.022),
                     MaterialLayer(foil("Bitumen sheet sd 60 m", 60, 20000, QColor(38, 38, 38)), 0.003)});
}

} // namespace ExampleProjects

#endif // ExampleProjectsH
