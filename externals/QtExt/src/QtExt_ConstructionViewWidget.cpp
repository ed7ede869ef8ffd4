#include "QtExt_ConstructionViewWidget.h"

#include "QtExt_ConstructionView.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

// The library is static: its pictures are linked in only when something asks for them.
static void initResources() {
    Q_INIT_RESOURCE(QtExt);
}

namespace QtExt {

ConstructionViewWidget::ConstructionViewWidget(QWidget *parent)
    : QWidget(parent), m_toolBar(new QToolBar(this)), m_view(new ConstructionView(this)) {
    initResources();
    setObjectName(QStringLiteral("Form"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_view->setObjectName(QStringLiteral("graphicsView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view);
    addLayerAction(QStringLiteral("actionAssign_material"), tr("Assign material"),
                   tr("Assign material to the selected layer"),
                   QStringLiteral(":/Construction_assign_material_32x32.png"));
    addLayerAction(QStringLiteral("actionInsert_layer_left"), tr("Insert layer left"),
                   tr("Insert a new layer left from selected one"),
                   QStringLiteral(":/Construction_insert_layer_left_32x32.png"));
    addLayerAction(QStringLiteral("actionInsert_layer_right"), tr("Insert layer right"),
                   tr("Insert a new layer right from selected one"),
                   QStringLiteral(":/Construction_insert_layer_right_32x32.png"));
    addLayerAction(QStringLiteral("actionRemove_layer"), tr("Remove layer"), tr("Remove selected layer"),
                   QStringLiteral(":/Construction_remove_layer_32x32.png"));
    addLayerAction(QStringLiteral("actionMove_layer_left"), tr("Move layer left"), tr("Move selected layer to left"),
                   QStringLiteral(":/Construction_move_layer_to_left_32x32.png"));
    addLayerAction(QStringLiteral("actionMove_layer_right"), tr("Move layer right"), tr("Move selected layer to right"),
                   QStringLiteral(":/Construction_move_layer_to_right_32x32.png"));
    connect(m_view, &ConstructionView::layerSelected, this, &ConstructionViewWidget::onLayerSelected);
    connect(m_view, &ConstructionView::layerDoubleClicked, this, &ConstructionViewWidget::onLayerDoubleClicked);
    QMetaObject::connectSlotsByName(this);
    enableActions(false);
}

QAction *ConstructionViewWidget::addLayerAction(const QString &name, const QString &text, const QString &toolTip,
                                                const QString &icon) {
    auto *action = new QAction(QIcon(icon), text, this);
    action->setObjectName(name);
    action->setToolTip(toolTip);
    m_toolBar->addAction(action);
    m_actions.append(action);
    return action;
}

void ConstructionViewWidget::setData(const QVector<ConstructionLayer> &layers, bool readOnly, const QString &leftText,
                                     const QString &rightText) {
    m_readOnly = readOnly;
    enableActions(false);
    m_view->setData(m_view, layers, 1.0, leftText, rightText);
}

void ConstructionViewWidget::enableActions(bool enable) {
    for (QAction *action : m_actions)
        action->setEnabled(enable);
    m_toolBar->setEnabled(enable);
}

int ConstructionViewWidget::selected() const {
    return m_view->selectedLayer();
}

void ConstructionViewWidget::selectLayer(int index) {
    m_view->selectLayer(index);
}

void ConstructionViewWidget::onLayerSelected(int index) {
    enableActions(!m_readOnly && index != -1);
    emit layerSelected(index);
}

void ConstructionViewWidget::onLayerDoubleClicked(int index) {
    if (!m_readOnly)
        emit assignMaterial(index);
}

void ConstructionViewWidget::on_actionAssign_material_triggered() {
    emit assignMaterial(selected());
}

void ConstructionViewWidget::on_actionInsert_layer_left_triggered() {
    emit insertLayer(selected(), true);
}

void ConstructionViewWidget::on_actionInsert_layer_right_triggered() {
    emit insertLayer(selected(), false);
}

void ConstructionViewWidget::on_actionRemove_layer_triggered() {
    emit removelayer(selected());
}

void ConstructionViewWidget::on_actionMove_layer_left_triggered() {
    emit moveLayer(selected(), true);
}

void ConstructionViewWidget::on_actionMove_layer_right_triggered() {
    emit moveLayer(selected(), false);
}

} // namespace QtExt
