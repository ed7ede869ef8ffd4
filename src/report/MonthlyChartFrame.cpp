#include "MonthlyChartFrame.h"

#include "Report.h"

#include <calculation/MonthlyAssessment.h>
#include <visualisation/MonthlyChart.h>

#include <QPainter>

#include <cmath>

QRectF MonthlyChartFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Accumulated Condensate per Month")));
    addSpacing(m_textMetrics.spacing());
    m_chartRect = QRectF();
    if (!m_report->monthly().results.valid)
        return endLayout();
    const double AspectRatio = 1.8;
    m_chartRect = QRectF(0, cursor(), width, std::floor(width / AspectRatio));
    addSpacing(m_chartRect.height());
    addText(QStringLiteral("<small>%1</small>")
                .arg(tr("Condensate at the end of each month, summed over the interfaces; the dashed line is the "
                        "admissible mass of DIN 4108-3, the worst month red.")));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}

void MonthlyChartFrame::draw(QPainter *painter, const QRectF &frame) {
    painter->fillRect(frame, Qt::white);
    ReportFrameBase::draw(painter, frame);
    if (!m_chartRect.isEmpty())
        MonthlyChart::draw(*painter, m_chartRect.translated(frame.topLeft()), m_report->monthly());
}
