// Distribution of report frames over pages: exact fits, moves to the next page, switched-off frames and frames
// taller than a page.

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
    // It runs past the footer; the next frame starts a new page.
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

QTEST_GUILESS_MAIN(tst_ReportPageLayout)
#include "tst_ReportPageLayout.moc"
