#ifndef GlaserFrameH
#define GlaserFrameH

// Results of the Glaser scheme of DIN 4108-3 (frame id 12): periods, climates, condensate and drying.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class GlaserFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(GlaserFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // GlaserFrameH
