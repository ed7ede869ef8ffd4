#ifndef MonthlyConclusionsFrameH
#define MonthlyConclusionsFrameH

// Conclusions of the monthly method (frame id 11 in a monthly report): start month, worst month, drying,
// surface design month, then the criteria rows with their verdicts.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class MonthlyConclusionsFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(MonthlyConclusionsFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // MonthlyConclusionsFrameH
