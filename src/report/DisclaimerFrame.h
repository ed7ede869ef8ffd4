#ifndef DisclaimerFrameH
#define DisclaimerFrameH

// Final remarks of the report (frame id 13).

#include "ReportFrameBase.h"

#include <QCoreApplication>

class DisclaimerFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(DisclaimerFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
};

#endif // DisclaimerFrameH
