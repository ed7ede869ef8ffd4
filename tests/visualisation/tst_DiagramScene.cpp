#include <QtTest>

#include <DiagramEnums.h>

#include "DiagramTestConstructions.h"

#include <FuzzyCompare.h>

#include <calculation/CriteriaBasis.h>
#include <visualisation/DiagramAxes.h>
#include <visualisation/DiagramProfiles.h>
#include <visualisation/DiagramScene.h>
#include <visualisation/DiagramStyle.h>

#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QImage>

#include <cmath>

// Geometry of the diagram scene: layer positions, dimension chain rows, temperature bands, pressure and
// moisture profiles, and the cases that draw nothing. Pixels are not compared; items are found by pen.

using namespace DiagramTest;

Q_DECLARE_METATYPE(InputData)
Q_DECLARE_METATYPE(std::vector<double>)

namespace {

using Type = DiagramScene::DiagramType;

const QRectF Area(0, 0, 800, 500);

struct SceneFixture {
    QImage device{800, 500, QImage::Format_ARGB32_Premultiplied};
    DiagramScene scene{true, &device, DiagramFontSettings()};
    DiagramStyle style{true, DiagramFontSettings()};

    SceneFixture() { style.rebuild(1.0, &device); }

    void draw(const InputData &input, DiagramScene::DiagramType type, const QRectF &rect = Area) {
        scene.setup(rect, &device, 1.0, calculate(input), input, type);
    }

    QList<QGraphicsLineItem *> lines(DiagramStyle::PenRole role) const {
        QList<QGraphicsLineItem *> found;
        for (QGraphicsItem *item : scene.items()) {
            QGraphicsLineItem *line = qgraphicsitem_cast<QGraphicsLineItem *>(item);
            if (line && line->pen() == style.pen(role))
                found << line;
        }
        return found;
    }

    QList<QGraphicsTextItem *> visibleTexts() const {
        QList<QGraphicsTextItem *> found;
        for (QGraphicsItem *item : scene.items()) {
            QGraphicsTextItem *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
            if (text && text->isVisible())
                found << text;
        }
        return found;
    }

    /*! Tick labels left of the warm edge: the temperature axis. */
    QMap<QString, double> temperatureLabels() const {
        QMap<QString, double> labels;
        for (QGraphicsTextItem *text : visibleTexts()) {
            const QRectF r = text->sceneBoundingRect();
            if (r.right() < scene.warmEdge() && text->rotation() == 0)
                labels.insert(text->toPlainText().trimmed(), r.center().y());
        }
        return labels;
    }

    /*! The temperature band of the scene's plot rectangle: (top, bottom). */
    QPair<double, double> temperatureBand() const {
        const QRectF plot = scene.plotRect();
        const double H = std::trunc(plot.height());
        return {plot.top() + 0.05 * H, plot.bottom() - 0.25 * H};
    }
};

/*! The saturation line (pen 1, straight parts across the layers) at x, by linear interpolation. */
double saturationAt(const QList<QGraphicsLineItem *> &saturation, double x) {
    for (QGraphicsLineItem *item : saturation) {
        const QLineF l = item->line();
        if (l.x1() < l.x2() && x >= l.x1() && x <= l.x2())
            return l.y1() + (x - l.x1()) / (l.x2() - l.x1()) * (l.y2() - l.y1());
    }
    return std::nan("");
}

} // namespace

class tst_DiagramScene : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void layerPositions_data();
    void layerPositions();
    void drawnWidths_data();
    void drawnWidths();
    void reportModeEdges();
    void widthLabel_data();
    void widthLabel();
    void labelRows_data();
    void labelRows();
    void drawingStaysInPlace_data();
    void drawingStaysInPlace();
    void temperatureTicks_data();
    void temperatureTicks();
    void flatTemperatureBand();
    void nothingDrawn_data();
    void nothingDrawn();
    void unchangedSetupKeepsScene();
    void realPressureNeverAboveSaturation();
    void moistureScaleFallsBackToW80();
    void condensationZoneVisible();
    void tickStep_data();
    void tickStep();
    void tickValues();
    void moistureScaleFollowsMass();
    void squareRootEdge();
    void sketchNumbersSidesAndOutlines();
    void legendReadableInPrint_data();
    void legendReadableInPrint();
    void glaserProfilesWithoutMoistureResult_data();
    void glaserProfilesWithoutMoistureResult();
};

