#include "StudyChart.h"

#include <calculation/CriteriaBasis.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

/*! Drawing units of a chart file: the paper is scaled to this size, so that text keeps its size relative to it. */
const QSizeF LogicalSize(800, 500);
const double FontPixels = 13;
const double DryingLimitDays = 90;
const QColor McColour(30, 90, 180);
const QColor DryingColour(190, 90, 10);
const QColor PassColour(120, 200, 120, 80);
const QColor GlaserColour(110, 110, 110, 110);
const QColor SurfaceColour(200, 30, 30);
const QColor SurfaceHatchColour(200, 30, 30, 90);

/*! Maps values of one axis onto a pixel range, linearly or logarithmically. */
struct Scale {
    double low, high, from, to;
    bool logarithmic = false;
    double operator()(double v) const {
        if (logarithmic)
            return from + std::log10(v / low) / std::log10(high / low) * (to - from);
        return from + (v - low) / (high - low) * (to - from);
    }
};

QString label(double value) {
    return QString::number(value, 'g', 6);
}

/*! Rich text (subscripts) at \a topLeft in the painter's font and pen colour; returns its size. */
QSizeF drawHtml(QPainter &painter, const QPointF &topLeft, const QString &html, bool draw = true) {
    QTextDocument document;
    document.setDefaultFont(painter.font());
    document.setDocumentMargin(0);
    document.setHtml(html);
    const QSizeF size(document.idealWidth(), document.size().height());
    if (!draw)
        return size;
    painter.save();
    painter.translate(topLeft);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, painter.pen().color());
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    return size;
}

/*! Rich text centred on \a centre. */
void drawHtmlCentred(QPainter &painter, const QPointF &centre, const QString &html) {
    const QSizeF size = drawHtml(painter, QPointF(), html, false);
    drawHtml(painter, centre - QPointF(size.width() / 2, size.height() / 2), html);
}

/*! Top of an axis from 0: the first round tick above the largest of \a values and \a limit. */
double axisTop(const std::vector<double> &values, double limit) {
    double top = limit;
    for (double v : values)
        top = std::max(top, v);
    const std::vector<double> t = StudyChart::ticks(0, top * 1.1);
    const double step = t.size() > 1 ? t[1] - t[0] : top * 1.1;
    return std::ceil(top * 1.1 / step - 1e-9) * step;
}

/*! Where the stretches of two neighbouring points meet: at a found limit between them, else half way. */
double boundary(const StudyChart::Content &content, double a, double b, const Scale &x) {
    for (const StudyChart::Marker &marker : content.limits)
        if (marker.value > a && marker.value < b)
            return x(marker.value);
    return 0.5 * (x(a) + x(b));
}

/*! The stretch of the value axis the point \a i stands for. */
std::pair<double, double> stretch(const StudyChart::Content &content, size_t i, const Scale &x) {
    const std::vector<StudyChart::Point> &p = content.points;
    const double left = i > 0 ? boundary(content, p[i - 1].value, p[i].value, x) : x(p[i].value) - 3;
    const double right = i + 1 < p.size() ? boundary(content, p[i].value, p[i + 1].value, x) : x(p[i].value) + 3;
    return {left, right};
}

/*! Background bands: passing values shaded, Glaser-judged values hatched, surface condensation cross-hatched. */
void drawBands(QPainter &painter, const QRectF &plot, const StudyChart::Content &content, const Scale &x) {
    const std::vector<StudyChart::Point> &p = content.points;
    for (size_t i = 0; i < p.size(); ++i) {
        const auto [left, right] = stretch(content, i, x);
        const QRectF band(left, plot.top(), std::max(right - left, 2.0), plot.height());
        if (p[i].passes)
            painter.fillRect(band, PassColour);
        if (p[i].glaser)
            painter.fillRect(band, QBrush(GlaserColour, Qt::BDiagPattern));
        if (p[i].surfaceCondensation)
            painter.fillRect(band, QBrush(SurfaceHatchColour, Qt::DiagCrossPattern));
    }
}

