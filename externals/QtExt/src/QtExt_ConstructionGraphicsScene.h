#ifndef QtExt_ConstructionGraphicsSceneH
#define QtExt_ConstructionGraphicsSceneH

// The drawing of the construction sketch: one selectable, hatched rectangle per layer (warm side left) with
// its name written upwards inside, a text over each boundary air zone and the dimension chain of the layer
// widths underneath. Screen mode uses fixed pixel margins and grey lines, report mode scales everything by the
// resolution scale. Used by ConstructionView.

#include "QtExt_ConstructionLayer.h"

#include <QFont>
#include <QGraphicsScene>
#include <QPen>
#include <QVector>

class QGraphicsTextItem;

namespace QtExt {

class ConstructionGraphicsScene : public QGraphicsScene {
    Q_OBJECT
public:
    ConstructionGraphicsScene(bool onScreen, QPaintDevice *device, QObject *parent = nullptr);

    /*! Redraws the sketch into \a frame unless frame and layers are those of the last drawing. An empty
        layer vector or a layer width <= 0 gives an empty sketch. */
    void setup(QRect frame, QPaintDevice *device, double res, const QVector<ConstructionLayer> &layers,
               const QString &leftText, const QString &rightText);

    /*! x positions of the layer boundaries 0..n of the last drawing. */
    const QVector<int> &layerPositions() const { return m_positions; }
    /*! Hatch spacing in pixels at resolution scale \a res: whole part of min(0.8 res, 5). */
    static int hatchSpacing(double res);

private:
    enum PenKind { ChainPen = 0, OutlinePen = 1, AuxiliaryPen = 2, PenCount = 3 };

    bool sameDrawing(const QRect &frame, const QVector<ConstructionLayer> &layers) const;
    void buildPens();
    QGraphicsTextItem *addTextItem(const QString &text, const QFont &font);
    void computeLayout(double total);
    void drawDimensionChain();
    void drawLayers();
    void drawSideTexts();

    bool m_onScreen;
    QPaintDevice *m_device;
    double m_res = 1.0;
    QFont m_labelFont;
    QFont m_titleFont;
    QRect m_frame;
    QRect m_plot;
    QVector<ConstructionLayer> m_layers;
    QString m_leftText;
    QString m_rightText;
    QVector<int> m_positions;
    int m_warmEdge = 0;
    int m_coldEdge = 0;
    QPen m_pens[PenCount];
    QGraphicsTextItem *m_chainTitle = nullptr;
};

} // namespace QtExt

#endif // QtExt_ConstructionGraphicsSceneH
