#ifndef QtExt_TextFrameH
#define QtExt_TextFrameH

// A block of rich text laid out with a shared text document: the report frames and the results panel build
// their titles, legends and notes from it. The document is not owned; its layout decides the resolution.

#include <QFont>
#include <QRectF>
#include <QString>

class QPaintDevice;
class QPainter;
class QPointF;
class QTextDocument;

namespace QtExt {

class TextFrame {
public:
    explicit TextFrame(QTextDocument *textDocument);

    void setDefaultFont(const QFont &font);
    /*! Rich text (HTML) of the block. */
    void setText(const QString &text);
    const QString &text() const { return m_text; }

    /*! Lays the text out for \a width pixels (-1: unlimited) on \a device (nullptr keeps the document's
        device) and returns its rectangle, top left at (0, 0). */
    QRectF frameRect(QPaintDevice *device, double width);
    /*! Paints the text with its top left corner at \a topLeft, wrapped at \a width pixels (-1: unlimited). */
    void draw(QPainter *painter, const QPointF &topLeft, double width);
    /*! Target of the link at \a pos (relative to the block's top left) when wrapped at \a width; empty where
        there is none. */
    QString anchorAt(const QPointF &pos, double width);

private:
    /*! Loads font and text into the shared document, wrapped at width; returns the document's previous
        default font. */
    QFont prepareDocument(double width);

    QTextDocument *m_textDocument;
    QFont m_defaultFont;
    bool m_hasDefaultFont = false;
    QString m_text;
};

} // namespace QtExt

#endif // QtExt_TextFrameH
