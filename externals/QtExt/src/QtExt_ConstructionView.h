#ifndef QtExt_ConstructionViewH
#define QtExt_ConstructionViewH

// The graphics view of the construction sketch: owns its scene, redraws it when the size changes by at least
// the margin, and turns clicks on layer rectangles into layer selections and double clicks.

#include "QtExt_ConstructionLayer.h"

#include <QGraphicsView>
#include <QVector>

namespace QtExt {

class ConstructionGraphicsScene;

class ConstructionView : public QGraphicsView {
    Q_OBJECT
public:
    explicit ConstructionView(QWidget *parent = nullptr);

    /*! Stores the data, draws the sketch into the widget rectangle less the margin and shows the widget. */
    void setData(QPaintDevice *device, const QVector<ConstructionLayer> &layers, double res,
                 const QString &leftText = QString(), const QString &rightText = QString());

    ConstructionGraphicsScene *constructionScene() const { return m_scene; }
    /*! Index of the selected layer, -1 when none. */
    int selectedLayer() const { return m_selectedIndex; }

signals:
    void layerSelected(int index);
    void layerDoubleClicked(int index);

public slots:
    void selectLayer(int index);
    void sceneSelectionChanged();
    void sceneDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();
    void clearSelection();
    /*! Selects the layer item under \a pos when it is not selected yet; true when there is one. */
    bool selectItemAt(const QPoint &pos);
    int selectedIndexOfScene() const;

    ConstructionGraphicsScene *m_scene;
    QVector<ConstructionLayer> m_layers;
    QString m_leftText;
    QString m_rightText;
    QPaintDevice *m_device = nullptr;
    double m_res = 1.0;
    int m_margin = 5;
    int m_selectedIndex = -1;
    QSize m_drawnSize;
};

} // namespace QtExt

#endif // QtExt_ConstructionViewH
