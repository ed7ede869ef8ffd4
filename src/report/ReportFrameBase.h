#ifndef ReportFrameBaseH
#define ReportFrameBaseH

// Base of the report frames: a frame lays itself out for a width, tells its height and paints itself into the
// rectangle the report assigns. Frames build their content as a column of rich-text blocks and tables on the
// report's shared text document; pictures (sketch, diagrams, logos) are drawn by the frames themselves.

#include "ReportPageLayout.h"
#include "ReportTextMetrics.h"

#include <QImage>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class Report;
class QPaintDevice;
class QPainter;
class QTextDocument;

namespace QtExt {
class Table;
class TextFrame;
} // namespace QtExt

class ReportFrameBase {
public:
    ReportFrameBase(Report *report, QTextDocument *textDocument);
    virtual ~ReportFrameBase();
    ReportFrameBase(const ReportFrameBase &) = delete;
    ReportFrameBase &operator=(const ReportFrameBase &) = delete;

    /*! Builds the content for \a width pixels on \a device; returns the bounding rectangle, top left at (0, 0).
        Only its height is used by the report. */
    virtual QRectF frameRect(QPaintDevice *device, double width) = 0;
    /*! Paints the content built by the last frameRect() into \a frame. The default paints the blocks and
        tables. */
    virtual void draw(QPainter *painter, const QRectF &frame);
    /*! Where the content of the last frameRect() may continue on the next page: inside the tables added as
        splittable, after their first data row; empty for a frame that is never split. */
    QVector<FrameBreak> breaks() const;
    /*! Paints one piece of the page layout: the whole frame through draw(), or for a split frame the band of
        the piece below the repeated table header. Nothing is painted outside the piece's rectangle. */
    void drawPiece(QPainter *painter, const FramePiece &piece);
    /*! "%L1" in fixed notation with \a decimals; a value that rounds to zero has no sign. */
    static QString fixed(double value, int decimals);
    /*! The \a index-th table of the last layout, nullptr when there are fewer; lets the cell texts be read. */
    const QtExt::Table *table(int index) const;

protected:
    /*! Why the results this frame prints do not exist (the input check's or the calculation's message, rich
        text), empty when they exist. \a glaser: the frame prints results of the Glaser step, else those of the
        moisture-dependent method. */
    QString missingResultsReason(bool glaser) const;
    /*! Adds one notice naming the reason when the results are missing; true when it did, and the frame then
        prints no values. */
    bool addMissingResultsNotice(bool glaser);
    /*! Starts a new layout: forgets the previous content, measures the text styles on \a device. */
    void beginLayout(QPaintDevice *device, double width);
    /*! Adds a rich-text block across the width (or \a width when given) below the content so far. */
    void addText(const QString &html, double width = -1);
    /*! A table on the shared document, to be filled and then added with addTable(). */
    std::unique_ptr<QtExt::Table> createTable(int cols, int rows) const;
    /*! Lays out \a table for the width (or \a width when given) and adds it below the content so far. */
    void addTable(std::unique_ptr<QtExt::Table> table, double width = -1);
    /*! As addTable(), for a table that may run over several pages; its first \a headerRows rows are repeated
        at the top of each continuation. */
    void addSplittableTable(std::unique_ptr<QtExt::Table> table, int headerRows);
    void addSpacing(double height) { m_cursor += height; }
    /*! The rectangle of everything added since beginLayout(). */
    QRectF endLayout() const { return QRectF(0, 0, m_width, m_cursor); }

    /*! The user logo of the report's settings, loaded and scaled to its size in screen pixels; a null image
        when there is none or it cannot be loaded. */
    QImage userLogo() const;
    /*! Size of \a logo on the current device: screen pixels scaled by device resolution / screen resolution. */
    QSizeF logoSizeOnDevice(const QImage &logo) const;

    /*! Bottom of the content so far, relative to the frame. */
    double cursor() const { return m_cursor; }
    double width() const { return m_width; }
    QPaintDevice *device() const { return m_device; }

    Report *m_report;
    QTextDocument *m_textDocument;
    ReportTextMetrics m_textMetrics;

private:
    struct Item {
        std::unique_ptr<QtExt::TextFrame> text;
        std::unique_ptr<QtExt::Table> table;
        double y = 0;
        double width = 0;
        double height = 0;
        int headerRows = -1; ///< splittable tables: rows repeated on every page; -1: never split
    };

    /*! Paints the items that lie in the band [from, to) of the frame with the frame's top left at origin. */
    void drawBand(QPainter *painter, const QPointF &origin, double from, double to) const;

    std::vector<Item> m_items;
    QPaintDevice *m_device = nullptr;
    double m_width = 0;
    double m_cursor = 0;
};

#endif // ReportFrameBaseH
