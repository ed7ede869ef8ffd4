#ifndef ConstructionLayerFrameH
#define ConstructionLayerFrameH

// Layers and material properties of the report (frame id 4): one row per layer from the warm side, with a legend.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class ConstructionLayerFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ConstructionLayerFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // ConstructionLayerFrameH
