#ifndef QtExt_GraphicsRectItemWithHatchH
#define QtExt_GraphicsRectItemWithHatchH

// A layer rectangle of the construction sketch that paints a hatch pattern under its outline and shows its
// selection as a heavy black frame. Carries the layer index as item data under key 0.

#include <QGraphicsRectItem>
#include <QPainterPath>
#include <QPen>

namespace QtExt {

class GraphicsRectItemWithHatch : public QGraphicsRectItem {
public:
    /*! Hatch patterns; d is the hatch spacing. */
    enum HatchType {
        NoHatch = 0,
        Horizontal = 1,    // lines every d from the top
        Vertical = 2,      // lines every d from the left
        FallingRight = 3,  // 45° lines, d apart, from the top right corner
        RisingRight = 4,   // 45° lines, d apart, from the top left corner
        DiagonalCross = 5, // 3 and 4
        SquareGrid = 6,    // 1 and 2
        Insulation = 7     // rows of arches (two quarter arcs) joined by short vertical lines
    };

    explicit GraphicsRectItemWithHatch(const QRectF &rect, QGraphicsItem *parent = nullptr);

    int hatchType() const { return m_hatchType; }
    void setHatchType(int type) { m_hatchType = type; }
    double hatchSpacing() const { return m_hatchSpacing; }
    void setHatchSpacing(double spacing) { m_hatchSpacing = spacing; }
    const QPen &hatchPen() const { return m_hatchPen; }
    void setHatchPen(const QPen &pen) { m_hatchPen = pen; }

    /*! The pattern inside the rectangle, not yet clipped; empty for no hatch or a spacing that gives no line. */
    QPainterPath hatchPath() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

private:
    void addHorizontal(QPainterPath &path) const;
    void addVertical(QPainterPath &path) const;
    void addFalling(QPainterPath &path) const;
    void addRising(QPainterPath &path) const;
    void addInsulation(QPainterPath &path) const;

    int m_hatchType = NoHatch;
    double m_hatchSpacing = 0;
    QPen m_hatchPen;
};

} // namespace QtExt

#endif // QtExt_GraphicsRectItemWithHatchH
