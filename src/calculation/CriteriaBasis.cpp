#include "CriteriaBasis.h"

#include "Calculation.h"
#include "CalculationResults.h"
#include "ResultTexts.h"

namespace {

bool glaserCondensation(ResultCode glaserResultCode) {
    return glaserResultCode == ResultCode::OnePlane || glaserResultCode == ResultCode::OneZone ||
           glaserResultCode == ResultCode::SeveralZones;
}

} // namespace

CriteriaBasis::CriteriaBasis(const CalculationResults &results) {
    const ResultCode code = results.resultCode;
    if (code == ResultCode::CalculationError && glaserCondensation(results.glaserResultCode)) {
        method = Method::Glaser;
        Mc = results.glaserMc;
        dryingTime = results.glaserDryingTime;
        dryingMass = results.glaserDryingMass;
        hasCondensate = results.glaserMc > 0;
        zones = layerRanges(results.glaserZones);
        // the moisture-dependent method fails this way where condensate collects without capillary transport;
        // any other message names a limit of its plane search
        if (!results.messages.isEmpty() && results.messages != QStringList{Calculation::noSolutionText()})
            m_searchLimit = results.messages.join(QLatin1Char(' '));
        return;
    }
    Mc = results.Mc;
    dryingTime = results.dryingTime;
    dryingMass = results.dryingMass;
    hasCondensate = results.Mc_stationary > 0;
    zones = results.condensationZones;
    if (code == ResultCode::CondensationLeftSurface)
        surface = Surface::Warm;
    else if (code == ResultCode::CondensationRightSurface)
        surface = Surface::Cold;
    if (code == ResultCode::NoLayers || code == ResultCode::InvalidInput)
        scope = Scope::Nothing;
    else if (code == ResultCode::CalculationError || code == ResultCode::NoAlgorithm || surface != Surface::None)
        scope = Scope::ThermalOnly;
    if (scope != Scope::All)
        m_reason = results.messages.isEmpty() ? ResultTexts::verdictText(results)
                                              : results.messages.join(QStringLiteral("<br/>"));
}

QString CriteriaBasis::methodName() const {
    return isGlaser() ? QStringLiteral("glaser") : QStringLiteral("moisture-dependent");
}

QString CriteriaBasis::notAssessedReason() const {
    return m_reason;
}

QString CriteriaBasis::glaserNote() {
    return tr("The moisture-dependent method has no stationary solution here: condensate forms between layers "
              "without capillary transport. The moisture criteria are judged by the Glaser scheme of DIN 4108-3.");
}

QString CriteriaBasis::glaserReason() const {
    if (!isGlaser())
        return QString();
    if (m_searchLimit.isEmpty())
        return glaserNote();
    return tr("The moisture-dependent method gave no result: %1 The moisture criteria are judged by the Glaser "
              "scheme of DIN 4108-3.")
        .arg(m_searchLimit);
}

QString CriteriaBasis::basisText() const {
    return isGlaser() ? tr("by the Glaser scheme of DIN 4108-3") : tr("by the moisture-dependent method");
}

QString CriteriaBasis::moistureMethodEmptyNote() {
    return tr("The moisture-dependent method has no stationary solution here; the construction is judged by the "
              "Glaser scheme of DIN 4108-3.");
}

bool CriteriaBasis::hasGlaserProfiles(const CalculationResults &results) {
    const ResultCode code = results.glaserResultCode;
    return (code == ResultCode::OneLayer || code == ResultCode::NoCondensation || glaserCondensation(code)) &&
           !results.p.empty() && results.p.size() == results.p_sat.size() && results.p.size() == results.T.size();
}

QString CriteriaBasis::labelSuffix() const {
    return isGlaser() ? QStringLiteral(" ") + tr("(Glaser)") : QString();
}

std::vector<std::pair<int, int>> CriteriaBasis::layerRanges(const std::vector<std::pair<int, int>> &interfaceZones) {
    std::vector<std::pair<int, int>> ranges;
    ranges.reserve(interfaceZones.size());
    for (const auto &zone : interfaceZones)
        ranges.emplace_back(zone.first - 1, zone.second);
    return ranges;
}
