#ifndef MonthlyTableFrameH
#define MonthlyTableFrameH

// Month-by-month table of the monthly method (frame id 8 in a monthly report): climate, interior vapour
// pressure, condensed or evaporated and accumulated condensate, in the order the year was computed.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class MonthlyTableFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(MonthlyTableFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // MonthlyTableFrameH
