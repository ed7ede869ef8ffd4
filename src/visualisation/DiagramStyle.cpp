#include "DiagramStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

QFont derivedFont(const DiagramFontSettings &settings, double factor) {
    QFont font(settings.family);
    font.setPointSizeF(std::max(1.0, settings.pointSize * factor));
    return font;
}

} // namespace

DiagramStyle::DiagramStyle(bool screenMode, const DiagramFontSettings &fonts)
    : m_screenMode(screenMode), m_fontScreenLabel(derivedFont(fonts, 0.8)), m_fontReportLabel(derivedFont(fonts, 0.6)),
      m_fontScreenTitle(derivedFont(fonts, 1.0)), m_fontReportTitle(derivedFont(fonts, 0.8)) {
    rebuild(1.0, nullptr);
}

QPen DiagramStyle::makePen(const QColor &color, double width, Qt::PenStyle style) {
    QPen pen(color, width, style);
    return pen;
}

void DiagramStyle::rebuild(double scale, QPaintDevice *device) {
    const double s = scale;
    m_scale = s;
    m_device = device;
    const QColor structure = m_screenMode ? QColor(Qt::darkGray) : QColor(Qt::black);
    const QColor chain = m_screenMode ? QColor(Qt::gray) : QColor(Qt::black);

    m_pens[SaturationPressure] = makePen(darkBlue(), std::trunc(std::max(1.0, 0.25 * s)));
    m_pens[RealPressure] = makePen(darkBlue(), std::max(1.8, 0.45 * s));
    const double dashWidth = s <= 1 ? 1.0 : std::max(1.0, 0.2 * s);
    QPen dashed = makePen(Qt::black, dashWidth, Qt::CustomDashLine);
    // Qt measures dash patterns in pen widths, so (4, 3) gives 4 w on and 3 w off
    dashed.setDashPattern({4, 3});
    m_pens[CalculatedPressure] = dashed;
    m_pens[LayerBoundary] = makePen(structure, std::max(2.0, 0.6 * s));
    m_pens[LayerBoundary].setCapStyle(Qt::FlatCap);
    m_pens[DimensionChain] = makePen(chain, std::max(1.0, 0.2 * s));
    m_pens[OutlineVertical] = makePen(Qt::black, m_screenMode ? 2.0 : std::trunc(0.8 * s));
    m_pens[OutlineHorizontal] = makePen(Qt::darkGray, m_screenMode ? 1.0 : 0.2 * s, Qt::DashLine);
    m_pens[Temperature] = makePen(darkRed(), std::max(1.5, 0.4 * s));
    m_pens[TemperatureAxis] = makePen(darkRed(), std::max(1.0, 0.4 * s));
    m_pens[PressureAxis] = makePen(darkBlue(), std::max(1.0, 0.4 * s));
    m_pens[MoistureAxis] = makePen(blue(), std::max(1.0, 0.4 * s));
    m_pens[MoistureReference] = makePen(dodgerBlue(), std::max(0.5, 0.2 * s));
    m_pens[MoistureOutline] = makePen(blue(), std::max(0.7, 0.4 * s));
    m_pens[AuxiliaryDotted] = makePen(dodgerBlue(), std::max(2.0, 0.8 * s), Qt::DotLine);
}

double DiagramStyle::pixelsPerMM() const {
    if (!m_screenMode)
        return m_scale;
    return (m_device && m_device->logicalDpiY() > 0 ? m_device->logicalDpiY() : 96) / 25.4;
}

QString DiagramStyle::formatNumber(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

QGraphicsTextItem *DiagramStyle::createText(const QString &text, const QFont &font, bool richText,
                                            double textWidth) const {
    QGraphicsTextItem *item = new QGraphicsTextItem;
    QTextDocument *doc = item->document();
    if (m_device)
        doc->documentLayout()->setPaintDevice(m_device);
    doc->setDocumentMargin(0);
    item->setFont(font);
    if (richText)
        item->setHtml(text);
    else
        item->setPlainText(text);
    item->setTextWidth(textWidth);
    if (doc->firstBlock().isValid() && doc->firstBlock().lineCount() > 0) {
        QTextCursor cursor(doc->firstBlock());
        QTextBlockFormat format = cursor.blockFormat();
        format.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(format);
    }
    return item;
}