void tst_DiagramScene::layerPositions_data() {
    QTest::addColumn<InputData>("input");
    QTest::newRow("one layer") << oneLayer();
    QTest::newRow("two layers") << twoLayers();
    QTest::newRow("three equal layers, rounding losses") << construction({Brick, Brick, Brick});
    QTest::newRow("ten layers with a foil of 0.2 mm") << tenLayers();
}

void tst_DiagramScene::layerPositions() {
    QFETCH(InputData, input);
    SceneFixture f;
    f.draw(input, Type::MoistureContent);
    const QRectF plot = f.scene.plotRect();
    const std::vector<double> &pos = f.scene.layerPositions();
    const int n = input.layers().size();
    QCOMPARE(int(pos.size()), n + 1);
    using L = DiagramStyle::Layout;
    QCOMPARE(f.scene.warmEdge(), int(plot.left() + L::ScreenWarmSideSpace));
    QCOMPARE(f.scene.coldEdge(), int(plot.right() - L::ScreenColdSideSpace));

    const double z = pos[0] - f.scene.warmEdge();
    QCOMPARE(z, std::trunc(std::max(L::MinimumAirZone, L::AirZoneShare * plot.width())));
    const double available = f.scene.coldEdge() - 2 * z - f.scene.warmEdge();
    double total = 0;
    for (const MaterialLayer &l : input.layers())
        total += l.width();
    QCOMPARE(f.scene.totalThickness(), total);
    std::vector<double> widths;
    for (const MaterialLayer &l : input.layers())
        widths.push_back(l.width());
    const double minimum = L::MinimumLayerInPens * f.style.pen(DiagramStyle::LayerBoundary).widthF();
    const std::vector<double> drawn = DiagramScene::drawnWidths(widths, available, minimum);
    for (int i = 0; i < n; ++i) {
        QCOMPARE(pos[i], std::trunc(pos[i]));
        QCOMPARE(pos[i + 1] - pos[i], std::trunc(drawn[i]));
    }
    // every layer loses less than a pixel, and all of it shows at the cold side
    const double loss = (f.scene.coldEdge() - z) - pos[n];
    QVERIFY(loss >= 0);
    QVERIFY(loss < n);
}

void tst_DiagramScene::drawnWidths_data() {
    QTest::addColumn<std::vector<double>>("widths");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<std::vector<double>>("drawn");
    QTest::newRow("in proportion") << std::vector<double>{1, 1, 2} << 10.0 << std::vector<double>{100, 100, 200};
    QTest::newRow("a foil gets the minimum, the others share the rest")
        << std::vector<double>{0.0002, 0.1, 0.3} << 20.0 << std::vector<double>{20, 95, 285};
    QTest::newRow("raising one pushes another below the minimum")
        << std::vector<double>{0.001, 0.0535, 1} << 20.0 << std::vector<double>{20, 20, 360};
    QTest::newRow("no room for the minimum: equal shares")
        << std::vector<double>{1, 1, 1, 1} << 200.0 << std::vector<double>{100, 100, 100, 100};
}

void tst_DiagramScene::drawnWidths() {
    QFETCH(std::vector<double>, widths);
    QFETCH(double, minimum);
    QFETCH(std::vector<double>, drawn);
    const std::vector<double> result = DiagramScene::drawnWidths(widths, 400, minimum);
    QCOMPARE(result.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i)
        HYG_COMPARE_DOUBLE(result[i], drawn[i], 1e-9, 1e-9);
}

