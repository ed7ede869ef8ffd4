#include "TextSummary.h"

#include "PlainText.h"
#include "ProjectEvaluation.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/ResultSummary.h>
#include <calculation/ResultTexts.h>

#include <cmath>

namespace {

const int LabelWidth = 60;

QString line(const QString &label, const QString &value) {
    return QStringLiteral("  %1 %2\n").arg(label, -LabelWidth).arg(value);
}

/*! Fixed notation, or scientific where fixed would print hundreds of digits. */
QString number(double value, int decimals) {
    const double FixedLimit = 1e15;
    return std::fabs(value) < FixedLimit ? QString::number(value, 'f', decimals) : QString::number(value, 'g', 6);
}

/*! One figure of the summary: its value and unit, or what stands instead of the value. */
QString line(const ResultSummary::Row &figure) {
    if (!figure.verdict.isEmpty())
        return line(figure.label, figure.verdict);
    return line(figure.label,
                number(figure.value, figure.decimals) + QLatin1Char(' ') + PlainText::fromHtml(figure.unit));
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
    if (results.resultCode == ResultCode::InvalidInput) {
        QStringList lines{ResultTexts::verdictText(results)};
        for (const QString &message : results.messages)
            lines << PlainText::fromHtml(message);
        return indented(lines.join(QLatin1Char('\n')), 2);
    }
    const ResultSummary summary(evaluation.document.inputData(), results);
    QString text;
    for (const ResultSummary::Row &row : summary.rows()) {
        if (row.key != ResultSummary::Key::Verdict) {
            text += line(row);
            continue;
        }
        text += indented(PlainText::fromHtml(row.verdict), 2);
        if (CriteriaBasis(results).isGlaser())
            text += indented(CriteriaBasis::glaserNote(), 2);
    }
    return text;
}

QString TextSummary::criteria(const ProjectEvaluation &evaluation) {
    QString text = QStringLiteral("  ") + tr("Criteria:") + QLatin1Char('\n');
    const std::optional<AssessmentChoices> &choices = evaluation.document.inputData().assessment();
    if (choices)
        text += indented(tr("Assessment: %1").arg(choices->inForceText(evaluation.assessmentOrigin)), 4);
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
