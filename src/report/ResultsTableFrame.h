#ifndef ResultsTableFrameH
#define ResultsTableFrameH

// Temperatures, vapour pressures and moisture contents through the construction (frame id 8): interface values
// stand on the lines between the layers, zone values are set in bold.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class ResultsTableFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ResultsTableFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // ResultsTableFrameH
