#ifndef DiagramAxesH
#define DiagramAxesH

// Axes and the dimension chain of the profile diagram: the value axes with arrow head, ticks, labels and
// rotated title, and the chain of layer widths under the construction. Used by DiagramScene::setup.

#include "DiagramPart.h"

#include <QPen>
#include <QRectF>

#include <vector>

class DimensionChain : public DiagramPart {
public:
    /*! widths in metres, one per layer; title is the hidden title item shown under the total label. */
    DimensionChain(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                   const std::vector<double> &widths, QGraphicsTextItem *title);

    /*! Draws labels, dimension lines, extension lines and ticks; returns the rows used. */
    DimensionChainRows draw();

    /*! Width label of a width in metres: whole millimetres when the fractional part is below 0.1,
        otherwise one decimal. */
    static QString widthLabel(double widthInMetres);

private:
    /*! Tops of the rows: the chain stands on the title line at the bottom of the area. */
    DimensionChainRows rowLayout(double labelHeight, bool overflow) const;
    /*! Places the overflow labels left to right without overlap, joined to their layer by leader lines. */
    void placeOverflowLabels(const std::vector<int> &layers, std::vector<QGraphicsTextItem *> &labels, double rowTop,
                             double lineY) const;
    void drawTick(double x, double y) const;
    void drawLines(const DimensionChainRows &rows, double layerLineY, double totalLineY) const;

    std::vector<double> m_widths;
    QGraphicsTextItem *m_title;
    double m_tick;
};

/*! A vertical value axis with ticks and labels on one side; labels never overlap (3 px clearance),
    so labels added first (the end values) win over later intermediate ones. */
class ValueAxis : public DiagramPart {
public:
    enum LabelSide { LabelsLeft, LabelsRight };

    ValueAxis(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry, double x,
              const QPen &pen, LabelSide side);

    /*! Draws the axis line and the arrow head. */
    void draw() const;
    /*! Tick across the axis at y and, when it keeps clear of the labels placed so far, its label.
        Returns true when the label was placed. */
    bool addTick(double y, const QString &label);
    /*! Shows the hidden title item rotated by -90 degrees beside the labels, centred on the plot height. */
    void showTitle(QGraphicsTextItem *title) const;

    double x() const { return m_x; }

private:
    double m_x;
    QPen m_pen;
    LabelSide m_side;
    std::vector<QRectF> m_labelRects;
};

#endif // DiagramAxesH
