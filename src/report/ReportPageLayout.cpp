#include "ReportPageLayout.h"

void ReportPageLayout::layout(const QSizeF &pageSize, const QVector<double> &heights, const QVector<bool> &active) {
    const int count = heights.size();
    const double W = pageSize.width();
    const double H = pageSize.height();
    m_rects = QVector<QRectF>(count);
    m_pages = QVector<int>(count, 0);
    const double headerHeight = active.value(0) ? heights.value(0) : 0;
    const double footerHeight = active.value(1) ? heights.value(1) : 0;
    if (active.value(0))
        m_rects[0] = QRectF(0, 0, W, headerHeight);
    if (count > 1)
        m_rects[1] = QRectF(0, H - footerHeight, W, footerHeight);
    m_body = QRectF(0, headerHeight, W, H - headerHeight - footerHeight);

    int page = 1;
    double freeTop = m_body.top();
    for (int id = 2; id < count; ++id) {
        if (!active.value(id))
            continue;
        const double h = heights[id];
        // A frame taller than the free space starts a new page; one taller than the whole body is not moved
        // off an empty page, which would only leave a blank page behind.
        if (h > m_body.bottom() - freeTop && freeTop > m_body.top()) {
            ++page;
            freeTop = m_body.top();
        }
        m_rects[id] = QRectF(0, freeTop, W, h);
        m_pages[id] = page;
        freeTop += h;
    }
    m_pageCount = page;
}
