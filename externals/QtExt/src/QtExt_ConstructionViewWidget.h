#ifndef QtExt_ConstructionViewWidgetH
#define QtExt_ConstructionViewWidgetH

// The construction sketch with its tool bar of layer actions (assign material, insert, remove, move). The
// widget changes nothing itself: it tells its owner what the user asked for. Read-only mode keeps every
// action disabled, for previews.

#include "QtExt_ConstructionLayer.h"

#include <QVector>
#include <QWidget>

class QAction;
class QToolBar;

namespace QtExt {

class ConstructionView;

class ConstructionViewWidget : public QWidget {
    Q_OBJECT
public:
    explicit ConstructionViewWidget(QWidget *parent = nullptr);

    /*! Shows the layers; all actions stay disabled until a layer is selected (for ever when read-only). */
    void setData(const QVector<ConstructionLayer> &layers, bool readOnly, const QString &leftText = QString(),
                 const QString &rightText = QString());
    ConstructionView *view() const { return m_view; }
    QToolBar *toolBar() const { return m_toolBar; }

signals:
    void layerSelected(int index);
    void assignMaterial(int index);
    void insertLayer(int index, bool left);
    void moveLayer(int index, bool left);
    void removelayer(int index);

public slots:
    void selectLayer(int index);
    void onLayerSelected(int index);
    void onLayerDoubleClicked(int index);
    void on_actionAssign_material_triggered();
    void on_actionInsert_layer_left_triggered();
    void on_actionInsert_layer_right_triggered();
    void on_actionRemove_layer_triggered();
    void on_actionMove_layer_left_triggered();
    void on_actionMove_layer_right_triggered();

private:
    QAction *addLayerAction(const QString &name, const QString &text, const QString &toolTip, const QString &icon);
    void enableActions(bool enable);
    int selected() const;

    QToolBar *m_toolBar;
    ConstructionView *m_view;
    QList<QAction *> m_actions;
    bool m_readOnly = false;
};

} // namespace QtExt

#endif // QtExt_ConstructionViewWidgetH
