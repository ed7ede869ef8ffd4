#include "MonthlyText.h"

#include "PlainText.h"
#include "ProjectEvaluation.h"

#include <calculation/MonthlyAssessment.h>
#include <calculation/MonthlySummary.h>

namespace {

const int LabelWidth = 40;

} // namespace

QString MonthlyText::text(const ProjectEvaluation &project, const MonthlyAssessment &assessment) {
    QString text = project.fileName + QLatin1Char('\n');
    if (!assessment.results.valid) {
        for (const QString &message : assessment.results.messages)
            text += QStringLiteral("  ") + PlainText::fromHtml(message) + QLatin1Char('\n');
        return text;
    }
    const QString indent(LabelWidth + 3, QLatin1Char(' '));
    for (const MonthlySummary::Row &row :
         MonthlySummary::rows(assessment.results, assessment.climate, assessment.interior)) {
        const QString value = PlainText::fromHtml(row.value).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
        text += QStringLiteral("  %1 %2\n").arg(PlainText::fromHtml(row.label), -LabelWidth).arg(value);
    }
    text += QStringLiteral("  ") + tr("Criteria:") + QLatin1Char('\n');
    for (const DINCriterion &row : assessment.criteria) {
        QString line = PlainText::fromHtml(row.caption);
        if (!row.valueText.isEmpty())
            line += QStringLiteral(" (%1)").arg(PlainText::fromHtml(row.valueText));
        text += QStringLiteral("    %1: %2\n").arg(line, row.verdict);
    }
    return text;
}
