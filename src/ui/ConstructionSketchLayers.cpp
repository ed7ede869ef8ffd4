#include "ConstructionSketchLayers.h"

#include <QtExt_GraphicsRectItemWithHatch.h>

#include <model/MaterialLayer.h>

using Hatch = QtExt::GraphicsRectItemWithHatch;

int ConstructionSketchLayers::hatchType(int category) {
    switch (category) {
    case Material::PlasterAndMortar: return Hatch::Horizontal;
    case Material::BuildingBrick:
    case Material::CladdingAndTiles: return Hatch::RisingRight;
    case Material::NaturalStones: return Hatch::SquareGrid;
    case Material::ConcreteContaining:
    case Material::Soil: return Hatch::DiagonalCross;
    case Material::InsulationMaterials:
    case Material::NaturalMaterials: return Hatch::Insulation;
    case Material::BuildingBoards: return Hatch::Vertical;
    case Material::Timber: return Hatch::FallingRight;
    default: return Hatch::NoHatch;
    }
}

QColor ConstructionSketchLayers::color(const Material &material) {
    return material.color().isValid() ? material.color() : QColor(Qt::lightGray);
}

QVector<QtExt::ConstructionLayer> ConstructionSketchLayers::fromLayers(const QVector<MaterialLayer> &layers) {
    QVector<QtExt::ConstructionLayer> result;
    for (int i = 0; i < layers.size(); ++i) {
        const MaterialLayer &layer = layers[i];
        result.append({layer.width(), layer.name(), color(layer), i, hatchType(layer.category())});
    }
    return result;
}
