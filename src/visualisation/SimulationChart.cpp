#include "SimulationChart.h"

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
#include <limits>

namespace {

const int ChartWidth = 1000;
const int PanelHeight = 260;
const int TitleHeight = 40;
const double HoursPerDay = 24;

struct Scale {
    double low, high, from, to;
    double operator()(double v) const { return from + (v - low) / (high - low) * (to - from); }
};

QSize chartSize(const SimulationChart::Content &content) {
    return QSize(ChartWidth, TitleHeight + PanelHeight * std::max<int>(1, static_cast<int>(content.panels.size())));
}

/*! Round limits of a value axis around all values of a panel. */
void valueRange(const SimulationChart::Panel &panel, double &low, double &high) {
    low = std::numeric_limits<double>::max();
    high = std::numeric_limits<double>::lowest();
    for (const SimulationChart::Series &s : panel.series)
        for (double v : s.values) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (!(high > low)) {
        const double pad = std::max(std::fabs(low) * 0.1, 0.5);
        low -= pad;
        high += pad;
    }
    const std::vector<double> t = StudyChart::ticks(low, high);
    const double step = t.size() > 1 ? t[1] - t[0] : (high - low);
    low = std::floor(low / step + 1e-9) * step;
    high = std::ceil(high / step - 1e-9) * step;
}

/*! The curve through the values, reduced to the lowest and highest value per pixel column so that the daily
    swing of a year stays visible without a path of 10^5 points. */
QPainterPath curve(const std::vector<double> &hours, const std::vector<double> &values, const Scale &x,
                   const Scale &y) {
    QPainterPath path;
    size_t i = 0;
    while (i < values.size()) {
        const int column = static_cast<int>(x(hours[i]));
        double lowest = values[i], highest = values[i];
        size_t j = i;
        while (j < values.size() && static_cast<int>(x(hours[j])) == column) {
            lowest = std::min(lowest, values[j]);
            highest = std::max(highest, values[j]);
            ++j;
        }
        const QPointF a(column, y(lowest)), b(column, y(highest));
        path.elementCount() == 0 ? path.moveTo(a) : path.lineTo(a);
        if (highest != lowest)
            path.lineTo(b);
        i = j;
    }
    return path;
}

void drawPanel(QPainter &painter, const QRectF &area, const SimulationChart::Panel &panel,
               const std::vector<double> &hours, bool lastPanel) {
    const QFontMetricsF metrics(painter.font());
    const QRectF plot = area.adjusted(80, 10, -180, lastPanel ? -45 : -25);
    double low = 0, high = 1;
    valueRange(panel, low, high);
    const double days = hours.empty() ? 1 : std::max(hours.back() / HoursPerDay, 1.0);
    const Scale x{0, days * HoursPerDay, plot.left(), plot.right()};
    const Scale y{low, high, plot.bottom(), plot.top()};
    painter.setPen(QPen(QColor(220, 220, 220), 1));
    for (double t : StudyChart::ticks(low, high))
        painter.drawLine(QPointF(plot.left(), y(t)), QPointF(plot.right(), y(t)));
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    for (double t : StudyChart::ticks(low, high)) {
        const QString text = QString::number(t, 'g', 6);
        painter.drawText(QPointF(plot.left() - 6 - metrics.horizontalAdvance(text), y(t) + metrics.ascent() / 2 - 1),
                         text);
    }
    for (double d : StudyChart::ticks(0, days)) {
        painter.drawLine(QPointF(x(d * HoursPerDay), plot.bottom()), QPointF(x(d * HoursPerDay), plot.bottom() + 4));
        const QString text = QString::number(d, 'g', 6);
        painter.drawText(
            QPointF(x(d * HoursPerDay) - metrics.horizontalAdvance(text) / 2, plot.bottom() + 5 + metrics.ascent()),
            text);
    }
    if (lastPanel)
        painter.drawText(QRectF(plot.left(), plot.bottom() + 8 + metrics.height(), plot.width(), metrics.height()),
                         Qt::AlignCenter, SimulationChart::tr("Time [d]"));
    painter.save();
    painter.translate(area.left() + 16, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -metrics.height(), plot.height(), metrics.height() * 1.5),
                     Qt::AlignCenter, panel.title);
    painter.restore();
    painter.save();
    painter.setClipRect(plot);
    for (const SimulationChart::Series &s : panel.series) {
        painter.setPen(QPen(s.colour, 1.2));
        painter.drawPath(curve(hours, s.values, x, y));
    }
    painter.restore();
    double legendY = plot.top() + metrics.height();
    for (const SimulationChart::Series &s : panel.series) {
        painter.setPen(QPen(s.colour, 3));
        painter.drawLine(QPointF(plot.right() + 10, legendY - 4), QPointF(plot.right() + 28, legendY - 4));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.right() + 32, legendY - metrics.ascent(), 145, metrics.height()), Qt::AlignLeft,
                         metrics.elidedText(s.name, Qt::ElideRight, 145));
        legendY += metrics.height() + 2;
    }
}

template <typename Device> bool paint(Device &device, const SimulationChart::Content &content, bool antialias) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (antialias)
        painter.setRenderHint(QPainter::Antialiasing);
    SimulationChart::draw(painter, QRectF(QPointF(0, 0), chartSize(content)), content);
    return painter.end();
}

} // namespace

void SimulationChart::draw(QPainter &painter, const QRectF &rect, const Content &content) {
    painter.fillRect(rect, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top() + 8, rect.width(), TitleHeight - 12), Qt::AlignCenter,
                     content.title);
    const double panelHeight = (rect.height() - TitleHeight) / std::max<size_t>(1, content.panels.size());
    for (size_t i = 0; i < content.panels.size(); ++i) {
        const QRectF area(rect.left(), rect.top() + TitleHeight + i * panelHeight, rect.width(), panelHeight);
        drawPanel(painter, area, content.panels[i], content.hours, i + 1 == content.panels.size());
    }
}

bool SimulationChart::encode(const QString &format, const Content &content, QByteArray &data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = chartSize(content);
    if (format == QLatin1String("svg")) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(content.title);
        return paint(generator, content, false);
    }
    if (format == QLatin1String("png")) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return paint(image, content, true) && image.save(&buffer, "PNG");
    }
    if (format == QLatin1String("pdf")) {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(size.width() * 0.75, size.height() * 0.75), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(content.title);
        return paint(writer, content, false);
    }
    return false;
}
