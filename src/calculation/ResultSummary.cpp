#include "ResultSummary.h"

#include "CalculationResults.h"
#include "CriteriaBasis.h"
#include "DINCriteria.h"
#include "PhysicalProperties.h"
#include "ResultTexts.h"

#include "model/InputData.h"

#include <cmath>

namespace {

using Row = ResultSummary::Row;
using Key = ResultSummary::Key;

const QString TransmittanceUnit = QStringLiteral("W/(m<sup>2</sup>K)");

Row figure(Key key, const QString &label, const QString &symbol, double value, int decimals, const QString &unit,
           bool available) {
    Row row;
    row.key = key;
    row.label = label;
    row.caption = label;
    row.symbol = symbol;
    row.value = value;
    row.decimals = decimals;
    row.unit = unit;
    row.available = available;
    return row;
}

/*! Why the drying time of condensate is not shown: the hygroscopic loading takes the whole condensation period,
    so no condensate forms; or the condensate does not dry at all. Empty when the time is shown. */
QString dryingNote(const InputData &input, const CalculationResults &results, const CriteriaBasis &basis) {
    const double t_c = input.conditions().tT(false);
    if (!basis.isGlaser() && std::fabs(results.t_hyg - t_c) <= 1e-9 * std::fabs(t_c))
        return ResultSummary::tr("Not applicable");
    if (basis.dryingTime < 0)
        return ResultSummary::tr("No drying");
    return QString();
}

/*! The verdict line: on the Glaser basis a neutral line naming the basis and the place instead of the
    moisture-dependent method's failure; with condensation the place with the layer names. */
QString verdictLine(const InputData &input, const CalculationResults &results, const CriteriaBasis &basis) {
    const QString place = ResultSummary::condensationPlace(input, basis.zones);
    const QString blue = QStringLiteral("<font color=\"#0000FF\">%1</font>");
    if (basis.isGlaser())
        return blue.arg(ResultSummary::tr("Condensation %1, judged %2.").arg(place, basis.basisText()).toHtmlEscaped());
    if (results.resultCode >= ResultCode::OnePlane && !place.isEmpty())
        return blue.arg(ResultSummary::tr("Condensation %1.").arg(place).toHtmlEscaped());
    return ResultTexts::verdictHtml(results);
}

} // namespace

ResultSummary::Mass ResultSummary::condensateMass(double kgPerSquareMetre) {
    const double GramsBelow = 0.01;
    Mass mass;
    if (std::fabs(kgPerSquareMetre) < GramsBelow) {
        mass.value = kgPerSquareMetre * 1000;
        mass.unit = QStringLiteral("g/m<sup>2</sup>");
    }
    else {
        mass.value = kgPerSquareMetre;
        mass.unit = QStringLiteral("kg/m<sup>2</sup>");
    }
    return mass;
}

QString ResultSummary::condensationPlace(const InputData &input, const std::vector<std::pair<int, int>> &zones) {
    const QVector<MaterialLayer> &layers = input.layers();
    const auto named = [&](int j) {
        const QString name = layers[j].name();
        return name.isEmpty() ? tr("layer %1").arg(j + 1) : tr("layer %1 (%2)").arg(j + 1).arg(name);
    };
    QStringList places;
    for (const auto &zone : zones) {
        if (zone.first < 0 || zone.second >= layers.size())
            continue;
        places << (zone.second == zone.first + 1 ? tr("in the plane between %1 and %2")
                                                 : tr("in the zone between %1 and %2"))
                      .arg(named(zone.first), named(zone.second));
    }
    return places.join(QStringLiteral("; "));
}

ResultSummary::ResultSummary(const InputData &input, const CalculationResults &results) {
    const CriteriaBasis basis(results);
    // No zero figures where nothing was calculated: the dry figures only for valid input, the moisture-dependent
    // U-value only after that method ran.
    const bool dryFigures = basis.scope != CriteriaBasis::Scope::Nothing;
    // Condensate figures exist after condensation, and from the Glaser step where the criteria judge those.
    const bool condensation = results.resultCode >= ResultCode::OnePlane || basis.isGlaser();

    double thickness = 0;
    for (const MaterialLayer &layer : input.layers())
        thickness += layer.width();
    m_rows.push_back(figure(Key::Thickness, tr("Construction thickness"), QStringLiteral("d ="), thickness, 3,
                            QStringLiteral("m"), dryFigures));
    m_rows.push_back(figure(Key::ResistanceDry, tr("Thermal transfer resistance of the construction (dry)"),
                            QStringLiteral("R ="), results.R_layers, 3, QStringLiteral("m<sup>2</sup>K/W"),
                            dryFigures));
    // The moisture check's surface resistances differ from those of the energy certificate: each U-value says
    // which it uses.
    m_rows.push_back(figure(Key::TransmittanceDry, tr("U-value (dry, R_si/R_se of the condensation period)"),
                            QStringLiteral("U ="), results.U, 3, TransmittanceUnit, dryFigures));
    m_rows.back().caption = tr("Thermal transmission coefficient of the construction (dry), with the surface "
                               "resistances of the condensation period");
    m_rows.push_back(figure(Key::TransmittanceMoist, tr("U-value (moist, R_si/R_se of the condensation period)"),
                            QStringLiteral("U ="), results.U_moist, 3, TransmittanceUnit,
                            results.resultCode >= ResultCode::OneLayer));
    m_rows.back().caption = tr("Thermal transmission coefficient of the construction (moisture dependent), with the "
                               "surface resistances of the condensation period");
    m_rows.push_back(figure(Key::TransmittanceIso6946, tr("U-value (DIN EN ISO 6946)"), QStringLiteral("U ="),
                            results.U_iso6946, 3, TransmittanceUnit, dryFigures));

    Row verdict;
    verdict.key = Key::Verdict;
    verdict.verdict = verdictLine(input, results, basis);
    m_rows.push_back(verdict);

    const Mass Mc = condensateMass(basis.Mc);
    Row mass = figure(Key::CondensateMass, tr("Condensation mass after condensation period") + basis.labelSuffix(),
                      QStringLiteral("M<sub>c</sub> ="), Mc.value, Mc.decimals, Mc.unit, condensation);
    if (!basis.isGlaser())
        mass.caption = tr("Condensation mass after condensation period (based on VAPRO)");
    Row drying = figure(Key::DryingTime, tr("Drying time") + basis.labelSuffix(), QStringLiteral("t<sub>ev</sub> ="),
                        daysFromSeconds(basis.dryingTime), 2, QStringLiteral("d"), condensation);
    if (basis.scope != CriteriaBasis::Scope::All)
        mass.verdict = drying.verdict = DINCriteria::notAssessedText();
    else if (condensation)
        drying.verdict = dryingNote(input, results, basis);
    m_rows.push_back(mass);
    m_rows.push_back(drying);
}

const ResultSummary::Row &ResultSummary::row(Key key) const {
    // the rows stand in the order of their keys
    return m_rows.at(std::size_t(key));
}