void tst_DiagramScene::reportModeEdges() {
    QImage device(2000, 1200, QImage::Format_ARGB32_Premultiplied);
    DiagramScene scene(false, &device, DiagramFontSettings());
    const double s = 4;
    const InputData input = twoLayers();
    scene.setup(QRectF(0, 0, 2000, 1200), &device, s, calculate(input), input, Type::VapourPressure);
    const QRectF plot = scene.plotRect();
    using L = DiagramStyle::Layout;
    QCOMPARE(plot.top(), L::TopMargin * s);
    QVERIFY(plot.bottom() <= 1200 - L::BottomMargin * s);
    QCOMPARE(scene.warmEdge(), int(plot.left() + L::ReportSideSpace * s));
    QCOMPARE(scene.coldEdge(), int(plot.right() - L::ReportSideSpace * s));
    QCOMPARE(scene.layerPositions()[0] - scene.warmEdge(),
             std::trunc(std::max(L::MinimumAirZone * s, L::AirZoneShare * plot.width())));
}

void tst_DiagramScene::widthLabel_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("label");
    QTest::newRow("12.04 mm drops the small fraction") << 0.01204 << "12";
    QTest::newRow("12.5 mm keeps one decimal") << 0.0125 << "12.5";
    QTest::newRow("12 mm in binary is not 11.9") << 0.012 << "12";
    QTest::newRow("foil of 0.2 mm") << 0.0002 << "0.2";
    QTest::newRow("12.15 mm rounds to one decimal") << 0.01215 << "12.2";
    QTest::newRow("thick layer") << 0.24 << "240";
    QTest::newRow("no group separator") << 1.5 << "1500";
}

void tst_DiagramScene::widthLabel() {
    QFETCH(double, width);
    QFETCH(QString, label);
    QCOMPARE(DimensionChain::widthLabel(width), label);
}

void tst_DiagramScene::labelRows_data() {
    QTest::addColumn<InputData>("input");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("overflow");
    QTest::newRow("one layer: one row") << oneLayer() << 800.0 << 1 << false;
    QTest::newRow("two wide layers: layer and total rows") << twoLayers() << 800.0 << 2 << false;
    QTest::newRow("foil beside insulation overflows")
        << construction({Gypsum, Foil, MineralWool}) << 800.0 << 3 << true;
    QTest::newRow("narrow drawing overflows") << condensingWall() << 300.0 << 3 << true;
    QTest::newRow("many thin layers") << manyThinLayers() << 800.0 << 3 << true;
}

void tst_DiagramScene::labelRows() {
    QFETCH(InputData, input);
    QFETCH(double, width);
    QFETCH(int, rows);
    QFETCH(bool, overflow);
    SceneFixture f;
    f.draw(input, Type::VapourPressure, QRectF(0, 0, width, 500));
    const DimensionChainRows &r = f.scene.dimensionChainRows();
    const double H = r.labelHeight;
    QVERIFY(H > 0);
    QCOMPARE(r.overflowCount > 0, overflow);
    QCOMPARE(r.layerRow == r.totalRow, rows == 1);
    // rows one above the other without touching; the ticks under the layer line stay clear of the total
    const double tick = std::trunc(std::max(3.0, 0.8 * f.style.scale()));
    if (rows >= 2)
        QVERIFY(r.layerRow + H + std::floor(0.7 * tick) < r.totalRow);
    if (overflow)
        QVERIFY(r.overflowRow + H < r.layerRow);
    else
        QCOMPARE(r.overflowRow, r.layerRow);
    // the plot ends one label height above the top row: the profiles never reach into the chain
    const double topRow = std::min({r.totalRow, r.layerRow, r.overflowRow});
    QCOMPARE(r.plotBottom, topRow - H);
    QCOMPARE(f.scene.plotRect().bottom(), r.plotBottom);
    QVERIFY(f.scene.titleItem(DiagramScene::DimensionChainTitle)->sceneBoundingRect().bottom() <= 500.5);
}

