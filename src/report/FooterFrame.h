#ifndef FooterFrameH
#define FooterFrameH

// Page footer of the report (frame id 1): a rule across the page and, when switched on, "Page n of m". Painted
// on every page; the report tells it the page being painted.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class FooterFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(FooterFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
    void draw(QPainter *painter, const QRectF &frame) override;

    void setCurrentPage(int page) { m_currentPage = page; }
    /*! Text of the right-hand cell for the current page; empty without page numbers. */
    QString pageText() const;

private:
    QtExt::Table *m_table = nullptr;
    int m_currentPage = 1;
};

#endif // FooterFrameH
