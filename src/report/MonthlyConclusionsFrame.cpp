#include "MonthlyConclusionsFrame.h"

#include "Report.h"

#include <calculation/DINCriteria.h>
#include <calculation/MonthlyAssessment.h>
#include <calculation/MonthlySummary.h>

#include <QtExt_Table.h>

#include <optional>

namespace {

QString verdictMarkup(const DINCriterion &row) {
    if (!row.assessed)
        return QStringLiteral("<font color=\"#808080\"><b>%1</b></font>").arg(row.verdict);
    return row.fulfilled ? QStringLiteral("<b>%1</b>").arg(row.verdict)
                         : QStringLiteral("<font color=\"#FF0000\"><b>%1</b></font>").arg(row.verdict);
}

} // namespace

QRectF MonthlyConclusionsFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Conclusions of the Monthly Method")));
    addSpacing(m_textMetrics.spacing());
    const MonthlyAssessment &a = m_report->monthly();
    if (!a.results.valid) {
        addText(a.results.messages.join(QStringLiteral("<br/>")));
        return endLayout();
    }
    const QVector<MonthlySummary::Row> figures = MonthlySummary::rows(a.results, a.climate, a.interior);
    auto table = createTable(2, figures.size());
    table->setSpacing(2);
    for (int row = 0; row < figures.size(); ++row) {
        table->setCellText(0, row, figures[row].label);
        table->setCellText(1, row, figures[row].value);
    }
    addTable(std::move(table));
    addSpacing(m_textMetrics.spacing());

    auto criteria = createTable(2, int(a.criteria.size()) + 1);
    criteria->setSpacing(2);
    for (int row = 0; row < int(a.criteria.size()); ++row) {
        const DINCriterion &c = a.criteria[std::size_t(row)];
        criteria->setCellText(
            0, row,
            c.valueText.isEmpty() ? c.caption : c.caption + QStringLiteral(" (") + c.valueText + QLatin1Char(')'));
        criteria->setCellText(1, row, verdictMarkup(c));
    }
    const std::optional<bool> all = DINCriteria::allFulfilled(a.criteria);
    const int last = int(a.criteria.size());
    criteria->setCellText(0, last, QStringLiteral("<b>%1</b>").arg(tr("All requirements")));
    criteria->setCellText(
        1, last,
        all ? (*all ? QStringLiteral("<b>%1</b>").arg(DINCriteria::verdictText(true))
                    : QStringLiteral("<font color=\"#FF0000\"><b>%1</b></font>").arg(DINCriteria::verdictText(false)))
            : DINCriteria::notAssessedText());
    addTable(std::move(criteria));
    addText(QStringLiteral("<small>%1</small>")
                .arg(tr("The monthly method knows neither capillary transport nor hygroscopic storage: condensate "
                        "stays in the planes where it forms until it evaporates by diffusion.")));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
