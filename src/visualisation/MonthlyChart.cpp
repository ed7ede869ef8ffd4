#include "MonthlyChart.h"

#include "StudyChart.h"

#include <calculation/DINCriterion.h>
#include <calculation/MonthlyAssessment.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

const QSize ChartSize(900, 560);
const QColor BarColour(30, 90, 180);
const QColor WorstColour(200, 60, 30);
const QColor LimitColour(200, 0, 0);

double condensateLimit(const MonthlyAssessment &a) {
    for (const DINCriterion &row : a.criteria)
        if (row.kind == DINCriterion::CondensateMass)
            return row.required;
    return 1.0;
}

/*! The first round tick at or above \a value (> 0). */
double axisTop(double value) {
    const std::vector<double> t = StudyChart::ticks(0, value);
    const double step = t.size() > 1 ? t[1] - t[0] : value;
    return std::ceil(value / step - 1e-9) * step;
}

void drawAxis(QPainter &painter, const QRectF &plot, double top, double s) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(Qt::black, s));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double t : StudyChart::ticks(0, top)) {
        const double y = plot.bottom() - t / top * plot.height();
        const QString text = QString::number(t, 'g', 6);
        painter.drawLine(QPointF(plot.left() - 5 * s, y), QPointF(plot.left(), y));
        painter.drawText(QPointF(plot.left() - 8 * s - metrics.horizontalAdvance(text), y + metrics.ascent() / 2),
                         text);
    }
    painter.save();
    painter.translate(plot.left() - 60 * s, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -metrics.height(), plot.height(), metrics.height() * 1.5),
                     Qt::AlignCenter, MonthlyChart::tr("Accumulated condensate M_a [kg/m²]"));
    painter.restore();
}

bool paintOn(QPaintDevice *device, const MonthlyAssessment &assessment) {
    QPainter painter;
    if (!painter.begin(device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    MonthlyChart::draw(painter, QRectF(QPointF(0, 0), ChartSize), assessment);
    return painter.end();
}

} // namespace

void MonthlyChart::draw(QPainter &painter, const QRectF &rect, const MonthlyAssessment &assessment) {
    const double s = rect.width() / ChartSize.width();
    painter.save();
    painter.fillRect(rect, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(std::lround(13 * s))));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top() + 8 * s, rect.width(), 30 * s), Qt::AlignCenter,
                     tr("Accumulated condensate at the end of each month"));
    const QRectF plot = rect.adjusted(95 * s, 50 * s, -30 * s, -50 * s);
    const MonthlyResults &r = assessment.results;
    const double limit = condensateLimit(assessment);
    const double top = axisTop(std::max(r.maxAccumulated, limit) * 1.1);
    drawAxis(painter, plot, top, s);
    const double slot = plot.width() / std::max<std::size_t>(r.months.size(), 1);
    for (std::size_t i = 0; i < r.months.size(); ++i) {
        const MonthlyMonthResult &month = r.months[i];
        const double h = month.total / top * plot.height();
        const QRectF bar(plot.left() + (i + 0.2) * slot, plot.bottom() - h, 0.6 * slot, h);
        painter.fillRect(bar, month.month == r.maxMonth ? WorstColour : BarColour);
        const QString name = MonthlyClimate::monthName(month.month);
        painter.setPen(Qt::black);
        painter.drawText(
            QPointF(bar.center().x() - metrics.horizontalAdvance(name) / 2, plot.bottom() + 6 * s + metrics.ascent()),
            name);
    }
    const double y = plot.bottom() - limit / top * plot.height();
    painter.setPen(QPen(LimitColour, 1.5 * s, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.drawText(QPointF(plot.left() + 4 * s, y - 3 * s), tr("limit %L1 kg/m²").arg(limit, 0, 'f', 1));
    if (!r.condenses())
        painter.drawText(plot, Qt::AlignCenter, tr("No interstitial condensation in any month."));
    painter.restore();
}

bool MonthlyChart::isKnownFormat(const QString &format) {
    const QString f = format.toLower();
    return f == QLatin1String("svg") || f == QLatin1String("png") || f == QLatin1String("pdf");
}

bool MonthlyChart::encode(const QString &format, const MonthlyAssessment &assessment, QByteArray &data) {
    const QString f = format.toLower();
    QBuffer out(&data);
    out.open(QIODevice::WriteOnly);
    if (f == QLatin1String("svg")) {
        QSvgGenerator generator;
        generator.setOutputDevice(&out);
        generator.setSize(ChartSize);
        generator.setViewBox(QRect(QPoint(0, 0), ChartSize));
        generator.setTitle(tr("Accumulated condensate at the end of each month"));
        return paintOn(&generator, assessment);
    }
    if (f == QLatin1String("png")) {
        QImage image(ChartSize, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return paintOn(&image, assessment) && image.save(&out, "PNG");
    }
    if (f == QLatin1String("pdf")) {
        QPdfWriter writer(&out);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(ChartSize.width() * 0.75, ChartSize.height() * 0.75), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        return paintOn(&writer, assessment);
    }
    return false;
}
