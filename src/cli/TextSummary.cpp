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
    return evaluation.fileName + QLatin1Char('\n') + figures(evaluation) + glaserTable(evaluation) +
           criteria(evaluation);
}

QString TextSummary::glaserTable(const ProjectEvaluation &evaluation) {
    const CalculationResults &r = evaluation.document.calculation().results();
    const QVector<MaterialLayer> &layers = evaluation.document.inputData().layers();
    const int n = layers.size();
    if (!CriteriaBasis(r).isGlaser() || int(r.T.size()) != n + 1 || r.p.size() != r.T.size() ||
        r.p_sat.size() != r.T.size())
        return QString();
    QString text = QStringLiteral("  ") + tr("Glaser scheme, interface values:") + QLatin1Char('\n');
    text += QStringLiteral("    %1 %2 %3 %4 %5\n")
                .arg(tr("interface"), -16)
                .arg(QStringLiteral("T [C]"), 8)
                .arg(QStringLiteral("p_sat [Pa]"), 11)
                .arg(QStringLiteral("p [Pa]"), 9)
                .arg(QStringLiteral("sd [m]"), 9);
    double sd = 0;
    for (int k = 0; k <= n; ++k) {
        const QString name =
            k == 0 ? tr("inner surface") : (k == n ? tr("outer surface") : tr("layer %1|%2").arg(k).arg(k + 1));
        bool plane = false;
        for (const auto &zone : r.glaserZones)
            plane = plane || (zone.first <= k && k <= zone.second);
        text += QStringLiteral("    %1 %2 %3 %4 %5%6\n")
                    .arg(name, -16)
                    .arg(number(r.T[std::size_t(k)], 1), 8)
                    .arg(number(r.p_sat[std::size_t(k)], 0), 11)
                    .arg(number(r.p[std::size_t(k)], 0), 9)
                    .arg(number(sd, 2), 9)
                    .arg(plane ? QStringLiteral("  ") + tr("condensation") : QString());
        if (k < n)
            sd += layers[k].mu() * layers[k].width();
    }
    return text;
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
            text += indented(CriteriaBasis(results).glaserReason(), 2);
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
