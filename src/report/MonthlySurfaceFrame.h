#ifndef MonthlySurfaceFrameH
#define MonthlySurfaceFrameH

// Surface check of the monthly method against mould (frame id 12 in a monthly report): per month the
// lowest admissible surface temperature and the minimum temperature factor, the design month marked.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class MonthlySurfaceFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(MonthlySurfaceFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // MonthlySurfaceFrameH
