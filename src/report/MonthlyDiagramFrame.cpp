#include "MonthlyDiagramFrame.h"

#include "Report.h"

#include <calculation/MonthlyAssessment.h>
#include <visualisation/MonthlyProfile.h>

#include <cmath>

QRectF MonthlyDiagramFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    const MonthlyAssessment &a = m_report->monthly();
    const int month = MonthlyProfile::month(a);
    m_hasProfile = month != 0;
    if (!m_hasProfile)
        return endLayout();
    const bool worst = a.results.maxMonth != 0;
    addText(QStringLiteral("<h2>%1</h2>")
                .arg(worst ? tr("Temperature and Vapour Pressure Profile of the Worst Month (%1)")
                                 .arg(MonthlyClimate::monthName(month))
                           : tr("Temperature and Vapour Pressure Profile of the Coldest Month (%1)")
                                 .arg(MonthlyClimate::monthName(month))));
    addSpacing(m_textMetrics.spacing());
    const MonthlyProfile profile(m_report->inputData(), a, month);
    const double height = std::floor(width / 1.8);
    placeScene(DiagramScene::DiagramType::VapourPressure, height, profile.results, profile.input);
    addSpacing(height);
    addText(QStringLiteral("<small>%1</small>")
                .arg(tr("Monthly mean temperatures and vapour pressures; the vapour pressure runs straight in the "
                        "equivalent air layer thickness between the interior, the interfaces at saturation and the "
                        "exterior.")));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}

void MonthlyDiagramFrame::draw(QPainter *painter, const QRectF &frame) {
    if (m_hasProfile)
        SceneFrame::draw(painter, frame);
    else
        ReportFrameBase::draw(painter, frame);
}
