#include "StudyChart.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

const QSize ChartSize(900, 560);
const double McLimitCapillary = 1.0;
const double McLimitNonCapillary = 0.5;
const double DryingLimitDays = 90;
const QColor McColour(30, 90, 180);
const QColor DryingColour(200, 100, 20);
const QColor PassColour(120, 200, 120, 70);

/*! Maps values of one axis onto a pixel range. */
struct Scale {
    double low, high, from, to;
    double operator()(double v) const { return from + (v - low) / (high - low) * (to - from); }
};

QString label(double value) {
    return QString::number(value, 'g', 6);
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

void drawLine(QPainter &painter, const StudyChart::Content &content, const Scale &x, const Scale &y, bool mc,
              const QColor &colour) {
    painter.setPen(QPen(colour, 2));
    painter.setBrush(colour);
    QPainterPath path;
    bool open = false;
    for (const StudyChart::Point &p : content.points) {
        if (!p.judged) {
            open = false;
            continue;
        }
        const QPointF at(x(p.value), y(mc ? p.Mc : p.dryingDays));
        open ? path.lineTo(at) : path.moveTo(at);
        open = true;
        painter.drawEllipse(at, 2.5, 2.5);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void drawLimit(QPainter &painter, const QRectF &plot, double y, const QColor &colour, const QString &text) {
    painter.setPen(QPen(colour, 1.2, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.drawText(QPointF(plot.left() + 4, y - 3), text);
}

/*! Shades the stretches of passing values: each passing point covers half the way to its neighbours. */
void shadePassing(QPainter &painter, const QRectF &plot, const StudyChart::Content &content, const Scale &x) {
    const std::vector<StudyChart::Point> &p = content.points;
    for (size_t i = 0; i < p.size(); ++i) {
        if (!p[i].passes)
            continue;
        const double left = i > 0 ? 0.5 * (x(p[i - 1].value) + x(p[i].value)) : x(p[i].value);
        const double right = i + 1 < p.size() ? 0.5 * (x(p[i].value) + x(p[i + 1].value)) : x(p[i].value);
        painter.fillRect(QRectF(left, plot.top(), std::max(right - left, 2.0), plot.height()), PassColour);
    }
}

void drawValueAxis(QPainter &painter, const QRectF &plot, const Scale &x, const QString &title) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (double t : StudyChart::ticks(x.low, x.high)) {
        painter.drawLine(QPointF(x(t), plot.bottom()), QPointF(x(t), plot.bottom() + 5));
        const QString text = label(t);
        painter.drawText(QPointF(x(t) - metrics.horizontalAdvance(text) / 2, plot.bottom() + 6 + metrics.ascent()),
                         text);
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 8 + metrics.height(), plot.width(), metrics.height() * 1.5),
                     Qt::AlignCenter, title);
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
    painter.translate(left ? ax - 52 : ax + 52, plot.center().y());
    painter.rotate(left ? -90 : 90);
    painter.drawText(QRectF(-plot.height() / 2, -metrics.height(), plot.height(), metrics.height() * 1.5),
                     Qt::AlignCenter, title);
    painter.restore();
}

bool encodeSvg(const StudyChart::Content &content, QIODevice *out) {
    QSvgGenerator generator;
    generator.setOutputDevice(out);
    generator.setSize(ChartSize);
    generator.setViewBox(QRect(QPoint(0, 0), ChartSize));
    generator.setTitle(content.title);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    StudyChart::draw(painter, QRectF(QPointF(0, 0), ChartSize), content);
    return painter.end();
}

bool encodePng(const StudyChart::Content &content, QIODevice *out) {
    QImage image(ChartSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        StudyChart::draw(painter, QRectF(QPointF(0, 0), ChartSize), content);
    }
    return image.save(out, "PNG");
}

bool encodePdf(const StudyChart::Content &content, QIODevice *out) {
    QPdfWriter writer(out);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(QSizeF(ChartSize.width() * 0.75, ChartSize.height() * 0.75), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(content.title);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    StudyChart::draw(painter, QRectF(QPointF(0, 0), ChartSize), content);
    return painter.end();
}

} // namespace

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

void StudyChart::draw(QPainter &painter, const QRectF &rect, const Content &content) {
    painter.fillRect(rect, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    const QRectF plot = rect.adjusted(95, 50, -95, -70);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top() + 10, rect.width(), 30), Qt::AlignCenter, content.title);
    if (content.points.empty())
        return;
    std::vector<double> mc, days;
    for (const Point &p : content.points)
        if (p.judged) {
            mc.push_back(p.Mc);
            days.push_back(p.dryingDays);
        }
    double low = content.points.front().value, high = content.points.back().value;
    if (!(high > low)) {
        low -= 0.5;
        high += 0.5;
    }
    const Scale x{low, high, plot.left(), plot.right()};
    const Scale yMc{0, axisTop(mc, McLimitCapillary), plot.bottom(), plot.top()};
    const Scale yDays{0, axisTop(days, DryingLimitDays), plot.bottom(), plot.top()};
    shadePassing(painter, plot, content, x);
    drawValueAxis(painter, plot, x, content.valueTitle);
    drawVerticalAxis(painter, plot, yMc, true, McColour, tr("Condensate mass M_c [kg/m²]"));
    drawVerticalAxis(painter, plot, yDays, false, DryingColour, tr("Drying time [d]"));
    drawLimit(painter, plot, yMc(McLimitCapillary), McColour, tr("M_c limit 1.0 kg/m²"));
    drawLimit(painter, plot, yMc(McLimitNonCapillary), McColour, tr("M_c limit 0.5 kg/m² (non-capillary layers)"));
    drawLimit(painter, plot, yDays(DryingLimitDays), DryingColour, tr("drying time limit 90 d"));
    drawLine(painter, content, x, yMc, true, McColour);
    drawLine(painter, content, x, yDays, false, DryingColour);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left(), rect.bottom() - 24, plot.width(), 20), Qt::AlignRight,
                     tr("shaded: every requirement fulfilled"));
}

bool StudyChart::encode(const QString &format, const Content &content, QByteArray &data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (format == QLatin1String("svg"))
        return encodeSvg(content, &buffer);
    if (format == QLatin1String("png"))
        return encodePng(content, &buffer);
    if (format == QLatin1String("pdf"))
        return encodePdf(content, &buffer);
    return false;
}
