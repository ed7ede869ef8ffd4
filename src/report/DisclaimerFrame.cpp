#include "DisclaimerFrame.h"

#include "Report.h"

#include <model/ProjectInformation.h>
#include <model/ReportSettings.h>

QRectF DisclaimerFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    QString text = m_report->projectInformation().m_disclaimerText;
    const ReportSettings &settings = m_report->reportSettings();
    if (text.isEmpty() && settings.m_printDisclaimer)
        text = settings.m_disclaimerText;
    if (text.isEmpty())
        return endLayout();
    addText(text);
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
