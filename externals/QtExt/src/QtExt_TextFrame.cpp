#include "QtExt_TextFrame.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace QtExt {

TextFrame::TextFrame(QTextDocument *textDocument) : m_textDocument(textDocument) {}

void TextFrame::setDefaultFont(const QFont &font) {
    m_defaultFont = font;
    m_hasDefaultFont = true;
}

void TextFrame::setText(const QString &text) {
    m_text = text;
}

QRectF TextFrame::frameRect(QPaintDevice *device, double width) {
    Q_ASSERT_X(m_textDocument != 0, "TextFrame::frameRect", "m_textDocument != 0");
    if (device)
        m_textDocument->documentLayout()->setPaintDevice(device);
    const QFont previousFont = prepareDocument(width);
    const QSizeF size = m_textDocument->size();
    m_textDocument->setDefaultFont(previousFont);
    return QRectF(0, 0, width < 0 ? size.width() : width, size.height());
}

void TextFrame::draw(QPainter *painter, const QPointF &topLeft, double width) {
    Q_ASSERT_X(m_textDocument != 0, "TextFrame::draw", "m_textDocument != 0");
    const QFont previousFont = prepareDocument(width);
    painter->save();
    painter->translate(topLeft);
    m_textDocument->drawContents(painter);
    painter->restore();
    m_textDocument->setDefaultFont(previousFont);
}

QString TextFrame::anchorAt(const QPointF &pos, double width) {
    const QFont previousFont = prepareDocument(width);
    const QString anchor = m_textDocument->documentLayout()->anchorAt(pos);
    m_textDocument->setDefaultFont(previousFont);
    return anchor;
}

QFont TextFrame::prepareDocument(double width) {
    // The document is shared with other blocks and tables: every use sets all that it depends on and hands
    // the document's own font back afterwards.
    const QFont previousFont = m_textDocument->defaultFont();
    if (m_hasDefaultFont)
        m_textDocument->setDefaultFont(m_defaultFont);
    m_textDocument->setHtml(m_text);
    m_textDocument->setTextWidth(width);
    return previousFont;
}

} // namespace QtExt
