#ifndef ResultsTableFrameH
#define ResultsTableFrameH

// Temperatures, vapour pressures and moisture contents through the construction (frame id 8): air and surface
// of each side in labelled rows, the values between two layers on their common line, zone values in bold.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class ResultsTableFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ResultsTableFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // ResultsTableFrameH
