#ifndef MonthlyChartFrameH
#define MonthlyChartFrameH

// Bar chart of the accumulated condensate per month with the admissible mass (frame id 9 in a monthly
// report), drawn by MonthlyChart.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class MonthlyChartFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(MonthlyChartFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
    void draw(QPainter *painter, const QRectF &frame) override;

private:
    QRectF m_chartRect;
};

#endif // MonthlyChartFrameH
