#ifndef HeaderFrameH
#define HeaderFrameH

// Page header of the report (frame id 0): program name, date and, when chosen, the user's logo.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class HeaderFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(HeaderFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
    void draw(QPainter *painter, const QRectF &frame) override;

private:
    QImage m_logo;
    QSizeF m_logoSize;
    double m_ruleY = 0;
};

#endif // HeaderFrameH
