#ifndef DiagramPartH
#define DiagramPartH

// Common base of the parts of a profile diagram (dimension chain, axes, profiles): holds the scene the
// part adds its items to, the style (pens, fonts, scale) and the geometry of the current drawing.
// Parts live only while DiagramScene::setup draws; the items they add belong to the scene.

#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class DiagramStyle;
class QFont;
class QGraphicsLineItem;
class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QPainterPath;
class QPen;

/*! Geometry of one drawing, in scene coordinates (whole pixels held as doubles).
    positions holds n+1 layer boundaries for n layers: 0 the warm-side face, n the cold-side face. */
struct DiagramGeometry {
    QRectF rect;                   ///< area the scene was set up for
    QRectF plot;                   ///< plot rectangle, bottom raised above the dimension chain
    std::vector<double> positions; ///< layer boundary x positions
    int warmEdge = 0;              ///< outer end of the warm-side air zone
    int coldEdge = 0;              ///< outer end of the cold-side air zone
    double textHeight = 15.0;      ///< height of "T" in the label font
    double textWidth = 10.0;       ///< width of "T" in the label font
};

/*! Row positions (tops of the text rows) of a drawn dimension chain, for the scene's users and tests. */
struct DimensionChainRows {
    double totalRow = 0;    ///< lowest row: total thickness (with one layer also the layer label)
    double layerRow = 0;    ///< layer labels that fit their layer; equals totalRow for one layer
    double overflowRow = 0; ///< top row of the labels too wide for their layer; layerRow when none overflowed
    int overflowCount = 0;  ///< number of labels in the overflow rows
    int droppedCount = 0;   ///< labels left out for want of room
    double labelHeight = 0; ///< H, the largest label height
    double plotBottom = 0;  ///< top row minus H: the profiles stay above it
};

/*! A vertical value band inside the plot rectangle, mapped linearly. */
struct ValueBand {
    double top = 0;    ///< y of the band top
    double bottom = 0; ///< y of the band bottom
    double height() const { return bottom - top; }
};

class DiagramPart {
protected:
    DiagramPart(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry);
    ~DiagramPart() = default;

    QGraphicsLineItem *addLine(double x1, double y1, double x2, double y2, const QPen &pen) const;
    QGraphicsPathItem *addPath(const QPainterPath &path, const QPen &pen) const;
    /*! Adds a text item at (0, 0); callers place it using its bounding rectangle. */
    QGraphicsTextItem *addText(const QString &text, const QFont &font, bool richText = false) const;
    /*! Cubic boundary-zone curve from the air value at edgeX to the surface value at surfaceX: both control
        points at 0.8 of the way, rising by 1 % and 2 % of the height difference, so the curve stays flat
        in the air and bends sharply at the surface. */
    QGraphicsPathItem *addBoundaryZone(double edgeX, double edgeY, double surfaceX, double surfaceY,
                                       const QPen &pen) const;
    /*! A profile over the layer interfaces: boundary-zone curves from the air values \a inside and \a outside at
        the plot edges to the surfaces, straight lines between the interfaces; \a y maps a value to its pixel. */
    void addProfile(const std::vector<double> &values, double inside, double outside,
                    const std::function<double(double)> &y, const QPen &pen) const;
    /*! Vertical axis at x from the plot top to the plot bottom with a filled arrow head at the top. */
    void addAxis(double x, const QPen &pen) const;
    /*! Half width of the arrow head, also the tick half length. */
    double arrowHalfWidth() const;
    /*! Least distance of two axis ticks in pixels: AxisTicks::MinimumSpacingMM on paper, at least two label
        heights. */
    double tickSpacing() const;
    /*! The band from top + topFraction H to bottom - bottomFraction H of the plot (H whole pixels). */
    ValueBand band(double topFraction, double bottomFraction) const;
    /*! Offset of a value axis from the air-zone edge it stands at. */
    double axisOffset() const;
    /*! A tick label: the value with \a decimals, right-aligned in five characters. */
    static QString tickLabel(double value, int decimals);

    QGraphicsScene *m_scene;
    const DiagramStyle &m_style;
    const DiagramGeometry &m_geo;
};

#endif // DiagramPartH