/*! One series: a line with gaps where no figure exists, and a marker at each value. */
void drawSeries(QPainter &painter, const StudyChart::Content &content, const Scale &x, const Scale &y, bool mc) {
    const QColor colour = mc ? McColour : DryingColour;
    painter.setPen(QPen(colour, 2, mc ? Qt::SolidLine : Qt::DashLine));
    QPainterPath path;
    std::vector<QPointF> markers;
    bool open = false;
    for (const StudyChart::Point &p : content.points) {
        if (!p.judged) {
            open = false;
            continue;
        }
        const QPointF at(x(p.value), y(mc ? p.Mc : p.dryingDays));
        open ? path.lineTo(at) : path.moveTo(at);
        open = true;
        markers.push_back(at);
    }
    painter.drawPath(path);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(mc ? QBrush(colour) : QBrush(Qt::white));
    for (const QPointF &at : markers)
        mc ? painter.drawEllipse(at, 3.5, 3.5) : painter.drawRect(QRectF(at - QPointF(3.5, 3.5), QSizeF(7, 7)));
    painter.setBrush(Qt::NoBrush);
}

/*! Surface condensation: a cross on the value axis, as no condensate figure exists there. */
void drawSurfaceMarks(QPainter &painter, const QRectF &plot, const StudyChart::Content &content, const Scale &x) {
    painter.setPen(QPen(SurfaceColour, 2));
    for (const StudyChart::Point &p : content.points) {
        if (!p.surfaceCondensation)
            continue;
        const QPointF at(x(p.value), plot.bottom() - 6);
        painter.drawLine(at + QPointF(-5, -5), at + QPointF(5, 5));
        painter.drawLine(at + QPointF(-5, 5), at + QPointF(5, -5));
    }
}

void drawHorizontalLimit(QPainter &painter, const QRectF &plot, double y, const QColor &colour, Qt::PenStyle style,
                         const QString &html) {
    painter.setPen(QPen(colour, 1.2, style));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    const QSizeF size = drawHtml(painter, QPointF(), html, false);
    painter.fillRect(QRectF(QPointF(plot.left() + 4, y - size.height() - 1), size), QColor(255, 255, 255, 200));
    drawHtml(painter, QPointF(plot.left() + 4, y - size.height() - 1), html);
}

/*! The condensate limits that apply to the judged values, each once. */
std::vector<double> condensateLimits(const StudyChart::Content &content) {
    std::vector<double> limits;
    for (const StudyChart::Point &p : content.points)
        if (p.McLimit > 0 && std::find(limits.begin(), limits.end(), p.McLimit) == limits.end())
            limits.push_back(p.McLimit);
    return limits;
}

void drawLimitMarkers(QPainter &painter, const QRectF &plot, const StudyChart::Content &content, const Scale &x) {
    const QFontMetricsF metrics(painter.font());
    double labelY = plot.top() + 4;
    for (const StudyChart::Marker &marker : content.limits) {
        const double at = x(marker.value);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
        const double width = metrics.horizontalAdvance(marker.text) + 8;
        const double left = at + 4 + width > plot.right() ? at - 4 - width : at + 4;
        const QRectF box(left, labelY, width, metrics.height() + 2);
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.drawText(box, Qt::AlignCenter, marker.text);
        labelY += metrics.height() + 4;
    }
}

void drawValueAxis(QPainter &painter, const QRectF &plot, const Scale &x, const QString &title) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const std::vector<double> ticks =
        x.logarithmic ? StudyChart::logTicks(x.low, x.high) : StudyChart::ticks(x.low, x.high);
    for (double t : ticks) {
        painter.drawLine(QPointF(x(t), plot.bottom()), QPointF(x(t), plot.bottom() + 5));
        const QString text = label(t);
        painter.drawText(QPointF(x(t) - metrics.horizontalAdvance(text) / 2, plot.bottom() + 6 + metrics.ascent()),
                         text);
    }
    drawHtmlCentred(painter, QPointF(plot.center().x(), plot.bottom() + 14 + 1.5 * metrics.height()), title);
}

