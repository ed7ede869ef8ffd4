#ifndef ReportPageLayoutH
#define ReportPageLayoutH

// Distribution of the report frames over pages: header at the top and footer at the bottom of every page,
// the body frames stacked in id order and moved to the next page as a whole when they do not fit. Used by
// Report; free of painting so that the rules can be checked with plain numbers.

#include <QRectF>
#include <QSizeF>
#include <QVector>

class ReportPageLayout {
public:
    /*! Lays out frames with the given heights (pixels, one per frame id, 0 = header, 1 = footer, then the
        body frames in printing order) on pages of \a pageSize; \a active holds one flag per id. */
    void layout(const QSizeF &pageSize, const QVector<double> &heights, const QVector<bool> &active);

    int pageCount() const { return m_pageCount; }
    /*! Rectangle of a frame on its page; empty for an inactive frame (the footer's sits at the page bottom). */
    QRectF frameRect(int id) const { return m_rects.value(id); }
    /*! Page (from 1) of a body frame; 0 for an inactive one. Header and footer are on every page. */
    int framePage(int id) const { return m_pages.value(id); }
    const QRectF &bodyRect() const { return m_body; }

private:
    QVector<QRectF> m_rects;
    QVector<int> m_pages;
    QRectF m_body;
    int m_pageCount = 1;
};

#endif // ReportPageLayoutH
