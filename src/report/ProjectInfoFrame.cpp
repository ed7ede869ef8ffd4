#include "ProjectInfoFrame.h"

#include "Report.h"
#include "VerdictBlock.h"

#include <calculation/DINCriteria.h>
#include <model/ProjectInformation.h>

#include <QtExt_Table.h>

#include <QFileInfo>
#include <QPainter>

#include <utility>
#include <vector>

QRectF ProjectInfoFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    const ProjectInformation &info = m_report->projectInformation();
    QString projectName = info.m_projectName;
    if (projectName.isEmpty())
        projectName = QFileInfo(m_report->projectFileName()).fileName();
    std::vector<std::pair<QString, QString>> rows;
    const std::pair<QString, QString> candidates[] = {{tr("Project:"), projectName},
                                                      {tr("Construction:"), info.m_constructionID},
                                                      {tr("User:"), info.m_userName},
                                                      {tr("Company:"), info.m_company}};
    for (const auto &row : candidates)
        if (!row.second.isEmpty())
            rows.push_back(row);

    m_logo = m_report->userLogo().m_position == UserLogoSettings::LogoBesideProjectInfo ? userLogo() : QImage();
    m_logoSize = m_logo.isNull() ? QSizeF() : logoSizeOnDevice(m_logo);
    const double spacing = m_textMetrics.spacing();
    if (!rows.empty()) {
        auto table = createTable(3, int(rows.size()));
        table->setColumnMinimumWidth(1, m_textMetrics.height(ReportTextMetrics::Body));
        for (int row = 0; row < int(rows.size()); ++row) {
            table->setCellText(0, row, formatted(rows[row].first));
            table->setCellText(2, row, formatted(rows[row].second.toHtmlEscaped()));
        }
        addTable(std::move(table), m_logo.isNull() ? width : width - m_logoSize.width() - spacing);
    }
    if (!rows.empty() || !m_logo.isNull())
        addSpacing(qMax(0.0, m_logoSize.height() - cursor()) + spacing);
    addVerdict();
    return endLayout();
}

void ProjectInfoFrame::addVerdict() {
    const ReportSettings &settings = m_report->reportSettings();
    const std::vector<DINCriterion> criteria = DINCriteria::evaluate(
        m_report->inputData(), m_report->projectInformation().m_heatFlowDirection, m_report->results(), settings);
    if (criteria.empty())
        return;
    addText(QStringLiteral("<h3>%1</h3>").arg(tr("Result of the assessment")));
    addText(VerdictBlock::summary(m_report->inputData(), m_report->results(), criteria, settings));
    addSpacing(m_textMetrics.spacing());
    auto table = createTable(3, int(criteria.size()));
    for (int row = 0; row < int(criteria.size()); ++row) {
        const DINCriterion &criterion = criteria[std::size_t(row)];
        table->setCellText(0, row, criterion.caption);
        table->setCellText(1, row,
                           QStringLiteral("<small>%1</small>").arg(VerdictBlock::standard(criterion, settings)));
        table->setCellText(2, row, DINCriteria::verdictHtml(criterion));
    }
    addTable(std::move(table));
    addSpacing(m_textMetrics.spacing());
}

void ProjectInfoFrame::draw(QPainter *painter, const QRectF &frame) {
    ReportFrameBase::draw(painter, frame);
    if (!m_logo.isNull())
        painter->drawImage(QRectF(QPointF(frame.right() - m_logoSize.width(), frame.top()), m_logoSize), m_logo);
}

QString ProjectInfoFrame::formatted(const QString &text) const {
    switch (m_report->projectInfoTextFormat()) {
    case Report::FormatH1: return QStringLiteral("<h1>%1</h1>").arg(text);
    case Report::FormatH2: return QStringLiteral("<h2>%1</h2>").arg(text);
    case Report::FormatH3: return QStringLiteral("<h3>%1</h3>").arg(text);
    case Report::FormatH4: return QStringLiteral("<h4>%1</h4>").arg(text);
    case Report::FormatSmall: return QStringLiteral("<small>%1</small>").arg(text);
    default: return text;
    }
}
