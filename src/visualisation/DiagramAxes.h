#ifndef DiagramAxesH
#define DiagramAxesH

// Axes and the dimension chain of the profile diagram: the value axes with arrow head, ticks, labels and
// rotated title, and the chain of layer widths under the construction. Used by DiagramScene::setup.

#include "DiagramPart.h"

#include <QBrush>
#include <QPen>
#include <QRectF>
#include <QString>

#include <vector>

class DimensionChain : public DiagramPart {
public:
    /*! What the chain measures: layer widths, labelled in millimetres, or sd values, labelled in metres. */
    enum Labels { WidthInMillimetres, SdInMetres };

    /*! widths in metres, one per layer; title is the hidden title item shown under the total label. */
    DimensionChain(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                   const std::vector<double> &widths, QGraphicsTextItem *title, Labels labels = WidthInMillimetres);

    /*! Draws labels, dimension lines, extension lines and ticks; returns the rows used. */
    DimensionChainRows draw();

    /*! Width label of a width in metres: whole millimetres when the fractional part is below 0.1,
        otherwise one decimal. */
    static QString widthLabel(double widthInMetres);
    /*! Label of an sd value in metres: two decimals below 1 m, one below 100 m, none above. */
    static QString sdLabel(double sd);

private:
    /*! Rows the labels too wide for their layer may take, one above the other. */
    static const int OverflowRows = 2;

    /*! Tops of the total and layer rows: the chain stands on the title line at the bottom of the area. */
    DimensionChainRows rowLayout(double labelHeight) const;
    /*! Top of overflow row \a row (0 the lowest). */
    static double overflowRowTop(const DimensionChainRows &rows, int row);
    /*! Places the overflow labels left to right in the lowest row where they neither overlap nor cross a leader
        line, within the drawing, joined to their layer by leader lines; deletes those that find no place.
        Returns the number of overflow rows used. */
    int placeOverflowLabels(const std::vector<int> &layers, std::vector<QGraphicsTextItem *> &labels,
                            const DimensionChainRows &rows, double lineY, std::vector<QRectF> obstacles) const;
    void drawTick(double x, double y) const;
    void drawLines(const DimensionChainRows &rows, double layerLineY, double totalLineY) const;

    QString label(double width) const;

    std::vector<double> m_widths;
    QGraphicsTextItem *m_title;
    Labels m_labels;
    double m_tick;
};

/*! Tick steps of the value axes, chosen by the drawing's size on paper so that every output (screen, picture
    files, report) shows the same ticks up to scale. */
class AxisTicks {
public:
    /*! Least distance of two ticks on paper. */
    static constexpr double MinimumSpacingMM = 8;

    /*! The smallest step of 1, 2 or 5 x 10^n whose ticks lie at least \a minSpacing pixels apart on an axis
        where \a range units take \a bandHeight pixels; \a range itself when the band is too low for that. */
    static double step(double range, double bandHeight, double minSpacing);
    /*! Decimals that write every multiple of \a step exactly. */
    static int decimals(double step);
    /*! The multiples of \a step strictly between \a low and \a high (a \a margin away from both). */
    static std::vector<double> values(double low, double high, double step, double margin);
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

/*! The legend box of a profile diagram: a heading (the method the values come from) and one line per entry
    with a line sample or, for a fill, a filled sample box. It takes the first corner of the plot where it
    covers no curve (or the one where it covers least), on a white ground above the drawing; its text is at
    least 7 pt. Drawn after all curves. */
class DiagramLegend : public DiagramPart {
public:
    struct Entry {
        QString text;
        QPen pen;
        QBrush brush = Qt::NoBrush; ///< a fill: the sample is a box
    };

    DiagramLegend(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry);

    void draw(const QString &heading, const std::vector<Entry> &entries) const;
    /*! Smallest point size of the legend text. */
    static constexpr double MinimumPointSize = 7;
    /*! Opacity of the legend's ground on screen where it covers curves (0..255). */
    static constexpr int ScreenGroundAlpha = 170;

private:
    /*! Area of the curves (lines, paths and fills of the profiles) that \a box would cover. */
    double coveredCurves(const QRectF &box) const;
};

#endif // DiagramAxesH
