// Distribution of report frames over pages: exact fits, moves to the next page, switched-off frames, frames
// taller than a page and tables split over pages with their header repeated.

#include <report/ReportPageLayout.h>

#include <QtTest>

namespace {

const int FrameCount = 14;
const QSizeF Page(1000, 1400);

/*! Heights of all frames, header 100 and footer 50 (body 1250 px), body frames as given from id 2 on. */
QVector<double> heights(const QVector<double> &body) {
    QVector<double> h(FrameCount, 0);
    h[0] = 100;
    h[1] = 50;
    for (int i = 0; i < body.size(); ++i)
        h[2 + i] = body[i];
    return h;
}

QVector<bool> activeIds(std::initializer_list<int> ids) {
    QVector<bool> active(FrameCount, false);
    for (int id : ids)
        active[id] = true;
    return active;
}

} // namespace

class tst_ReportPageLayout : public QObject {
    Q_OBJECT
private slots:
    void pages_data();
    void pages();
    void onlyHeaderAndFooterGiveOnePage();
    void switchedOffHeaderAndFooter();
    void frameTallerThanPageLeavesNoBlankPage();
    void inactiveFramesHaveNoPlace();
    void splitFrame_data();
    void splitFrame();
};

void tst_ReportPageLayout::pages_data() {
    QTest::addColumn<QVector<double>>("bodyHeights");
    QTest::addColumn<QVector<int>>("expectedPages");
    QTest::addColumn<int>("pageCount");
    QTest::newRow("all fit on one page") << QVector<double>{300, 300, 300} << QVector<int>{1, 1, 1} << 1;
    QTest::newRow("last frame exactly fills the free height") << QVector<double>{600, 650} << QVector<int>{1, 1} << 1;
    QTest::newRow("one pixel more moves it") << QVector<double>{600, 651} << QVector<int>{1, 2} << 2;
    QTest::newRow("frame of the whole body height stays on an empty page")
        << QVector<double>{1250, 1250} << QVector<int>{1, 2} << 2;
    QTest::newRow("zero height frame after a full page stays") << QVector<double>{1250, 0} << QVector<int>{1, 1} << 1;
    QTest::newRow("frames follow on the new page")
        << QVector<double>{1000, 400, 300, 600} << QVector<int>{1, 2, 2, 3} << 3;
}

void tst_ReportPageLayout::pages() {
    QFETCH(QVector<double>, bodyHeights);
    QFETCH(QVector<int>, expectedPages);
    QFETCH(int, pageCount);
    QVector<bool> active = activeIds({0, 1});
    for (int i = 0; i < bodyHeights.size(); ++i)
        active[2 + i] = true;
    ReportPageLayout layout;
    layout.layout(Page, heights(bodyHeights), active);
    QCOMPARE(layout.pageCount(), pageCount);
    for (int i = 0; i < expectedPages.size(); ++i) {
        QCOMPARE(layout.framePage(2 + i), expectedPages[i]);
        const QRectF rect = layout.frameRect(2 + i);
        QCOMPARE(rect.height(), bodyHeights[i]);
        QVERIFY(rect.top() >= 100);
    }
}

void tst_ReportPageLayout::onlyHeaderAndFooterGiveOnePage() {
    ReportPageLayout layout;
    layout.layout(Page, heights({500, 500, 500}), activeIds({0, 1}));
    QCOMPARE(layout.pageCount(), 1);
    QCOMPARE(layout.frameRect(0), QRectF(0, 0, 1000, 100));
    QCOMPARE(layout.frameRect(1), QRectF(0, 1350, 1000, 50));
    QCOMPARE(layout.bodyRect(), QRectF(0, 100, 1000, 1250));
}

void tst_ReportPageLayout::switchedOffHeaderAndFooter() {
    ReportPageLayout layout;
    layout.layout(Page, heights({1400}), activeIds({2}));
    QVERIFY(layout.frameRect(0).isEmpty());
    QCOMPARE(layout.frameRect(1), QRectF(0, 1400, 1000, 0));
    QCOMPARE(layout.bodyRect(), QRectF(QPointF(0, 0), Page));
    QCOMPARE(layout.framePage(2), 1);
    QCOMPARE(layout.pageCount(), 1);
}

