#include "FooterFrame.h"

#include "Report.h"

#include <model/ProgramInfo.h>

#include <QtExt_Table.h>

#include <QPainter>

QRectF FooterFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addSpacing(m_textMetrics.spacing());
    auto table = createTable(2, 1);
    table->setCellText(
        0, 0,
        QStringLiteral("<small>%1 %2</small>").arg(ProgramInfo::productName().toHtmlEscaped(), ProgramInfo::version()));
    // Laid out with the widest page text, so that the height does not depend on the page painted.
    table->setCellText(1, 0, m_report->pageNumbersVisible() ? tr("Page %1 of %2").arg(99).arg(99) : QString());
    table->setCellAlignment(1, 0, Qt::AlignRight | Qt::AlignTop);
    m_table = table.get();
    addTable(std::move(table));
    return endLayout();
}

void FooterFrame::draw(QPainter *painter, const QRectF &frame) {
    // A switched-off footer has no height: nothing of it may show.
    if (frame.height() <= 0 || !m_table)
        return;
    m_table->setCellText(1, 0, pageText());
    painter->save();
    painter->setPen(QPen(Qt::black, qMax(1.0, m_report->pixelsPerMM() * 0.2)));
    const double y = frame.top() + m_textMetrics.spacing() / 2.0;
    painter->drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
    painter->restore();
    ReportFrameBase::draw(painter, frame);
}

QString FooterFrame::pageText() const {
    return m_report->pageNumbersVisible() ? tr("Page %1 of %2").arg(m_currentPage).arg(m_report->pageCount())
                                          : QString();
}
