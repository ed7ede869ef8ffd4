// The rich-text table and text block: wrapping and height for a width, joined cells, values on row borders,
// alignment and the width of short columns.

#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QtTest>

namespace {

const QString LongText = QStringLiteral("A caption long enough to need several lines in a narrow column of a table");

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

/*! Horizontal range of the non-white pixels of \a image. */
QPair<int, int> inkRange(const QImage &image) {
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
    return {left, right};
}

double idealWidth(QTextDocument &document, const QString &html) {
    document.setHtml(html);
    document.setTextWidth(-1);
    return document.idealWidth();
}

} // namespace

class tst_Table : public QObject {
    Q_OBJECT
private slots:
    void init();
    void textFrameWrapsAtWidth();
    void tableHeightGrowsWhenNarrow();
    void joinedCellSpansColumns();
    void joinedCellLeavesColumnWidthsAlone();
    void shortColumnKeepsItsLine();
    void valueOnBorderGetsRoomOnBothSides();
    void alignment_data();
    void alignment();
    void emptyTableHasBordersOnly();
    void breaksBetweenRows();

private:
    QTextDocument m_document;
    QImage m_device = whiteImage(10, 10);
};

void tst_Table::init() {
    m_document.setDocumentMargin(0);
    m_document.documentLayout()->setPaintDevice(&m_device);
}

void tst_Table::textFrameWrapsAtWidth() {
    QtExt::TextFrame frame(&m_document);
    frame.setText(LongText);
    const QRectF oneLine = frame.frameRect(&m_device, -1);
    const QRectF wrapped = frame.frameRect(&m_device, 100);
    QCOMPARE(wrapped.width(), 100.0);
    QVERIFY(wrapped.height() > 2 * oneLine.height());
    QVERIFY(oneLine.width() > 100);
}

void tst_Table::tableHeightGrowsWhenNarrow() {
    QtExt::Table table(&m_document, 2, 1);
    table.setCellText(0, 0, LongText);
    table.setCellText(1, 0, QStringLiteral("1.234"));
    const double wide = table.frameRect(&m_device, 2000).height();
    const double narrow = table.frameRect(&m_device, 200).height();
    QVERIFY(narrow > 2 * wide);
}

void tst_Table::joinedCellSpansColumns() {
    QtExt::Table table(&m_document, 3, 2);
    table.setInnerBorderWidth(1);
    table.setOuterBorderWidth(2);
    table.setCellText(0, 0, QStringLiteral("joined"));
    table.setCellJoined(0, 0, 3, 1);
    for (int col = 0; col < 3; ++col)
        table.setCellText(col, 1, QString::number(col));
    table.frameRect(&m_device, 600);
    const QRectF joined = table.cellRect(0, 0);
    QCOMPARE(joined.left(), table.cellRect(0, 1).left());
    QCOMPARE(joined.right(), table.cellRect(2, 1).right());
    QCOMPARE(joined.width(), 600.0 - 2 * 2);
}

void tst_Table::shortColumnKeepsItsLine() {
    const QString verdict = QStringLiteral("<b>Requirement not fulfilled</b>");
    QtExt::Table table(&m_document, 2, 1);
    table.setCellText(0, 0, LongText + QLatin1Char(' ') + LongText);
    table.setCellText(1, 0, verdict);
    table.frameRect(&m_device, 600);
    QVERIFY(table.cellRect(1, 0).width() >= idealWidth(m_document, verdict));
    QVERIFY(table.cellRect(0, 0).width() < idealWidth(m_document, LongText));
}

void tst_Table::joinedCellLeavesColumnWidthsAlone() {
    // A long joined note under caption / value rows must not take the captions' width for the value column.
    const auto valueColumnWidth = [this](bool withNote) {
        QtExt::Table table(&m_document, 2, withNote ? 2 : 1);
        table.setJoinedCellsWidenColumns(false);
        table.setCellText(0, 0, LongText);
        table.setCellText(1, 0, QStringLiteral("0.238"));
        if (withNote) {
            table.setCellText(0, 1, LongText + QLatin1Char(' ') + LongText + QLatin1Char(' ') + LongText);
            table.setCellJoined(0, 1, 2, 1);
        }
        table.frameRect(&m_device, 300);
        return table.cellRect(1, 0).width();
    };
    QCOMPARE(valueColumnWidth(true), valueColumnWidth(false));
}

