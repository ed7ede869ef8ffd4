#ifndef QtExt_TableH
#define QtExt_TableH

// A grid of rich-text cells laid out with a shared text document: joined cells, alignment per cell, outer and
// inner borders and a cell spacing. Tells its height for a width and paints on any paint device. The report
// frames and the results panel are built from it. Cells are addressed as (column, row), counted from 0.

#include <QRectF>
#include <QString>
#include <QVector>

class QPaintDevice;
class QPainter;
class QPointF;
class QTextDocument;
class QTextOption;

namespace QtExt {

class Table {
public:
    /*! A place where the table may continue on another page, y in table coordinates of the last layout: the
        part above ends at \a end, the part below starts at \a resume (above end when a value standing on the
        line is repeated on both sides). */
    struct Break {
        double end = 0;
        double resume = 0;
    };

    /*! A table of \a cols columns and \a rows rows on the shared, not owned \a textDocument. */
    Table(QTextDocument *textDocument, int cols, int rows);

    /*! Resizes the grid; all cells become empty and unjoined. */
    void setColumnsRows(int cols, int rows);
    int columnCount() const { return m_cols; }
    int rowCount() const { return m_rows; }

    /*! Rich text (HTML) of a cell. */
    void setCellText(int col, int row, const QString &text);
    QString cellText(int col, int row) const;
    /*! Horizontal and vertical alignment of the cell content; default: left and top. */
    void setCellAlignment(int col, int row, Qt::Alignment alignment);
    /*! Centres the content of a cell on its top or bottom border line, so that a value can stand between two
        rows; the rows on both sides of the line keep room for its halves. */
    void setCellOnBorder(int col, int row, Qt::Edge edge);
    /*! Joins numCols x numRows cells into the cell at (col, row), which then holds the text. */
    void setCellJoined(int col, int row, int numCols, int numRows);

    void setOuterBorderWidth(double width) { m_outerBorder = width; }
    void setInnerBorderWidth(double width) { m_innerBorder = width; }
    /*! Space between the cell content and the cell's border, on all four sides. */
    void setSpacing(double spacing) { m_spacing = spacing; }
    void setTableWidth(double width);
    /*! Smallest width of a column in pixels, spacing included (an indent, a fixed gap). */
    void setColumnMinimumWidth(int col, double width);
    /*! False: joined cells wrap within the columns the single cells need and never widen them for a one-line
        text (long notes under a list of captions and numbers). True by default. */
    void setJoinedCellsWidenColumns(bool widen) { m_joinedCellsWiden = widen; }

    /*! Lays the table out for \a width pixels on \a device (nullptr keeps the document's device); returns
        its rectangle, top left at (0, 0). */
    QRectF frameRect(QPaintDevice *device, double width);
    /*! Rectangle of a cell (joined cells: of the whole join) in the last layout, relative to the table. */
    QRectF cellRect(int col, int row) const;
    /*! Top of a row in the last layout; the table height for \a row == rowCount(). */
    double rowTop(int row) const;
    /*! The breaks at the top lines of the rows from \a firstRow on that no joined cell crosses; never before
        the last row, which would stand alone. */
    QVector<Break> breaks(int firstRow) const;
    /*! Paints the table with its top left corner at \a topLeft, laid out for the table width. */
    void draw(QPainter *painter, const QPointF &topLeft);
    /*! Paints only the cells whose text lies inside the band [fromY, toY] of the table, with the table's top
        left corner at \a topLeft; borders only inside the band. */
    void draw(QPainter *painter, const QPointF &topLeft, double fromY, double toY);
    /*! Target of the link at \a pos (relative to the table) in the last layout; empty where there is none. */
    QString anchorAt(const QPointF &pos) const;

private:
    struct Cell {
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
        int colSpan = 1;
        int rowSpan = 1;
        /*! Hidden under a joined cell. */
        bool covered = false;
        /*! 0: inside the cell; Qt::TopEdge or Qt::BottomEdge: centred on that border line. */
        int borderEdge = 0;
        /*! Content height of the last layout, without spacing. */
        double contentHeight = 0;
    };

    Cell &cell(int col, int row);
    const Cell &cell(int col, int row) const;
    void checkIndex(int col, int row) const;

    void layout();
    void layoutColumns();
    void layoutRows();
    /*! Size of \a text laid out at \a width (-1: unlimited) in the shared document. */
    QSizeF textSize(const QString &text, double width) const;
    double minimumTextWidth(const QString &text) const;
    static double fillLevel(const QVector<double> &minWidth, const QVector<double> &maxWidth, double available);
    double spannedWidth(int col, int span) const;
    double spannedHeight(int row, int span) const;
    /*! Top of the cell's text when drawn into \a rect. */
    double textTop(const Cell &c, const QRectF &rect) const;
    /*! Loads the cell's text into the shared document, aligned and wrapped as drawn into a cell of \a width
        inside its spacing; returns the document's previous text option. */
    QTextOption loadCell(const Cell &c, double width) const;
    void drawCell(QPainter *painter, const Cell &c, const QRectF &rect) const;
    void drawBorders(QPainter *painter, double fromY, double toY) const;

    QTextDocument *m_textDocument;
    int m_cols = 0;
    int m_rows = 0;
    QVector<Cell> m_cells;
    QVector<double> m_colMinimumWidths;
    double m_outerBorder = 0;
    double m_innerBorder = 0;
    double m_spacing = 0;
    double m_tableWidth = 0;
    bool m_joinedCellsWiden = true;
    bool m_layoutValid = false;
    QVector<double> m_colX;
    QVector<double> m_colWidths;
    QVector<double> m_rowY;
    QVector<double> m_rowHeights;
};

} // namespace QtExt

#endif // QtExt_TableH
