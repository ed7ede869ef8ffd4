#include "ConclusionsFrame.h"

#include "Report.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/DINCriteriaResult.h>
#include <calculation/ResultSummary.h>
#include <calculation/ResultTexts.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>
#include <model/ReportSettings.h>

#include <QtExt_Table.h>

namespace {

struct ValueRow {
    QString caption, symbol, value, unit, note;
};

/*! The figures above the criteria: U and R, and the condensate and drying time where there is condensation,
    else what the calculation found. */
std::vector<ValueRow> valueRows(const ResultSummary &summary, const CriteriaBasis &basis, ResultCode resultCode) {
    using Key = ResultSummary::Key;
    std::vector<ValueRow> values;
    for (Key key : {Key::TransmittanceIso6946, Key::TransmittanceMoist, Key::TransmittanceDry, Key::ResistanceDry,
                    Key::CondensateMass, Key::DryingTime}) {
        const ResultSummary::Row &row = summary.row(key);
        if (row.available)
            values.push_back(
                {row.caption, row.symbol, ReportFrameBase::fixed(row.value, row.decimals), row.unit, row.verdict});
    }
    if (!summary.row(Key::CondensateMass).available && basis.scope == CriteriaBasis::Scope::All)
        values.push_back({ConclusionsFrame::resultText(resultCode), QString(), QString(), QString(), QString()});
    return values;
}

/*! The figures in the first rows: caption, symbol, value, unit; a note instead of symbol, value and unit. */
void setValueRows(QtExt::Table &table, const std::vector<ValueRow> &values) {
    for (int row = 0; row < int(values.size()); ++row) {
        const ValueRow &value = values[std::size_t(row)];
        table.setCellText(0, row, value.caption);
        table.setCellAlignment(2, row, Qt::AlignRight | Qt::AlignTop);
        if (!value.note.isEmpty()) {
            table.setCellText(1, row, value.note);
            table.setCellJoined(1, row, 3, 1);
            continue;
        }
        table.setCellText(1, row, value.symbol);
        table.setCellText(2, row, value.value);
        table.setCellText(3, row, value.unit);
    }
}

/*! The criteria from \a row on: a heading row where a criterion has one, then caption, value and verdict. */
void setCriteriaRows(QtExt::Table &table, int row, const std::vector<DINCriterion> &criteria) {
    for (const DINCriterion &criterion : criteria) {
        if (!criterion.heading.isEmpty()) {
            table.setCellText(0, row, criterion.heading);
            table.setCellJoined(0, row, 4, 1);
            ++row;
        }
        table.setCellText(0, row, criterion.caption);
        table.setCellText(1, row, criterion.valueText);
        table.setCellText(2, row, DINCriteria::verdictHtml(criterion));
        table.setCellJoined(2, row, 2, 1);
        ++row;
    }
}

} // namespace

QString ConclusionsFrame::resultText(ResultCode resultCode) {
    switch (resultCode) {
    case ResultCode::NoAlgorithm: return tr("Algorithm missing. No calculation possible.");
    case ResultCode::CondensationLeftSurface: return tr("Surface condensation left side. No calculation possible.");
    case ResultCode::CondensationRightSurface: return tr("Surface condensation right side. No calculation possible.");
    case ResultCode::OneLayer: return tr("Only one layer. No condensation possible.");
    case ResultCode::NoCondensation: return tr("No condensation.");
    case ResultCode::HygroscopicLoadingTimeTooLong: return tr("Too long hygroscopic loading time.");
    default: return tr("Unspecific error.");
    }
}

QRectF ConclusionsFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Summary of Results")));
    const InputData &input = m_report->inputData();
    const ReportSettings settings = input.withAssessment(m_report->reportSettings());
    addText(tr("Assessment: %1").arg(settings.inForceText(m_report->assessmentOrigin()).toHtmlEscaped()));
    addSpacing(m_textMetrics.spacing());

    const CalculationResults &r = m_report->results();
    const std::vector<DINCriterion> criteria =
        DINCriteria::evaluate(input, m_report->projectInformation().m_heatFlowDirection, r, settings);
    const CriteriaBasis basis(r);
    const std::vector<ValueRow> values = valueRows(ResultSummary(input, r), basis, r.resultCode);

    int rows = int(values.size());
    for (const DINCriterion &criterion : criteria)
        rows += criterion.heading.isEmpty() ? 1 : 2;
    auto table = createTable(4, rows);
    setValueRows(*table, values);
    setCriteriaRows(*table, int(values.size()), criteria);
    addSplittableTable(std::move(table), 0);

    QStringList notes;
    if (basis.isGlaser())
        notes << basis.glaserReason();
    if (!basis.notAssessedReason().isEmpty())
        notes << DINCriteria::notAssessedText() + QStringLiteral(": ") + basis.notAssessedReason();
    notes << ResultTexts::plausibilityNotes(input.layers(), r, false);
    notes << DINCriteriaResult::awNotice(settings);
    notes.removeAll(QString());
    if (!notes.isEmpty())
        addText(QStringLiteral("<small>%1</small>").arg(notes.join(QStringLiteral("<br/>"))));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