void tst_DiagramScene::drawingStaysInPlace_data() {
    QTest::addColumn<InputData>("input");
    QTest::addColumn<Type>("type");
    QTest::addColumn<QSizeF>("size");
    const QList<QPair<const char *, InputData>> inputs = {
        {"one layer", oneLayer()},
        {"two layers", twoLayers()},
        {"condensation", condensingWall()},
        {"ten layers", tenLayers()},
        {"twenty-four layers", manyThinLayers()},
        {"summer-like", withClimate(condensingWall(), 20, 50, 30, 60)}};
    for (const auto &in : inputs) {
        for (Type type : {Type::ConstructionSketch, Type::VapourPressure, Type::MoistureContent}) {
            for (const QSizeF &size : {QSizeF(800, 500), QSizeF(420, 300)}) {
                QTest::addRow("%s, type %d, %dx%d", in.first, int(type), int(size.width()), int(size.height()))
                    << in.second << type << size;
            }
        }
    }
}

void tst_DiagramScene::drawingStaysInPlace() {
    QFETCH(InputData, input);
    QFETCH(Type, type);
    QFETCH(QSizeF, size);
    SceneFixture f;
    f.draw(input, type, QRectF(QPointF(0, 0), size));
    const QRectF plot = f.scene.plotRect();

    // no two texts overlap (labels, ticks, titles, legend)
    const QList<QGraphicsTextItem *> texts = f.visibleTexts();
    for (int i = 0; i < texts.size(); ++i) {
        const QRectF a = texts[i]->sceneBoundingRect().adjusted(0.5, 0.5, -0.5, -0.5);
        QVERIFY2(QRectF(QPointF(0, 0), size).adjusted(-0.5, -0.5, 0.5, 0.5).contains(a),
                 qPrintable(texts[i]->toPlainText() + " leaves the drawing"));
        for (int j = i + 1; j < texts.size(); ++j) {
            const bool sameLegendBox = texts[i]->zValue() > 0 && texts[j]->zValue() > 0;
            QVERIFY2(sameLegendBox || !a.intersects(texts[j]->sceneBoundingRect().adjusted(0.5, 0.5, -0.5, -0.5)),
                     qPrintable(texts[i]->toPlainText() + " overlaps " + texts[j]->toPlainText()));
        }
    }
    // the profiles stay inside the plot rectangle, between the outer ends of the air zones
    for (DiagramStyle::PenRole role : {DiagramStyle::SaturationPressure, DiagramStyle::RealPressure,
                                       DiagramStyle::CalculatedPressure, DiagramStyle::Temperature}) {
        for (QGraphicsLineItem *line : f.lines(role)) {
            if (line->zValue() > 0)
                continue; // legend sample
            const QLineF l = line->line();
            for (const QPointF &p : {l.p1(), l.p2()}) {
                QVERIFY(p.x() >= f.scene.warmEdge() && p.x() <= f.scene.coldEdge());
                QVERIFY2(p.y() >= plot.top() && p.y() <= plot.bottom(), qPrintable(QString::number(p.y())));
            }
        }
    }
}

void tst_DiagramScene::temperatureTicks_data() {
    QTest::addColumn<double>("Te");
    QTest::addColumn<QString>("outdoorLabel");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("winter: ticks every 5 K")
        << -5.0 << "-5.0" << QStringList{"-5.0", "0.0", "5.0", "10.0", "15.0", "20.0"};
    QTest::newRow("summer-like: flipped band, 1 K steps")
        << 25.0 << "25.0" << QStringList{"20.0", "21.0", "22.0", "23.0", "24.0", "25.0"};
    QTest::newRow("2 K steps; tick values within 0.1 K of the ends are left out")
        << 4.93 << "4.9" << QStringList{"4.9", "6.0", "8.0", "10.0", "12.0", "14.0", "16.0", "18.0", "20.0"};
}

void tst_DiagramScene::temperatureTicks() {
    QFETCH(double, Te);
    QFETCH(QString, outdoorLabel);
    QFETCH(QStringList, labels);
    SceneFixture f;
    f.draw(withClimate(twoLayers(), 20, 50, Te, 80), Type::MoistureContent);
    const QMap<QString, double> found = f.temperatureLabels();
    QStringList sortedLabels = labels;
    std::sort(sortedLabels.begin(), sortedLabels.end());
    QStringList foundLabels = found.keys();
    std::sort(foundLabels.begin(), foundLabels.end());
    QCOMPARE(foundLabels, sortedLabels);
    // the indoor temperature keeps the band top, the outdoor one the bottom, whichever is warmer
    const QPair<double, double> band = f.temperatureBand();
    QVERIFY(std::fabs(found.value("20.0") - std::trunc(band.first)) <= 1);
    QVERIFY(std::fabs(found.value(outdoorLabel) - std::trunc(band.second)) <= 1);
}

