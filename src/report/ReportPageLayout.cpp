#include "ReportPageLayout.h"

#include <algorithm>

void ReportPageLayout::layout(const QSizeF &pageSize, const QVector<double> &heights, const QVector<bool> &active,
                              const QVector<QVector<FrameBreak>> &breaks) {
    const int count = heights.size();
    const double W = pageSize.width();
    const double H = pageSize.height();
    m_rects = QVector<QRectF>(count);
    m_pieces = QVector<QVector<FramePiece>>(count);
    const double headerHeight = active.value(0) ? heights.value(0) : 0;
    const double footerHeight = active.value(1) ? heights.value(1) : 0;
    if (active.value(0))
        m_rects[0] = QRectF(0, 0, W, headerHeight);
    if (count > 1)
        m_rects[1] = QRectF(0, H - footerHeight, W, footerHeight);
    m_body = QRectF(0, headerHeight, W, H - headerHeight - footerHeight);

    m_page = 1;
    m_freeTop = m_body.top();
    for (int id = 2; id < count; ++id) {
        if (active.value(id))
            place(id, heights[id], breaks.value(id));
    }
    m_pageCount = m_page;
}

QRectF ReportPageLayout::frameRect(int id) const {
    if (id < 2)
        return m_rects.value(id);
    const QVector<FramePiece> pieces = m_pieces.value(id);
    return pieces.isEmpty() ? QRectF() : pieces.first().rect;
}

int ReportPageLayout::framePage(int id) const {
    const QVector<FramePiece> pieces = m_pieces.value(id);
    return pieces.isEmpty() ? 0 : pieces.first().page;
}

void ReportPageLayout::place(int id, double h, const QVector<FrameBreak> &breaks) {
    double from = 0;
    double headerFrom = 0;
    double headerTo = 0;
    for (;;) {
        const double free = m_body.bottom() - m_freeTop;
        const double header = headerTo - headerFrom;
        const bool emptyPage = m_freeTop <= m_body.top();
        if (header + h - from <= free) {
            addPiece(id, from, h, headerFrom, headerTo);
            return;
        }
        // The last break after which the rest of the page is still enough.
        const FrameBreak *fit = nullptr;
        for (const FrameBreak &b : breaks) {
            if (b.end > from && b.resume > from && header + b.end - from <= free)
                fit = &b;
        }
        if (!fit && !emptyPage) {
            newPage();
            continue;
        }
        if (!fit) {
            // Not even one slice fits on an empty page: it is cut at the footer, the rest continues after it.
            const auto next = std::find_if(breaks.begin(), breaks.end(),
                                           [from](const FrameBreak &b) { return b.end > from && b.resume > from; });
            addPiece(id, from, std::min(h, from + free - header), headerFrom, headerTo);
            if (next == breaks.end())
                return;
            fit = &*next;
        }
        else
            addPiece(id, from, fit->end, headerFrom, headerTo);
        newPage();
        from = fit->resume;
        headerFrom = fit->headerTop;
        headerTo = fit->headerBottom;
    }
}

void ReportPageLayout::newPage() {
    ++m_page;
    m_freeTop = m_body.top();
}

void ReportPageLayout::addPiece(int id, double from, double to, double headerFrom, double headerTo) {
    FramePiece piece;
    piece.page = m_page;
    piece.from = from;
    piece.to = to;
    piece.headerFrom = headerFrom;
    piece.headerTo = headerTo;
    const double height = piece.headerHeight() + to - from;
    piece.rect = QRectF(m_body.left(), m_freeTop, m_body.width(), height);
    m_pieces[id].push_back(piece);
    m_freeTop += height;
}
