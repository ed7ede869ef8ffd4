#ifndef ReportPageLayoutH
#define ReportPageLayoutH

// Distribution of the report frames over pages: header at the top and footer at the bottom of every page,
// the body frames stacked in id order. A frame that does not fit moves to the next page as a whole, unless it
// offers breaks (between table rows): then it fills the page and continues on the next ones, each continuation
// headed by the repeated table header. Nothing is placed below the body. Used by Report; free of painting so
// that the rules can be checked with plain numbers.

#include <QRectF>
#include <QSizeF>
#include <QVector>

/*! A place where a frame may continue on the next page, in frame coordinates (0 = frame top). */
struct FrameBreak {
    double end = 0;          ///< the piece before the break ends here
    double resume = 0;       ///< the next piece starts here (below end when a value on the line is repeated)
    double headerTop = 0;    ///< band repeated at the top of the next piece (table header rows) ...
    double headerBottom = 0; ///< ... empty when headerTop == headerBottom
};

/*! One part of a frame on one page: the frame's band [from, to) drawn at rect, below the repeated band
    [headerFrom, headerTo). A frame that fits has one piece with from 0, to its height and no header. */
struct FramePiece {
    int page = 0;
    QRectF rect;
    double from = 0;
    double to = 0;
    double headerFrom = 0;
    double headerTo = 0;
    double headerHeight() const { return headerTo - headerFrom; }
};

class ReportPageLayout {
public:
    /*! Lays out frames with the given heights (pixels, one per frame id, 0 = header, 1 = footer, then the
        body frames in printing order) on pages of \a pageSize; \a active holds one flag per id, \a breaks
        the breaks of each frame in ascending order (missing: the frame is not split). */
    void layout(const QSizeF &pageSize, const QVector<double> &heights, const QVector<bool> &active,
                const QVector<QVector<FrameBreak>> &breaks = {});

    int pageCount() const { return m_pageCount; }
    /*! Rectangle of a frame (of its first piece) on its page; empty for an inactive frame (the footer's sits
        at the page bottom). */
    QRectF frameRect(int id) const;
    /*! Page (from 1) of a body frame's first piece; 0 for an inactive one. Header and footer are on every page. */
    int framePage(int id) const;
    /*! Pieces of a body frame in page order; empty for an inactive one. */
    QVector<FramePiece> pieces(int id) const { return m_pieces.value(id); }
    const QRectF &bodyRect() const { return m_body; }

private:
    /*! Places frame \a id of height \a h, splitting it at \a breaks where it does not fit. */
    void place(int id, double h, const QVector<FrameBreak> &breaks);
    void newPage();
    void addPiece(int id, double from, double to, double headerFrom, double headerTo);

    QVector<QRectF> m_rects;
    QVector<QVector<FramePiece>> m_pieces;
    QRectF m_body;
    int m_page = 1;
    double m_freeTop = 0;
    int m_pageCount = 1;
};

#endif // ReportPageLayoutH