void tst_DiagramScene::flatTemperatureBand() {
    SceneFixture f;
    f.draw(withClimate(twoLayers(), 20, 50, 20, 80), Type::VapourPressure);
    const QList<QGraphicsLineItem *> profile = f.lines(DiagramStyle::Temperature);
    QVERIFY(profile.size() >= 2);
    const double top = std::trunc(f.temperatureBand().first);
    for (QGraphicsLineItem *line : profile) {
        if (line->zValue() > 0)
            continue; // legend sample
        QCOMPARE(line->line().y1(), top);
        QCOMPARE(line->line().y2(), top);
    }
    QCOMPARE(f.temperatureLabels().keys(), QStringList{"20.0"});
}

void tst_DiagramScene::nothingDrawn_data() {
    QTest::addColumn<InputData>("input");
    QTest::addColumn<bool>("invalidResult");
    InputData zeroWidth = twoLayers();
    zeroWidth.layers()[1].setWidth(0);
    InputData negativeWidth = twoLayers();
    negativeWidth.layers()[0].setWidth(-0.01);
    QTest::newRow("result code 1") << twoLayers() << true;
    QTest::newRow("layer of width 0") << zeroWidth << false;
    QTest::newRow("layer of negative width") << negativeWidth << false;
    QTest::newRow("no layers") << InputData() << false;
}

void tst_DiagramScene::nothingDrawn() {
    QFETCH(InputData, input);
    QFETCH(bool, invalidResult);
    SceneFixture f;
    f.draw(twoLayers(), Type::VapourPressure);
    QVERIFY(!f.visibleTexts().isEmpty());
    // results of a valid construction, so that only the checks of the scene itself can stop the drawing
    CalculationResults results = calculate(twoLayers());
    if (invalidResult)
        results.resultCode = ResultCode::InvalidInput;
    f.scene.setup(Area, &f.device, 1.0, results, input, Type::MoistureContent);
    // nothing but the notice that says why
    const QList<QGraphicsTextItem *> texts = f.visibleTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY(texts.first()->toPlainText().startsWith(QStringLiteral("No results to draw.")));
    int visible = 0;
    for (QGraphicsItem *item : f.scene.items())
        visible += item->isVisible() ? 1 : 0;
    QCOMPARE(visible, 1);
}

void tst_DiagramScene::unchangedSetupKeepsScene() {
    SceneFixture f;
    const InputData input = condensingWall();
    const CalculationResults results = calculate(input);
    f.scene.setup(Area, &f.device, 1.0, results, input, Type::VapourPressure);
    const QList<QGraphicsItem *> before = f.scene.items();
    f.scene.setup(QRectF(0, 0, 800 * (1 + 1e-14), 500), &f.device, 1.0, results, input, Type::VapourPressure);
    QCOMPARE(f.scene.items(), before);
    f.scene.setup(Area, &f.device, 1.0, results, input, Type::NoDiagram);
    QCOMPARE(f.scene.items(), before);

    f.scene.setup(Area, &f.device, 1.0, results, withClimate(input, 20, 50, -5, 70), Type::VapourPressure);
    QVERIFY(f.scene.items() != before);
    const QList<QGraphicsItem *> climateChanged = f.scene.items();
    f.scene.setup(QRectF(0, 0, 801, 500), &f.device, 1.0, results, withClimate(input, 20, 50, -5, 70),
                  Type::VapourPressure);
    QVERIFY(f.scene.items() != climateChanged);
}

