#ifndef ConstructionSketchLayersH
#define ConstructionSketchLayersH

// How the layers of a construction appear in the construction sketch: each layer in its material's colour,
// hatched by the material category in the manner of building drawings (masonry diagonal, concrete cross,
// insulation arches, timber the other diagonal, stone grid).

#include <QtExt_ConstructionLayer.h>

#include <QVector>

class Material;
class MaterialLayer;

class ConstructionSketchLayers {
public:
    /*! Hatch pattern (0..7) of a material category; 0 for categories drawn plain and unknown ones. */
    static int hatchType(int category);
    /*! The material's colour; a neutral grey when it has none. */
    static QColor color(const Material &material);
    /*! One sketch layer per layer, warm side first, identified by its index. */
    static QVector<QtExt::ConstructionLayer> fromLayers(const QVector<MaterialLayer> &layers);
};

#endif // ConstructionSketchLayersH
