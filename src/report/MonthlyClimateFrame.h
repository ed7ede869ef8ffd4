#ifndef MonthlyClimateFrameH
#define MonthlyClimateFrameH

// Climate of the monthly method in the report (frame id 5 in a monthly report): the exterior climate with its
// data attribution, the interior model and the surface resistances the method uses.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class MonthlyClimateFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(MonthlyClimateFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // MonthlyClimateFrameH