void tst_DiagramScene::realPressureNeverAboveSaturation() {
    SceneFixture f;
    f.draw(condensingWall(), Type::VapourPressure);
    QVERIFY2(!f.lines(DiagramStyle::CalculatedPressure).isEmpty(), "the dashed calculated pressure is missing");
    const QList<QGraphicsLineItem *> saturation = f.lines(DiagramStyle::SaturationPressure);
    const std::vector<double> &pos = f.scene.layerPositions();
    int checked = 0;
    for (QGraphicsLineItem *line : f.lines(DiagramStyle::RealPressure)) {
        const QLineF l = line->line();
        if (line->zValue() > 0 || std::min(l.x1(), l.x2()) < pos.front() || std::max(l.x1(), l.x2()) > pos.back())
            continue;
        for (double t = 0; t <= 1.0; t += 0.25) {
            const QPointF p = l.pointAt(t);
            const double sat = saturationAt(saturation, p.x());
            QVERIFY(!std::isnan(sat));
            // larger y is lower pressure; one pixel for the truncation of both lines
            QVERIFY2(p.y() >= sat - 1,
                     qPrintable(QString("x %1: real %2, saturation %3").arg(p.x()).arg(p.y()).arg(sat)));
            ++checked;
        }
    }
    QVERIFY(checked > 10);
}

void tst_DiagramScene::moistureScaleFallsBackToW80() {
    SceneFixture f;
    const InputData input = twoLayers();
    CalculationResults results = calculate(input);
    std::fill(results.w_left.begin(), results.w_left.end(), 0.0);
    std::fill(results.w_right.begin(), results.w_right.end(), 0.0);
    f.scene.setup(Area, &f.device, 1.0, results, input, Type::MoistureContent);
    // the scale ends at the first tick at or above the largest w80 * 0.95 / 0.8
    const double wref = std::max(Brick.w80, MineralWool.w80) * 0.95 / 0.8;
    const double bandTop = f.scene.plotRect().top() + 0.05 * std::trunc(f.scene.plotRect().height());
    double top = -1;
    for (QGraphicsTextItem *text : f.visibleTexts()) {
        if (text->rotation() == 0 && std::fabs(text->sceneBoundingRect().center().y() - bandTop) <= 1 &&
            text->sceneBoundingRect().left() > f.scene.coldEdge())
            top = text->toPlainText().toDouble();
    }
    QVERIFY2(top >= wref && top < 2 * wref, qPrintable(QString::number(top)));
}

void tst_DiagramScene::condensationZoneVisible() {
    SceneFixture f;
    const InputData input = condensingWall();
    const CalculationResults results = calculate(input);
    QVERIFY(results.resultCode >= ResultCode::OnePlane);
    f.scene.setup(Area, &f.device, 1.0, results, input, Type::MoistureContent);
    int condensate = 0;
    for (QGraphicsItem *item : f.scene.items()) {
        QGraphicsPolygonItem *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(item);
        if (polygon && polygon->brush().color() == f.style.mediumSlateBlue()) {
            const QRectF r = polygon->sceneBoundingRect();
            if (r.width() >= 2 && r.height() >= 10 && r.bottom() <= f.scene.plotRect().bottom() + 1)
                ++condensate;
        }
    }
    QVERIFY(condensate >= 1);
}

void tst_DiagramScene::tickStep_data() {
    QTest::addColumn<double>("range");
    QTest::addColumn<double>("bandHeight");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<double>("step");
    QTest::newRow("temperatures: 2.5 K needed, 5 K taken") << 25.0 << 300.0 << 30.0 << 5.0;
    QTest::newRow("an exact step stays") << 10.0 << 100.0 << 20.0 << 2.0;
    QTest::newRow("moisture in print: 0.05") << 0.236 << 900.0 << 189.0 << 0.05;
    QTest::newRow("same at 150 dpi") << 0.236 << 900.0 * 150 / 600 << 189.0 * 150 / 600 << 0.05;
    QTest::newRow("pressures: 500 Pa") << 1940.0 << 1560.0 << 189.0 << 500.0;
    QTest::newRow("1 x 10^n") << 0.9 << 100.0 << 10.0 << 0.1;
    QTest::newRow("band lower than one tick distance: the range") << 0.1 << 20.0 << 30.0 << 0.1;
}