void tst_Table::valueOnBorderGetsRoomOnBothSides() {
    const auto tableHeight = [this](bool onBorder) {
        QtExt::Table table(&m_document, 2, 3);
        for (int row = 0; row < 3; ++row)
            table.setCellText(0, row, QStringLiteral("row %1").arg(row));
        table.setCellText(1, 0, QStringLiteral("top"));
        table.setCellText(1, 1, QStringLiteral("between"));
        if (onBorder)
            table.setCellOnBorder(1, 1, Qt::TopEdge);
        return table.frameRect(&m_device, 300).height();
    };
    const double plain = tableHeight(false);
    const double withBorderValue = tableHeight(true);
    // Row 0 needs room for its own value and the upper half of the border value.
    QVERIFY2(withBorderValue > plain * 1.1, qPrintable(QStringLiteral("%1 vs %2").arg(withBorderValue).arg(plain)));

    QtExt::Table table(&m_document, 1, 2);
    table.setCellText(0, 0, QStringLiteral("a"));
    table.setCellText(0, 1, QStringLiteral("b"));
    table.setCellOnBorder(0, 1, Qt::TopEdge);
    table.frameRect(&m_device, 100);
    QImage image = whiteImage(100, int(table.frameRect(&m_device, 100).height()) + 1);
    m_document.documentLayout()->setPaintDevice(&image);
    QPainter painter(&image);
    table.draw(&painter, QPointF(0, 0));
    painter.end();
    // The value stands across the line between the rows: ink above and below it.
    const int line = int(table.cellRect(0, 1).top());
    bool above = false, below = false;
    for (int x = 0; x < image.width(); ++x) {
        above = above || image.pixelColor(x, line - 2) != QColor(Qt::white);
        below = below || image.pixelColor(x, line + 2) != QColor(Qt::white);
    }
    QVERIFY(above && below);
}

void tst_Table::alignment_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("inRightHalf");
    QTest::newRow("left") << int(Qt::AlignLeft) << false;
    QTest::newRow("right") << int(Qt::AlignRight) << true;
}

void tst_Table::alignment() {
    QFETCH(int, alignment);
    QFETCH(bool, inRightHalf);
    QImage image = whiteImage(400, 60);
    m_document.documentLayout()->setPaintDevice(&image);
    QtExt::Table table(&m_document, 1, 1);
    table.setCellText(0, 0, QStringLiteral("12.5"));
    table.setCellAlignment(0, 0, Qt::Alignment(alignment) | Qt::AlignTop);
    table.frameRect(&image, 400);
    QPainter painter(&image);
    table.draw(&painter, QPointF(0, 0));
    painter.end();
    const QPair<int, int> ink = inkRange(image);
    QVERIFY(ink.second >= 0);
    QCOMPARE(ink.first > 200, inRightHalf);
    QCOMPARE(ink.second > 200, inRightHalf);
}

void tst_Table::emptyTableHasBordersOnly() {
    QtExt::Table table(&m_document, 0, 0);
    table.setOuterBorderWidth(2);
    QCOMPARE(table.frameRect(&m_device, 100).height(), 0.0);
}

void tst_Table::breaksBetweenRows() {
    // Rows 1 and 2 joined in column 0, a value on the top line of row 4, five rows.
    QtExt::Table table(&m_document, 2, 5);
    for (int row = 0; row < 5; ++row)
        table.setCellText(1, row, QStringLiteral("row %1").arg(row));
    table.setCellText(0, 1, QStringLiteral("joined"));
    table.setCellJoined(0, 1, 1, 2);
    table.setCellText(0, 4, QStringLiteral("on the line"));
    table.setCellOnBorder(0, 4, Qt::TopEdge);
    table.frameRect(&m_device, 300);
    const QVector<QtExt::Table::Break> breaks = table.breaks(1);
    // Not inside the join (row 2), not before the last row (4): only at the top of rows 1 and 3.
    QCOMPARE(breaks.size(), 2);
    QCOMPARE(breaks[0].end, table.rowTop(1));
    QCOMPARE(breaks[0].resume, table.rowTop(1));
    QCOMPARE(breaks[1].end, table.rowTop(3));
    QCOMPARE(table.breaks(2).size(), 1);

    // A value on a break line stands whole on both sides of it.
    QtExt::Table onLine(&m_document, 1, 4);
    for (int row = 0; row < 4; ++row)
        onLine.setCellText(0, row, QStringLiteral("row %1").arg(row));
    onLine.setCellOnBorder(0, 2, Qt::TopEdge);
    onLine.frameRect(&m_device, 300);
    const QVector<QtExt::Table::Break> lineBreaks = onLine.breaks(2);
    QCOMPARE(lineBreaks.size(), 1);
    QVERIFY(lineBreaks[0].end > onLine.rowTop(2));
    QVERIFY(lineBreaks[0].resume < onLine.rowTop(2));
    QCOMPARE(lineBreaks[0].end - onLine.rowTop(2), onLine.rowTop(2) - lineBreaks[0].resume);
}

QTEST_MAIN(tst_Table)
#include "tst_Table.moc"