void drawVerticalAxis(QPainter &painter, const QRectF &plot, const Scale &y, bool left, const QColor &colour,
                      const QString &title) {
    const QFontMetricsF metrics(painter.font());
    const double ax = left ? plot.left() : plot.right();
    painter.setPen(colour);
    painter.drawLine(QPointF(ax, plot.top()), QPointF(ax, plot.bottom()));
    for (double t : StudyChart::ticks(y.low, y.high)) {
        const QString text = label(t);
        const double w = metrics.horizontalAdvance(text);
        painter.drawLine(QPointF(ax, y(t)), QPointF(left ? ax - 5 : ax + 5, y(t)));
        painter.drawText(QPointF(left ? ax - 8 - w : ax + 8, y(t) + metrics.ascent() / 2 - 1), text);
    }
    painter.save();
    painter.translate(left ? ax - 50 : ax + 50, plot.center().y());
    painter.rotate(left ? -90 : 90);
    drawHtmlCentred(painter, QPointF(0, 0), title);
    painter.restore();
}

/*! One legend entry: a sample drawn by \a sample in a 24 x 12 box, then the text; returns the next x. */
template <typename Sample>
double legendEntry(QPainter &painter, double x, double y, const QString &html, Sample sample) {
    painter.save();
    sample(QRectF(x, y - 6, 24, 12));
    painter.restore();
    painter.setPen(Qt::black);
    const QSizeF size =
        drawHtml(painter, QPointF(x + 28, y - drawHtml(painter, QPointF(), html, false).height() / 2), html);
    return x + 28 + size.width() + 16;
}

void drawLegend(QPainter &painter, const QRectF &rect, double y, const StudyChart::Content &content) {
    const auto has = [&content](bool StudyChart::Point::*flag) {
        return std::any_of(content.points.begin(), content.points.end(),
                           [flag](const StudyChart::Point &p) { return p.*flag; });
    };
    double x = rect.left() + 20;
    x = legendEntry(painter, x, y, StudyChart::tr("Condensate mass M<sub>c</sub>"), [&painter](const QRectF &r) {
        painter.setPen(QPen(McColour, 2));
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        painter.setBrush(McColour);
        painter.drawEllipse(r.center(), 3.5, 3.5);
    });
    x = legendEntry(painter, x, y, StudyChart::tr("Drying time"), [&painter](const QRectF &r) {
        painter.setPen(QPen(DryingColour, 2, Qt::DashLine));
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        painter.setPen(QPen(DryingColour, 1.5));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(r.center() - QPointF(3.5, 3.5), QSizeF(7, 7)));
    });
    x = legendEntry(painter, x, y, StudyChart::tr("all requirements fulfilled"),
                    [&painter](const QRectF &r) { painter.fillRect(r, PassColour); });
    if (has(&StudyChart::Point::glaser))
        x = legendEntry(painter, x, y, StudyChart::tr("judged on the Glaser basis"),
                        [&painter](const QRectF &r) { painter.fillRect(r, QBrush(GlaserColour, Qt::BDiagPattern)); });
    if (has(&StudyChart::Point::surfaceCondensation))
        legendEntry(painter, x, y, StudyChart::tr("surface condensation (no M<sub>c</sub>)"),
                    [&painter](const QRectF &r) {
                        painter.fillRect(r, QBrush(SurfaceHatchColour, Qt::DiagCrossPattern));
                        painter.setPen(QPen(SurfaceColour, 2));
                        painter.drawLine(r.center() + QPointF(-5, -5), r.center() + QPointF(5, 5));
                        painter.drawLine(r.center() + QPointF(-5, 5), r.center() + QPointF(5, -5));
                    });
}

Scale valueScale(const StudyChart::Content &content, const QRectF &plot) {
    double low = content.points.front().value, high = content.points.back().value;
    const bool logarithmic = content.logarithmic && low > 0;
    if (!(high > low)) {
        low = logarithmic ? low / 2 : low - 0.5;
        high = logarithmic ? high * 2 : high + 0.5;
    }
    return Scale{low, high, plot.left(), plot.right(), logarithmic};
}