void tst_DiagramScene::tickStep() {
    QFETCH(double, range);
    QFETCH(double, bandHeight);
    QFETCH(double, spacing);
    QFETCH(double, step);
    HYG_COMPARE_DOUBLE(AxisTicks::step(range, bandHeight, spacing), step, 1e-12, 1e-12);
}

void tst_DiagramScene::tickValues() {
    // strictly inside, multiples of the step, zero exactly zero
    QCOMPARE(AxisTicks::values(-5, 20, 5, 0.1), (std::vector<double>{0, 5, 10, 15}));
    QCOMPARE(AxisTicks::values(4.93, 20, 2, 0.1), (std::vector<double>{6, 8, 10, 12, 14, 16, 18}));
    QCOMPARE(AxisTicks::values(0, 0.25, 0.05, 1e-9).size(), std::size_t(4));
    QCOMPARE(AxisTicks::decimals(0.05), 2);
    QCOMPARE(AxisTicks::decimals(500), 0);
}

void tst_DiagramScene::moistureScaleFollowsMass() {
    // a zone edge above the reference level in a layer without condensate does not set the scale
    SceneFixture f;
    const InputData input = condensingWall();
    CalculationResults results = calculate(input);
    QVERIFY(results.resultCode >= ResultCode::OnePlane);
    results.w_left[0] = 5.0;
    results.mc[0] = 0;
    results.sk_Cond[0] = 0;
    f.scene.setup(Area, &f.device, 1.0, results, input, Type::MoistureContent);
    double top = 0;
    for (QGraphicsTextItem *text : f.visibleTexts()) {
        if (text->sceneBoundingRect().left() > f.scene.coldEdge() && text->rotation() == 0)
            top = std::max(top, text->toPlainText().toDouble());
    }
    double condensate = 0;
    for (std::size_t j = 0; j < results.mc.size(); ++j) {
        if (results.mc[j] > 0)
            condensate = std::max({condensate, results.w_left[j], results.w_right[j]});
    }
    QVERIFY2(top >= condensate && top < 5.0, qPrintable(QString::number(top)));
}

void tst_DiagramScene::squareRootEdge() {
    const double wref = 0.1;
    // condensate at the right face: hygroscopic up to the zone edge, then a square-root rise
    const QPolygonF right = MoistureProfile::layerProfile(100, 200, 0.05, 0.5, wref, 40);
    QCOMPARE(right.first(), QPointF(100, 0.05));
    QCOMPARE(right.last(), QPointF(200, 0.5));
    QVERIFY(right.contains(QPointF(160, wref)));
    const int middle = right.indexOf(QPointF(180, wref + 0.4 * std::sqrt(0.5)));
    QVERIFY(middle > 0);
    // steep at the zone edge, flat at the face
    const double firstRise = right[2].y() - right[1].y();
    const double lastRise = right.last().y() - right[right.size() - 2].y();
    QVERIFY(firstRise > 4 * lastRise);

    // condensate at the left face: the mirror image
    const QPolygonF left = MoistureProfile::layerProfile(100, 200, 0.5, 0.05, wref, 40);
    QCOMPARE(left.first(), QPointF(100, 0.5));
    QVERIFY(left.contains(QPointF(140, wref)));
    QCOMPARE(left.last(), QPointF(200, 0.05));

    // no condensate: a straight line
    QCOMPARE(MoistureProfile::layerProfile(100, 200, 0.05, 0.08, wref, 0),
             QPolygonF(QVector<QPointF>{{100, 0.05}, {200, 0.08}}));
}

void tst_DiagramScene::sketchNumbersSidesAndOutlines() {
    SceneFixture f;
    const InputData input = tenLayers();
    f.draw(input, Type::ConstructionSketch);
    QStringList texts;
    for (QGraphicsTextItem *text : f.visibleTexts())
        texts << text->toPlainText();
    for (int i = 1; i <= 10; ++i)
        QVERIFY2(texts.contains(QString::number(i)), qPrintable(QString::number(i)));
    QVERIFY(texts.contains(QStringLiteral("Warm side")));
    QVERIFY(texts.contains(QStringLiteral("Cold side")));
    // every layer outlined apart from its fill, the foil at least the minimum width
    int layers = 0;
    for (QGraphicsItem *item : f.scene.items()) {
        if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item)) {
            QVERIFY(rect->pen().color() != rect->brush().color());
            QVERIFY(rect->rect().width() >= std::trunc(2.5 * f.style.pen(DiagramStyle::LayerBoundary).widthF()));
            ++layers;
        }
    }
    QCOMPARE(layers, 10);
}

