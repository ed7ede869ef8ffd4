#ifndef ResistanceFrameH
#define ResistanceFrameH

// Thermal, vapour diffusion and liquid transport resistances per layer (frame id 7), with R_T and U.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class ResistanceFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ResistanceFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // ResistanceFrameH