void drawOnDevice(QPainter &painter, const StudyChart::Paper &paper, double dotsPerMM,
                  const StudyChart::Content &content) {
    const double scale = paper.widthMM * dotsPerMM / LogicalSize.width();
    painter.scale(scale, scale);
    StudyChart::draw(
        painter,
        QRectF(QPointF(0, 0), QSizeF(LogicalSize.width(), LogicalSize.width() * paper.heightMM / paper.widthMM)),
        content);
}

bool encodeSvg(const StudyChart::Paper &paper, const StudyChart::Content &content, QIODevice *out) {
    const double dotsPerMM = 96 / 25.4;
    const QSize size(qRound(paper.widthMM * dotsPerMM), qRound(paper.heightMM * dotsPerMM));
    QSvgGenerator generator;
    generator.setOutputDevice(out);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(content.title);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    drawOnDevice(painter, paper, dotsPerMM, content);
    return painter.end();
}

bool encodePng(const StudyChart::Paper &paper, const StudyChart::Content &content, QIODevice *out) {
    const double dotsPerMM = paper.dpi / 25.4;
    QImage image(qRound(paper.widthMM * dotsPerMM), qRound(paper.heightMM * dotsPerMM), QImage::Format_ARGB32);
    image.setDotsPerMeterX(qRound(dotsPerMM * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMM * 1000));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawOnDevice(painter, paper, dotsPerMM, content);
    }
    return image.save(out, "PNG");
}

bool encodePdf(const StudyChart::Paper &paper, const StudyChart::Content &content, QIODevice *out) {
    QPdfWriter writer(out);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(QSizeF(paper.widthMM, paper.heightMM), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(content.title);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    drawOnDevice(painter, paper, 96 / 25.4, content);
    return painter.end();
}

/*! "42.5 mm: minimum thermal resistance" for a change of the limit search. */
QString markerText(const VariantStudy::Change &change, double factor, const QString &unit) {
    return QStringLiteral("%1 %2: %3")
        .arg(QString::number(0.5 * (change.passing + change.failing) * factor, 'g', 4), unit,
             VariantStudy::flippedText(change));
}

} // namespace

StudyChart::Content StudyChart::content(const std::vector<VariantStudy::Row> &rows, const VariantStudy::Limit *limit,
                                        VariantStudy::Quantity quantity, int layer, const QString &layerName,
                                        AxisScale scale) {
    const bool width = quantity == VariantStudy::Quantity::Width;
    const double factor = width ? 1000 : 1;
    QString unit = width ? QStringLiteral("mm") : VariantStudy::unit(quantity);
    unit.replace(QLatin1String("m2"), QStringLiteral("m²"));
    Content content;
    content.valueTitle = VariantStudy::quantityText(quantity);
    if (layer > 0)
        content.valueTitle += tr(" of layer %1 (%2)").arg(layer).arg(layerName.toHtmlEscaped());
    if (unit != QLatin1String("-"))
        content.valueTitle += tr(" in %1").arg(unit);
    content.title = content.valueTitle;
    std::vector<VariantStudy::Row> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const VariantStudy::Row &a, const VariantStudy::Row &b) { return a.value < b.value; });
    for (const VariantStudy::Row &row : sorted) {
        Point point;
        point.value = row.value * factor;
        point.surfaceCondensation = row.resultCode == ResultCode::CondensationLeftSurface ||
                                    row.resultCode == ResultCode::CondensationRightSurface;
        point.judged = row.basis.scope == CriteriaBasis::Scope::All && !point.surfaceCondensation;
        point.Mc = row.Mc;
        point.dryingDays = row.dryingTimeDays;
        point.passes = row.passes();
        point.glaser = point.judged && row.basis.isGlaser();
        for (const DINCriterion &criterion : row.criteria)
            if (criterion.kind == DINCriterion::CondensateMass && criterion.assessed && point.judged)
                point.McLimit = criterion.required;
        content.points.push_back(point);
    }
    if (limit)
        for (const VariantStudy::Change &change : limit->changes)
            content.limits.push_back(
                {0.5 * (change.passing + change.failing) * factor, markerText(change, factor, unit)});
    const bool positive = !content.points.empty() && content.points.front().value > 0;
    const bool wide = positive && content.points.back().value > 100 * content.points.front().value;
    content.logarithmic =
        positive && (scale == AxisScale::Logarithmic ||
                     (scale == AxisScale::Automatic && (quantity == VariantStudy::Quantity::SdValue || wide)));
    return content;
}

