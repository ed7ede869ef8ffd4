#include "ConclusionsFrame.h"

#include "Report.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/DINCriteriaResult.h>
#include <calculation/PhysicalProperties.h>
#include <calculation/ResultTexts.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <QtExt_Table.h>

#include <cmath>

namespace {

QString verdictMarkup(const DINCriterion &criterion) {
    if (!criterion.assessed)
        return QStringLiteral("<font color=\"#808080\"><b>%1</b></font>").arg(criterion.verdict);
    return criterion.fulfilled ? QStringLiteral("<b>%1</b>").arg(criterion.verdict)
                               : QStringLiteral("<font color=\"#FF0000\"><b>%1</b></font>").arg(criterion.verdict);
}

struct ValueRow {
    QString caption, symbol, value, unit;
};

/*! The figures above the criteria: U and R, and the condensate and drying time where there is condensation. */
std::vector<ValueRow> valueRows(const CalculationResults &r, const CriteriaBasis &basis, bool condensation) {
    const QString uUnit = QStringLiteral("W/(m<sup>2</sup>K)");
    // No zero figures where nothing was calculated: the moisture-dependent U-value only after that method ran,
    // the dry figures only for valid input; the reason stands in the notes below.
    std::vector<ValueRow> values;
    if (r.resultCode >= RC_OneLayer)
        values.push_back(
            {ConclusionsFrame::tr("Thermal transmission coefficient of the construction (moisture dependent)"),
             QStringLiteral("U ="), ReportFrameBase::fixed(r.U_moist, 3), uUnit});
    if (basis.scope != CriteriaBasis::Scope::Nothing) {
        values.push_back({ConclusionsFrame::tr("Thermal transmission coefficient of the construction (dry)"),
                          QStringLiteral("U ="), ReportFrameBase::fixed(r.U, 3), uUnit});
        values.push_back({ConclusionsFrame::tr("Thermal transfer resistance of the construction (dry)"),
                          QStringLiteral("R ="), ReportFrameBase::fixed(r.R_layers, 3),
                          QStringLiteral("m<sup>2</sup>K/W")});
    }
    if (condensation) {
        const QString massCaption =
            basis.isGlaser() ? ConclusionsFrame::tr("Condensation mass after condensation period") + basis.labelSuffix()
                             : ConclusionsFrame::tr("Condensation mass after condensation period (based on VAPRO)");
        values.push_back({massCaption, QStringLiteral("M<sub>c</sub> ="), ReportFrameBase::fixed(basis.Mc, 3),
                          QStringLiteral("kg/m<sup>2</sup>")});
        values.push_back({ConclusionsFrame::tr("Drying time") + basis.labelSuffix(), QStringLiteral("t<sub>ev</sub> ="),
                          ReportFrameBase::fixed(daysFromSeconds(basis.dryingTime), 2), QStringLiteral("d")});
    }
    else if (basis.scope == CriteriaBasis::Scope::All)
        values.push_back({ConclusionsFrame::resultText(r.resultCode), QString(), QString(), QString()});
    return values;
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
        table.setCellText(2, row, verdictMarkup(criterion));
        table.setCellJoined(2, row, 2, 1);
        ++row;
    }
}

} // namespace

QString ConclusionsFrame::resultText(int resultCode) {
    switch (resultCode) {
    case RC_NoAlgorithm: return tr("Algorithm missing. No calculation possible.");
    case RC_CondensationLeftSurface: return tr("Surface condensation left side. No calculation possible.");
    case RC_CondensationRightSurface: return tr("Surface condensation right side. No calculation possible.");
    case RC_OneLayer: return tr("Only one layer. No condensation possible.");
    case RC_NoCondensation: return tr("No condensation.");
    case RC_HygroscopicLoadingTimeTooLong: return tr("Too long hygroscopic loading time.");
    default: return tr("Unspecific error.");
    }
}

QRectF ConclusionsFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Summary of Results")));
    addSpacing(m_textMetrics.spacing());

    const InputData &input = m_report->inputData();
    const CalculationResults &r = m_report->results();
    const ReportSettings &settings = m_report->reportSettings();
    const std::vector<DINCriterion> criteria =
        DINCriteria::evaluate(input, m_report->projectInformation().m_heatFlowDirection, r, settings);
    const CriteriaBasis basis(r);
    // Condensate figures exist after condensation, and from the Glaser step where the criteria judge those.
    const bool condensation = r.resultCode >= RC_OnePlane || basis.isGlaser();

    const std::vector<ValueRow> values = valueRows(r, basis, condensation);

    int rows = int(values.size());
    for (const DINCriterion &criterion : criteria)
        rows += criterion.heading.isEmpty() ? 1 : 2;
    auto table = createTable(4, rows);
    int row = 0;
    for (const ValueRow &value : values) {
        table->setCellText(0, row, value.caption);
        table->setCellText(1, row, value.symbol);
        table->setCellText(2, row, value.value);
        table->setCellText(3, row, value.unit);
        table->setCellAlignment(2, row, Qt::AlignRight | Qt::AlignTop);
        ++row;
    }
    if (condensation) {
        // The drying time row says why there is no drying time where there is none.
        const int dryingRow = row - 1;
        QString note;
        const double t_c = input.conditions().tT(false);
        if (!basis.isGlaser() && std::fabs(r.t_hyg - t_c) <= 1e-9 * std::fabs(t_c))
            note = tr("Not applicable");
        else if (basis.dryingTime < 0)
            note = tr("No drying");
        if (!note.isEmpty()) {
            table->setCellText(1, dryingRow, note);
            table->setCellText(2, dryingRow, QString());
            table->setCellText(3, dryingRow, QString());
            table->setCellJoined(1, dryingRow, 3, 1);
        }
    }
    setCriteriaRows(*table, row, criteria);
    addSplittableTable(std::move(table), 0);

    QStringList notes;
    if (basis.isGlaser())
        notes << CriteriaBasis::glaserNote();
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
