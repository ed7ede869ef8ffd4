#include "HeaderFrame.h"

#include "Report.h"

#include <model/ProgramInfo.h>

#include <QtExt_Table.h>

#include <QDate>
#include <QLocale>
#include <QPainter>

QRectF HeaderFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    m_logo = m_report->userLogo().m_position == UserLogoSettings::LogoInHeader ? userLogo() : QImage();
    m_logoSize = m_logo.isNull() ? QSizeF() : logoSizeOnDevice(m_logo);
    const double spacing = m_textMetrics.spacing();
    const double tableWidth = m_logo.isNull() ? width : width - m_logoSize.width() - spacing;

    // every page names the project, so that a loose page is known
    auto table = createTable(2, 2);
    table->setCellText(0, 0, QStringLiteral("<b>%1</b>").arg(ProgramInfo::productName().toHtmlEscaped()));
    table->setCellText(0, 1,
                       QStringLiteral("<small>%1</small>").arg(tr("Hygrothermal assessment of the construction")));
    table->setCellText(1, 0, QStringLiteral("<b>%1</b>").arg(m_report->projectName().toHtmlEscaped()));
    table->setCellText(1, 1, QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    table->setCellAlignment(1, 0, Qt::AlignRight | Qt::AlignTop);
    table->setCellAlignment(1, 1, Qt::AlignRight | Qt::AlignBottom);
    addTable(std::move(table), tableWidth);
    const double contentHeight = qMax(cursor(), m_logoSize.height());
    m_ruleY = contentHeight + spacing / 2;
    addSpacing(m_ruleY - cursor() + spacing);
    return endLayout();
}

void HeaderFrame::draw(QPainter *painter, const QRectF &frame) {
    ReportFrameBase::draw(painter, frame);
    if (!m_logo.isNull())
        painter->drawImage(QRectF(QPointF(frame.right() - m_logoSize.width(), frame.top()), m_logoSize), m_logo);
    painter->save();
    painter->setPen(QPen(Qt::black, qMax(1.0, m_report->pixelsPerMM() * 0.2)));
    painter->drawLine(QPointF(frame.left(), frame.top() + m_ruleY), QPointF(frame.right(), frame.top() + m_ruleY));
    painter->restore();
}
