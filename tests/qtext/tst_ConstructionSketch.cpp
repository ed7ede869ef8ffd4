#include <QtTest>

#include <QtExt_ConstructionGraphicsScene.h>
#include <QtExt_ConstructionView.h>
#include <QtExt_ConstructionViewWidget.h>
#include <QtExt_GraphicsRectItemWithHatch.h>

#include <QAction>
#include <QGraphicsTextItem>
#include <QImage>
#include <QSignalSpy>
#include <QToolBar>

#include <algorithm>

namespace {

QVector<QtExt::ConstructionLayer> layers(const QVector<double> &widths) {
    QVector<QtExt::ConstructionLayer> result;
    for (int i = 0; i < widths.size(); ++i)
        result.append({widths[i], QString("Layer material %1").arg(i + 1), QColor(200, 120, 80), i, 4});
    return result;
}

QList<QtExt::GraphicsRectItemWithHatch *> layerItems(QGraphicsScene *scene) {
    QList<QtExt::GraphicsRectItemWithHatch *> result;
    for (QGraphicsItem *item : scene->items(Qt::AscendingOrder)) {
        if (auto *rect = dynamic_cast<QtExt::GraphicsRectItemWithHatch *>(item))
            result.append(rect);
    }
    // Selection raises an item: order by the layer index, not by stacking.
    std::sort(result.begin(), result.end(),
              [](QGraphicsItem *a, QGraphicsItem *b) { return a->data(0).toInt() < b->data(0).toInt(); });
    return result;
}

/*! Number of separate lines (or arc chains) in a path. */
int strokeCount(const QPainterPath &path) {
    int count = 0;
    for (int i = 0; i < path.elementCount(); ++i)
        count += path.elementAt(i).type == QPainterPath::MoveToElement ? 1 : 0;
    return count;
}

QPoint centreOf(QtExt::ConstructionView *view, int layer) {
    const QRectF rect = layerItems(view->scene())[layer]->sceneBoundingRect();
    return view->mapFromScene(rect.center());
}

} // namespace

// The construction sketch: hatch patterns, the drawing of thin and invalid layers, and what the view and its
// tool bar report for clicks in normal and read-only mode.
class tst_ConstructionSketch : public QObject {
    Q_OBJECT
private slots:
    void hatchSpacing_data();
    void hatchSpacing();
    void hatchPatterns_data();
    void hatchPatterns();
    void undrawableConstructions_data();
    void undrawableConstructions();
    void thinLayerHidesItsName();
    void selectionEnablesActions_data();
    void selectionEnablesActions();
};

void tst_ConstructionSketch::hatchSpacing_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("spacing");
    QTest::newRow("screen") << 1.0 << 0;
    QTest::newRow("1.25") << 1.25 << 1;
    QTest::newRow("3") << 3.0 << 2;
    QTest::newRow("6.25") << 6.25 << 5;
    QTest::newRow("20, limited") << 20.0 << 5;
}

void tst_ConstructionSketch::hatchSpacing() {
    QFETCH(double, scale);
    QFETCH(int, spacing);
    QImage device(800, 400, QImage::Format_ARGB32);
    QtExt::ConstructionGraphicsScene scene(false, &device);
    scene.setup(QRect(0, 0, 800, 400), &device, scale, layers({0.1, 0.2}), "in", "out");
    const QList<QtExt::GraphicsRectItemWithHatch *> items = layerItems(&scene);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->hatchSpacing(), double(spacing));
    QCOMPARE(items[0]->hatchPath().isEmpty(), spacing == 0);
}

void tst_ConstructionSketch::hatchPatterns_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("strokes");
    // Rectangle 20 wide, 30 high, spacing 5: 6 horizontal and 4 vertical lines; (20 + 30) / (5 * sqrt 2) = 7.07
    // diagonals each way.
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("horizontal") << 1 << 6;
    QTest::newRow("vertical") << 2 << 4;
    QTest::newRow("falling") << 3 << 7;
    QTest::newRow("rising") << 4 << 7;
    QTest::newRow("diagonal cross") << 5 << 14;
    QTest::newRow("square grid") << 6 << 10;
    QTest::newRow("unknown type") << 8 << 0;
}

