#include "TextSummary.h"

#include "PlainText.h"
#include "ProjectEvaluation.h"

#include <calculation/CalculationResults.h>
#include <calculation/ResultTexts.h>

namespace {

const int LabelWidth = 56;
const double SecondsPerDay = 3600 * 24;

QString row(const QString &label, double value, int decimals, const QString &unit) {
    return QStringLiteral("  %1 %2 %3\n")
        .arg(label, -LabelWidth)
        .arg(QString::number(value, 'f', decimals), PlainText::fromHtml(unit));
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
    return row(tr("Construction thickness"), thickness, 3, QStringLiteral("m")) +
           row(tr("Thermal transfer resistance of the construction (dry)"), results.R_layers, 3,
               QStringLiteral("m<sup>2</sup>K/W")) +
           row(tr("U-value (dry)"), results.U, 3, transmittanceUnit) +
           row(tr("U-value (moisture dependent)"), results.U_moist, 3, transmittanceUnit) +
           indented(PlainText::fromHtml(ResultTexts::verdictText(results)), 2) +
           row(tr("Condensation mass after condensation period"), results.Mc, 3, QStringLiteral("kg/m<sup>2</sup>")) +
           row(tr("Drying time"), results.dryingTime / SecondsPerDay, 2, QStringLiteral("d"));
}

QString TextSummary::criteria(const ProjectEvaluation &evaluation) {
    QString text = QStringLiteral("  ") + tr("Criteria:") + QLatin1Char('\n');
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
