#ifndef ClimateFrameH
#define ClimateFrameH

// Climate conditions of the report (frame id 5): winter and summer climates on both sides and the period lengths.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class ClimateFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ClimateFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // ClimateFrameH
