#ifndef ConclusionsFrameH
#define ConclusionsFrameH

// Summary of the results and the requirement checks (frame id 11). Every verdict comes from the criteria
// evaluation; the frame only prints it.

#include "ReportFrameBase.h"

#include <QCoreApplication>

enum class ResultCode;

class ConclusionsFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ConclusionsFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;

    /*! Text of the condensate row for result codes below 9 (no condensation found or no calculation). */
    static QString resultText(ResultCode resultCode);
};

#endif // ConclusionsFrameH
