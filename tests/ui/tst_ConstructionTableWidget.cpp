#include <QtTest>

#include <model/Project.h>
#include <ui/ConstructionTableWidget.h>
#include <ui/HatchedItemDelegate.h>

#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

MaterialLayer layer(const QString &name, double width, const QColor &color) {
    Material m(name, Material::BuildingBoards, QString(), QString(), QString(), QString(), 500, 0.2, 10, 0.01, 0.5, 0,
               1);
    m.setColor(color);
    return MaterialLayer(m, width);
}

/*! Counts the pixels of \a image inside \a rect that satisfy \a test. */
template <class Test> int countPixels(const QImage &image, const QRect &rect, Test test) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += test(QColor(image.pixel(x, y))) ? 1 : 0;
    }
    return n;
}

} // namespace

class tst_ConstructionTableWidget : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_project = std::make_unique<Project>();
        m_project->createNew();
        m_project->document()->inputData().layers() = {layer("Light", 0.1, QColor("#f0f0f0")),
                                                       layer("Dark", 0.1, QColor("#202020"))};
        m_project->setModified(Project::ModificationType::AllModified);
        m_table = std::make_unique<ConstructionTableWidget>();
        m_table->resize(600, 150);
        m_table->setColumnCount(4);
        m_table->setProject(m_project.get());
        m_table->updateColumnWidths();
    }

    void layerColumnsFitTheTable_data() {
        QTest::addColumn<QVector<double>>("widths");
        QTest::addColumn<int>("tableWidth");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("thickest");
        QTest::newRow("zero total thickness") << QVector<double>{0.0} << 500 << 5 << 0;
        QTest::newRow("thin layer beside a thick one") << QVector<double>{0.2, 0.0001} << 1000 << 5 << 0;
        QVector<double> oneThickManyThin(31, 1e-6);
        oneThickManyThin[7] = 1.0;
        QTest::newRow("minimum widths push the thick layer over the share") << oneThickManyThin << 300 << 5 << 7;
        QTest::newRow("more layers than minimum widths fit") << QVector<double>(100, 0.01) << 300 << 2 << 0;
    }

    void layerColumnsFitTheTable() {
        QFETCH(QVector<double>, widths);
        QFETCH(int, tableWidth);
        QFETCH(int, minimum);
        QFETCH(int, thickest);
        const QVector<int> pixels = ConstructionTableWidget::layerColumnWidths(widths, tableWidth);
        QCOMPARE(pixels.size(), widths.size());
        QCOMPARE(*std::min_element(pixels.begin(), pixels.end()), minimum);
        QCOMPARE(int(std::max_element(pixels.begin(), pixels.end()) - pixels.begin()), thickest);
        QVERIFY(std::accumulate(pixels.begin(), pixels.end(), 0) <= 0.92 * tableWidth);
    }

    void columnWidthsFollowTheLayers() {
        m_project->document()->inputData().layers()[1].setWidth(0.3);
        m_table->updateColumnWidths();
        QCOMPARE(m_table->columnWidth(2), 3 * m_table->columnWidth(1));
        QVERIFY(m_table->columnWidth(1) + m_table->columnWidth(2) + m_table->columnWidth(3) < m_table->width());
    }

    void nothingShownWithoutProject() {
        m_table->setProject(nullptr);
        m_table->setColumnWidth(1, 50);
        m_table->resize(800, 150);
        QCOMPARE(m_table->columnWidth(1), 50);
        const QImage image = m_table->grab().toImage();
        QCOMPARE(countPixels(image, image.rect(), [](const QColor &c) { return c == Qt::red; }), 0);
    }

    void cellsArePaintedWithMarkersAndReadableText() {
        m_table->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_table.get()));
        const QImage image = m_table->grab().toImage();
        const auto cell = [&](int column) {
            return QRect(m_table->columnViewportPosition(column), 0, m_table->columnWidth(column),
                         m_table->rowHeight(0));
        };
        const auto isRed = [](const QColor &c) { return c == Qt::red; };
        const auto isBlue = [](const QColor &c) { return c == Qt::blue; };
        const auto isWhite = [](const QColor &c) { return c == Qt::white; };
        const auto isDark = [](const QColor &c) { return c.value() < 60; };
        QVERIFY(countPixels(image, cell(0), isRed) > 0);
        QCOMPARE(countPixels(image, cell(0), isBlue), 0);
        QVERIFY(countPixels(image, cell(3), isBlue) > 0);
        QVERIFY(countPixels(image, cell(1), isDark) > 0);
        QCOMPARE(countPixels(image, cell(1), isWhite), 0);
        QVERIFY(countPixels(image, cell(2), isWhite) > 0);
    }

    void labelPlacement_data() {
        const QFontMetrics metrics(QApplication::font());
        const int text = metrics.horizontalAdvance("Mineral wool");
        const int line = metrics.height();
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("placement");
        QTest::newRow("wider than text + 4") << text + 5 << int(HatchedItemDelegate::HorizontalLabel);
        QTest::newRow("text + 4") << text + 4 << int(HatchedItemDelegate::VerticalLabel);
        QTest::newRow("wider than a line + 4") << line + 5 << int(HatchedItemDelegate::VerticalLabel);
        QTest::newRow("a line + 4") << line + 4 << int(HatchedItemDelegate::NoLabel);
    }

    void labelPlacement() {
        QFETCH(int, columnWidth);
        QFETCH(int, placement);
        const QFontMetrics metrics(QApplication::font());
        QCOMPARE(int(HatchedItemDelegate::labelPlacement(columnWidth, metrics, "Mineral wool")), placement);
    }

    void sketchImages() {
        const QImage sketch = m_table->sketchPixmap().toImage();
        QCOMPARE(sketch.height(), int(0.4 * sketch.width()));
        QVERIFY(sketch.width() > 600);
        QVERIFY(countPixels(sketch, sketch.rect(), [](const QColor &c) { return c == QColor("#202020"); }) > 0);
        QTemporaryDir dir;
        QString error;
        QVERIFY2(m_table->exportSketch(dir.filePath("sketch.svg"), "wall.v2p", &error), qPrintable(error));
        QFile svg(dir.filePath("sketch.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray data = svg.readAll();
        QVERIFY(data.contains("<title>Construction Sketch</title>"));
        QVERIFY(data.contains("<desc>wall.v2p</desc>"));
    }

private:
    std::unique_ptr<Project> m_project;
    std::unique_ptr<ConstructionTableWidget> m_table;
};

QTEST_MAIN(tst_ConstructionTableWidget)
#include "tst_ConstructionTableWidget.moc"