void tst_ReportPageLayout::frameTallerThanPageLeavesNoBlankPage() {
    ReportPageLayout layout;
    layout.layout(Page, heights({2000, 100}), activeIds({0, 1, 2, 3}));
    QCOMPARE(layout.framePage(2), 1);
    QCOMPARE(layout.frameRect(2).top(), 100.0);
    // It is cut at the footer; the next frame starts a new page.
    QCOMPARE(layout.frameRect(2).bottom(), 1350.0);
    QCOMPARE(layout.framePage(3), 2);
    QCOMPARE(layout.frameRect(3).top(), 100.0);
    QCOMPARE(layout.pageCount(), 2);
}

void tst_ReportPageLayout::inactiveFramesHaveNoPlace() {
    ReportPageLayout layout;
    layout.layout(Page, heights({300, 300, 300}), activeIds({0, 1, 2, 4}));
    QCOMPARE(layout.framePage(3), 0);
    QVERIFY(layout.frameRect(3).isEmpty());
    // The inactive frame takes no space: frame 4 follows frame 2 directly.
    QCOMPARE(layout.frameRect(4).top(), layout.frameRect(2).bottom());
}

void tst_ReportPageLayout::splitFrame_data() {
    // A frame of 1000 px after one of 1000 px (250 px left on page 1): breaks every 100 px from 200 on, the
    // band 40..100 repeated on every continuation.
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("overlap"); // a value on the break line, repeated on both sides
    QTest::addColumn<QVector<double>>("froms");
    QTest::addColumn<QVector<double>>("tos");
    QTest::addColumn<QVector<int>>("pages");
    QTest::newRow("rest fits on the next page")
        << 1000.0 << 0.0 << QVector<double>{0, 200} << QVector<double>{200, 1000} << QVector<int>{1, 2};
    QTest::newRow("value on the line kept whole on both pages")
        << 1000.0 << 10.0 << QVector<double>{0, 190} << QVector<double>{210, 1000} << QVector<int>{1, 2};
    QTest::newRow("three pages") << 2300.0 << 0.0 << QVector<double>{0, 200, 1300} << QVector<double>{200, 1300, 2300}
                                 << QVector<int>{1, 2, 3};
}

void tst_ReportPageLayout::splitFrame() {
    QFETCH(double, height);
    QFETCH(double, overlap);
    QFETCH(QVector<double>, froms);
    QFETCH(QVector<double>, tos);
    QFETCH(QVector<int>, pages);
    QVector<QVector<FrameBreak>> breaks(FrameCount);
    for (double y = 200; y < height; y += 100) {
        FrameBreak b;
        b.end = y + overlap;
        b.resume = y - overlap;
        b.headerTop = 40;
        b.headerBottom = 100;
        breaks[3].push_back(b);
    }
    ReportPageLayout layout;
    layout.layout(Page, heights({1000, height, 100}), activeIds({0, 1, 2, 3, 4}), breaks);
    const QVector<FramePiece> pieces = layout.pieces(3);
    QCOMPARE(pieces.size(), froms.size());
    for (int i = 0; i < pieces.size(); ++i) {
        QCOMPARE(pieces[i].from, froms[i]);
        QCOMPARE(pieces[i].to, tos[i]);
        QCOMPARE(pieces[i].page, pages[i]);
        // every continuation starts at the body top under the repeated band; nothing reaches the footer
        QCOMPARE(pieces[i].headerHeight(), i == 0 ? 0.0 : 60.0);
        QCOMPARE(pieces[i].rect.height(), pieces[i].headerHeight() + tos[i] - froms[i]);
        if (i > 0)
            QCOMPARE(pieces[i].rect.top(), 100.0);
        QVERIFY(pieces[i].rect.bottom() <= 1350);
    }
    // the next frame follows the last piece
    QCOMPARE(layout.framePage(4), pages.last());
    QCOMPARE(layout.frameRect(4).top(), pieces.last().rect.bottom());
}

QTEST_GUILESS_MAIN(tst_ReportPageLayout)
#include "tst_ReportPageLayout.moc"
