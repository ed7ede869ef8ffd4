#ifndef ProjectInfoFrameH
#define ProjectInfoFrameH

// Project information of the report (frame id 2): project, construction, user and company, one row for each
// value that is set, and the user's logo to the right when chosen there; below them the verdict block, so that
// the first page says whether the construction passes.

#include "ReportFrameBase.h"

#include <QCoreApplication>

class ProjectInfoFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ProjectInfoFrame)
public:
    using ReportFrameBase::ReportFrameBase;

    QRectF frameRect(QPaintDevice *device, double width) override;
    void draw(QPainter *painter, const QRectF &frame) override;

private:
    /*! Wraps \a text in the markup of the chosen text format. */
    QString formatted(const QString &text) const;
    /*! Overall result, basis, condensation and the criteria rows with their standards (VerdictBlock). */
    void addVerdict();

    QImage m_logo;
    QSizeF m_logoSize;
};

#endif // ProjectInfoFrameH
