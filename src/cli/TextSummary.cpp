#include "TextSummary.h"

#include "PlainText.h"
#include "ProjectEvaluation.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/PhysicalProperties.h>
#include <calculation/ResultTexts.h>

#include <cmath>

namespace {

const int LabelWidth = 56;

QString row(const QString &label, const QString &value) {
    return QStringLiteral("  %1 %2\n").arg(label, -LabelWidth).arg(value);
}

/*! Fixed notation, or scientific where fixed would print hundreds of digits. */
QString number(double value, int decimals) {
    const double FixedLimit = 1e15;
    return std::fabs(value) < FixedLimit ? QString::number(value, 'f', decimals) : QString::number(value, 'g', 6);
}

QString row(const QString &label, double value, int decimals, const QString &unit) {
    return row(label, number(value, decimals) + QLatin1Char(' ') + PlainText::fromHtml(unit));
}

/*! Condensate mass and drying time as the criteria judge them; "Not assessed" where there are none. */
QString moistureRows(const CriteriaBasis &basis) {
    const QString massLabel = TextSummary::tr("Condensation mass after condensation period") + basis.labelSuffix();
    const QString dryingLabel = TextSummary::tr("Drying time") + basis.labelSuffix();
    if (basis.scope != CriteriaBasis::Scope::All)
        return row(massLabel, DINCriteria::notAssessedText()) + row(dryingLabel, DINCriteria::notAssessedText());
    return row(massLabel, basis.Mc, 3, QStringLiteral("kg/m<sup>2</sup>")) +
           row(dryingLabel, daysFromSeconds(basis.dryingTime), 2, QStringLiteral("d"));
}

QString indented(const QString &text, int spaces) {
    const QString indent(spaces, QLatin1Char(' '));
    return indent + text.split(QLatin1Char('\n')).join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
}

} // namespace

QString TextSummary::text(const ProjectEvaluation &evaluation) {
    return evaluation.fileName + QLatin1Char('\n') + figures(evaluation) + criteria(evaluation);
}

QString TextSummary::figures(const ProjectEvaluation &evaluation) {
    const CalculationResults &results = evaluation.document.calculation().results();
    if (results.resultCode == RC_InvalidInput) {
        QStringList lines{ResultTexts::verdictText(results)};
        for (const QString &message : results.messages)
            lines << PlainText::fromHtml(message);
        return indented(lines.join(QLatin1Char('\n')), 2);
    }
    double thickness = 0;
    for (const MaterialLayer &layer : evaluation.document.inputData().layers())
        thickness += layer.width();
    const QString transmittanceUnit = QStringLiteral("W/(m<sup>2</sup>K)");
    const CriteriaBasis basis(results);
    const QString note = basis.isGlaser() ? indented(CriteriaBasis::glaserNote(), 2) : QString();
    return row(tr("Construction thickness"), thickness, 3, QStringLiteral("m")) +
           row(tr("Thermal transfer resistance of the construction (dry)"), results.R_layers, 3,
               QStringLiteral("m<sup>2</sup>K/W")) +
           row(tr("U-value (dry)"), results.U, 3, transmittanceUnit) +
           row(tr("U-value (moisture dependent)"), results.U_moist, 3, transmittanceUnit) +
           indented(PlainText::fromHtml(ResultTexts::verdictText(results)), 2) + note + moistureRows(basis);
}

QString TextSummary::criteria(const ProjectEvaluation &evaluation) {
    QString text = QStringLiteral("  ") + tr("Criteria:") + QLatin1Char('\n');
    const QString reason = CriteriaBasis(evaluation.document.calculation().results()).notAssessedReason();
    if (!reason.isEmpty())
        text += indented(DINCriteria::notAssessedText() + QStringLiteral(": ") + PlainText::fromHtml(reason), 4);
    for (const DINCriterion &criterion : evaluation.criteria) {
        if (!criterion.heading.isEmpty())
            text += indented(PlainText::fromHtml(criterion.heading), 4);
        QString line = PlainText::fromHtml(criterion.caption);
        if (!criterion.valueText.isEmpty())
            line += QStringLiteral(" (%1)").arg(PlainText::fromHtml(criterion.valueText));
        text += indented(line + QStringLiteral(": ") + criterion.verdict, 4);
    }
    return text;
}
