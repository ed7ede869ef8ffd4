#ifndef SurfaceResistanceFrameH
#define SurfaceResistanceFrameH

// Surface resistances of the report (frame id 6).

#include "ReportFrameBase.h"

#include <QCoreApplication>

class SurfaceResistanceFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(SurfaceResistanceFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // SurfaceResistanceFrameH
