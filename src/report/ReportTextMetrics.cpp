#include "ReportTextMetrics.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The letter rows of a German keyboard with their punctuation keys: tall, deep and accented glyphs alike.
const char *const SampleText = "QWERTZUIOP\xC3\x9C* ASDFGHJKL\xC3\x96\xC3\x84' YXCVBNM;:_ "
                               "qwertzuiop\xC3\xBC+ asdfghjkl\xC3\xB6\xC3\xA4# yxcvbnm,.-";

const char *const StyleMarkup[] = {"%1",          "<h1>%1</h1>", "<h2>%1</h2>",
                                   "<h3>%1</h3>", "<h4>%1</h4>", "<small>%1</small>"};

} // namespace

ReportTextMetrics::ReportTextMetrics(const QString &family, double pointSize) : m_font(family) {
    if (pointSize > 0)
        m_font.setPointSizeF(pointSize);
    m_font.setKerning(false);
    m_textDocument.setDefaultFont(m_font);
    m_textDocument.setDocumentMargin(0);
    measure();
}

void ReportTextMetrics::setPaintDevice(QPaintDevice *device) {
    const int dpi = device ? device->logicalDpiY() : 0;
    if (device == m_device && dpi == m_deviceDpi)
        return;
    m_device = device;
    m_deviceDpi = dpi;
    m_textDocument.documentLayout()->setPaintDevice(device);
    measure();
}

void ReportTextMetrics::measure() {
    const QString sample = QString::fromUtf8(SampleText).toHtmlEscaped();
    for (int style = 0; style < NumStyles; ++style) {
        m_textDocument.setHtml(QString::fromLatin1(StyleMarkup[style]).arg(sample));
        m_textDocument.setTextWidth(-1);
        m_textDocument.size(); // lays the document out
        const QTextLayout *layout = m_textDocument.firstBlock().layout();
        if (!layout || layout->lineCount() == 0)
            continue;
        const QTextLine line = layout->lineAt(0);
        m_height[style] = qRound(line.height());
        m_ascent[style] = qRound(line.ascent());
        m_descent[style] = qRound(line.descent());
    }
}