void tst_DiagramScene::legendReadableInPrint_data() {
    QTest::addColumn<Type>("type");
    QTest::newRow("vapour pressure") << Type::VapourPressure;
    QTest::newRow("moisture") << Type::MoistureContent;
}

void tst_DiagramScene::legendReadableInPrint() {
    QFETCH(Type, type);
    // A 170 mm wide diagram at 300 dpi.
    const double s = 300 / 25.4;
    QImage device(int(170 * s), int(113 * s), QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(int(300 / 0.0254));
    device.setDotsPerMeterY(int(300 / 0.0254));
    DiagramScene scene(false, &device, DiagramFontSettings());
    const InputData input = condensingWall();
    scene.setup(QRectF(0, 0, device.width(), device.height()), &device, s, calculate(input), input, type);
    int legendTexts = 0;
    int legendGrounds = 0;
    for (QGraphicsItem *item : scene.items()) {
        auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
        if (text && text->zValue() > 0) {
            QVERIFY(text->font().pointSizeF() >= DiagramLegend::MinimumPointSize);
            ++legendTexts;
        }
        // Paper keeps an opaque ground under the legend, whatever it covers.
        auto *box = qgraphicsitem_cast<QGraphicsRectItem *>(item);
        if (box && box->zValue() == 1 && box->brush().style() != Qt::NoBrush) {
            QCOMPARE(box->brush().color(), QColor(Qt::white));
            ++legendGrounds;
        }
    }
    QVERIFY(legendTexts >= 5);
    QCOMPARE(legendGrounds, 1);
}

void tst_DiagramScene::glaserProfilesWithoutMoistureResult_data() {
    QTest::addColumn<Type>("type");
    QTest::addColumn<bool>("profiles");
    QTest::newRow("Glaser diagram over sd") << Type::Glaser << true;
    QTest::newRow("vapour pressure diagram") << Type::VapourPressure << true;
    QTest::newRow("moisture diagram") << Type::MoistureContent << false;
}

void tst_DiagramScene::glaserProfilesWithoutMoistureResult() {
    QFETCH(Type, type);
    QFETCH(bool, profiles);
    // The moisture-dependent method failed (result code 2) after the Glaser step found a plane: the
    // pressures exist and are drawn, the moisture diagram says why it stays empty.
    const InputData input = condensingWall();
    CalculationResults results = calculate(input);
    QCOMPARE(results.glaserResultCode, ResultCode::OnePlane);
    results.resultCode = ResultCode::CalculationError;
    results.messages = QStringList{Calculation::noSolutionText()};
    SceneFixture f;
    f.scene.setup(Area, &f.device, 1.0, results, input, type);

    QStringList texts;
    for (QGraphicsTextItem *text : f.visibleTexts())
        texts << text->toPlainText();
    const QString all = texts.join('\n');
    QCOMPARE(all.contains("No results to draw."), !profiles);
    QVERIFY(!all.contains(Calculation::noSolutionText()));
    QCOMPARE(f.lines(DiagramStyle::RealPressure).isEmpty(), !profiles);
    if (!profiles)
        QVERIFY(all.contains(CriteriaBasis::moistureMethodEmptyNote()));
    // the plane between layers 2 and 3 named on the Glaser diagram, the chain in sd
    QCOMPARE(all.contains("Condensation plane 2|3"), type == Type::Glaser);
    QCOMPARE(f.scene.titleItem(DiagramScene::SdChainTitle)->isVisible(), type == Type::Glaser);
}

QTEST_MAIN(tst_DiagramScene)
#include "tst_DiagramScene.moc"