std::vector<double> StudyChart::ticks(double low, double high) {
    if (!(high > low))
        return {low};
    const double rough = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    std::vector<double> result;
    for (double t = std::ceil(low / step - 1e-9) * step; t <= high + step * 1e-9; t += step)
        result.push_back(std::abs(t) < step * 1e-9 ? 0 : t);
    return result;
}

std::vector<double> StudyChart::logTicks(double low, double high) {
    std::vector<double> result;
    if (!(low > 0) || !(high > low))
        return result;
    const bool fine = high / low < 1000;
    for (int exponent = int(std::floor(std::log10(low))); exponent <= int(std::ceil(std::log10(high))); ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (double factor : {1.0, 2.0, 5.0}) {
            const double t = factor * power;
            if ((factor == 1.0 || fine) && t >= low * (1 - 1e-9) && t <= high * (1 + 1e-9))
                result.push_back(t);
        }
    }
    return result;
}

void StudyChart::draw(QPainter &painter, const QRectF &rect, const Content &content) {
    painter.fillRect(rect, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(int(FontPixels));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    painter.setPen(Qt::black);
    QFont titleFont = font;
    titleFont.setBold(true);
    painter.setFont(titleFont);
    drawHtmlCentred(painter, QPointF(rect.center().x(), rect.top() + 16), content.title);
    painter.setFont(font);
    const QRectF plot = rect.adjusted(85, 36 + 2 * metrics.height(), -85, -22 - 3 * metrics.height());
    if (content.points.empty() || plot.width() < 50 || plot.height() < 50)
        return;
    drawLegend(painter, rect, rect.top() + 30 + metrics.height(), content);
    std::vector<double> mc, days;
    for (const Point &p : content.points)
        if (p.judged) {
            mc.push_back(p.Mc);
            days.push_back(p.dryingDays);
        }
    const std::vector<double> McLimits = condensateLimits(content);
    const Scale x = valueScale(content, plot);
    const Scale yMc{0, axisTop(mc, McLimits.empty() ? 1.0 : *std::max_element(McLimits.begin(), McLimits.end())),
                    plot.bottom(), plot.top()};
    const Scale yDays{0, axisTop(days, DryingLimitDays), plot.bottom(), plot.top()};
    painter.save();
    painter.setClipRect(plot);
    drawBands(painter, plot, content, x);
    for (double limit : McLimits)
        drawHorizontalLimit(painter, plot, yMc(limit), McColour, Qt::DashDotLine,
                            tr("M<sub>c</sub> limit %1 kg/m²").arg(limit, 0, 'f', 1));
    drawHorizontalLimit(painter, plot, yDays(DryingLimitDays), DryingColour, Qt::DotLine,
                        tr("drying time limit %1 d").arg(DryingLimitDays));
    drawSeries(painter, content, x, yMc, true);
    drawSeries(painter, content, x, yDays, false);
    drawSurfaceMarks(painter, plot, content, x);
    drawLimitMarkers(painter, plot, content, x);
    painter.restore();
    drawValueAxis(painter, plot, x, content.valueTitle);
    drawVerticalAxis(painter, plot, yMc, true, McColour, tr("Condensate mass M<sub>c</sub> in kg/m²"));
    drawVerticalAxis(painter, plot, yDays, false, DryingColour, tr("Drying time in days"));
}

bool StudyChart::encode(const QString &format, const Paper &paper, const Content &content, QByteArray &data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (format == QLatin1String("svg"))
        return encodeSvg(paper, content, &buffer);
    if (format == QLatin1String("png"))
        return encodePng(paper, content, &buffer);
    if (format == QLatin1String("pdf"))
        return encodePdf(paper, content, &buffer);
    return false;
}