void tst_ConstructionSketch::hatchPatterns() {
    QFETCH(int, type);
    QFETCH(int, strokes);
    const QRectF rect(100, 50, 20, 30);
    QtExt::GraphicsRectItemWithHatch item(rect);
    item.setHatchType(type);
    item.setHatchSpacing(5);
    const QPainterPath path = item.hatchPath();
    QCOMPARE(strokeCount(path), strokes);
    // Straight patterns stay inside the rectangle on their own; the clip is only a guard.
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPointF p = path.elementAt(i);
        QVERIFY2(p.x() >= rect.left() - 1e-9 && p.x() <= rect.right() + 1e-9 && p.y() >= rect.top() - 1e-9 &&
                     p.y() <= rect.bottom() + 1e-9,
                 qPrintable(QString("point %1 %2").arg(p.x()).arg(p.y())));
    }
}

void tst_ConstructionSketch::undrawableConstructions_data() {
    QTest::addColumn<QVector<double>>("widths");
    QTest::addColumn<int>("items");
    QTest::newRow("no layer") << QVector<double>{} << 0;
    QTest::newRow("zero width") << QVector<double>{0.1, 0.0} << 0;
    QTest::newRow("negative width") << QVector<double>{-0.1} << 0;
    QTest::newRow("one layer") << QVector<double>{0.2} << 1;
}

void tst_ConstructionSketch::undrawableConstructions() {
    QFETCH(QVector<double>, widths);
    QFETCH(int, items);
    QImage device(600, 300, QImage::Format_ARGB32);
    QtExt::ConstructionGraphicsScene scene(true, &device);
    scene.setup(QRect(0, 0, 600, 300), &device, 1.0, layers(widths), "", "");
    QCOMPARE(layerItems(&scene).size(), items);
}

void tst_ConstructionSketch::thinLayerHidesItsName() {
    QImage device(600, 300, QImage::Format_ARGB32);
    QtExt::ConstructionGraphicsScene scene(true, &device);
    scene.setup(QRect(0, 0, 600, 300), &device, 1.0, layers({0.3, 0.001}), "", "");
    QStringList visible;
    for (QGraphicsItem *item : scene.items()) {
        auto *text = dynamic_cast<QGraphicsTextItem *>(item);
        if (text && text->isVisible() && text->rotation() != 0)
            visible << text->toPlainText();
    }
    QCOMPARE(visible, QStringList{"Layer material 1"});
}

void tst_ConstructionSketch::selectionEnablesActions_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("editable") << false;
    QTest::newRow("read-only") << true;
}

void tst_ConstructionSketch::selectionEnablesActions() {
    QFETCH(bool, readOnly);
    QtExt::ConstructionViewWidget widget;
    widget.resize(600, 300);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.setData(layers({0.1, 0.2, 0.1}), readOnly, "in", "out");
    QSignalSpy selected(&widget, &QtExt::ConstructionViewWidget::layerSelected);
    QSignalSpy assign(&widget, &QtExt::ConstructionViewWidget::assignMaterial);
    QtExt::ConstructionView *view = widget.view();
    const QList<QAction *> actions = widget.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(actions.size(), 6);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, 1));
    QCOMPARE(selected.last().at(0).toInt(), 1);
    for (QAction *action : actions)
        QCOMPARE(action->isEnabled(), !readOnly);
    QCOMPARE(widget.toolBar()->isEnabled(), !readOnly);

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, 2));
    QCOMPARE(view->selectedLayer(), 2);
    QCOMPARE(assign.size(), readOnly ? 0 : 1);

    view->scene()->clearSelection();
    QCOMPARE(selected.last().at(0).toInt(), -1);
    for (QAction *action : actions)
        QVERIFY(!action->isEnabled());
}

QTEST_MAIN(tst_ConstructionSketch)
#include "tst_ConstructionSketch.moc"
