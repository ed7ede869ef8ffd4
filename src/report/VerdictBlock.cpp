#include "VerdictBlock.h"

#include "ReportFrameBase.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/MinimumHeatResistance.h>
#include <calculation/ResultSummary.h>
#include <model/InputData.h>
#include <model/ReportSettings.h>

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

QString editionText(int edition) {
    switch (edition) {
    case ReportSettings::DIN4108_3_2001: return QStringLiteral("DIN 4108-3 2001");
    case ReportSettings::DIN4108_3_2014: return QStringLiteral("DIN 4108-3 2014");
    case ReportSettings::DIN4108_3_2018: return QStringLiteral("DIN 4108-3 2018");
    default: return VerdictBlock::tr("DIN 4108-3 with user defined limits");
    }
}

QString massText(double kgPerSquareMetre) {
    const ResultSummary::Mass mass = ResultSummary::condensateMass(kgPerSquareMetre);
    return ReportFrameBase::fixed(mass.value, mass.decimals) + QLatin1Char(' ') + mass.unit;
}

} // namespace

QString VerdictBlock::summary(const InputData &input, const CalculationResults &results,
                              const std::vector<DINCriterion> &criteria, const ReportSettings &settings) {
    const CriteriaBasis basis(results);
    QStringList lines;
    lines << overall(criteria);
    if (basis.scope != CriteriaBasis::Scope::Nothing)
        lines << tr("The moisture criteria of %1 are judged %2.")
                     .arg(editionText(settings.m_DIN4108_3Accordance_Type), basis.basisText());
    lines << condensation(input, results);
    if (basis.isGlaser())
        lines << basis.glaserReason().toHtmlEscaped();
    lines << methodComparison(results);
    lines.removeAll(QString());
    return lines.join(QStringLiteral("<br/>"));
}

QString VerdictBlock::overall(const std::vector<DINCriterion> &criteria) {
    const std::optional<bool> all = DINCriteria::allFulfilled(criteria);
    QString verdict;
    if (!all)
        verdict = QStringLiteral("<font color=\"#808080\">%1</font>").arg(tr("not every requirement assessed"));
    else if (*all)
        verdict = tr("all requirements fulfilled");
    else
        verdict = QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(tr("requirements not fulfilled"));
    return QStringLiteral("<b>%1 %2</b>").arg(tr("Overall result:"), verdict);
}

QString VerdictBlock::condensation(const InputData &input, const CalculationResults &results) {
    const CriteriaBasis basis(results);
    if (basis.surface != CriteriaBasis::Surface::None)
        return DINCriteria::surfaceCondensationSentence(basis.surface == CriteriaBasis::Surface::Warm).toHtmlEscaped();
    if (basis.scope != CriteriaBasis::Scope::All)
        return QString();
    const QString place = ResultSummary::condensationPlace(input, basis.zones);
    if (place.isEmpty())
        return tr("No condensation between the layers.");
    return tr("Condensate %1 %2.").arg(massText(basis.Mc), place.toHtmlEscaped());
}

QString VerdictBlock::methodComparison(const CalculationResults &results) {
    const CriteriaBasis basis(results);
    // Both masses exist only where the moisture-dependent method found condensation too.
    if (basis.isGlaser() || results.resultCode < ResultCode::OnePlane || results.glaserMc <= 0)
        return QString();
    const double larger = std::max(results.glaserMc, results.Mc);
    const double smaller = std::min(results.glaserMc, results.Mc);
    const double VeryDifferent = 2;
    if (!(larger > VeryDifferent * smaller))
        return QString();
    return tr("The Glaser scheme gives %1 of condensate, the moisture-dependent method %2: the verdict uses the "
              "moisture-dependent method, which includes the hygroscopic storage and the capillary transport of "
              "the materials that the Glaser scheme leaves out.")
        .arg(massText(results.glaserMc), massText(results.Mc));
}

QString VerdictBlock::standard(const DINCriterion &row, const ReportSettings &settings) {
    switch (row.kind) {
    case DINCriterion::MinimumResistance:
        return tr("%1 row %2").arg(MinimumHeatResistance::versionText(row.version), row.rowLabel);
    case DINCriterion::TemperatureFactor: return QStringLiteral("DIN 4108-2");
    case DINCriterion::DryingReserve: return QStringLiteral("DIN 68800-2");
    case DINCriterion::CondensateMass:
    case DINCriterion::Wood:
    case DINCriterion::DryingTime:
    case DINCriterion::SurfaceCondensation: break;
    }
    return editionText(settings.m_DIN4108_3Accordance_Type);
}
