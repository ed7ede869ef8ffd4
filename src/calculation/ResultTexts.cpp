#include "ResultTexts.h"

#include "CalculationResults.h"

#include <QStringList>

#include <algorithm>

namespace {

QString fontMarkup(const QString &text, const QString &color) {
    return QStringLiteral("<font color=\"%1\">%2</font>").arg(color, text);
}

} // namespace

QString ResultTexts::verdictColor(const CalculationResults &results) {
    const QString blue = QStringLiteral("#0000FF");
    const QString red = QStringLiteral("#FF0000");
    switch (results.resultCode) {
    case ResultCode::OneLayer:
    case ResultCode::NoCondensation: return blue;
    case ResultCode::OnePlane:
    case ResultCode::OneZone:
    case ResultCode::SeveralZones: return results.condensationZones.empty() ? red : blue;
    default: return red;
    }
}

QString ResultTexts::verdictText(const CalculationResults &results) {
    switch (results.resultCode) {
    case ResultCode::NoLayers: return tr("No input!");
    case ResultCode::InvalidInput: return tr("Invalid input!");
    case ResultCode::CalculationError: return results.messages.join(QLatin1Char('\n'));
    case ResultCode::NoAlgorithm: return tr("There is no algorithm for this problem.");
    case ResultCode::CondensationLeftSurface:
        return tr("Condensation on the surface (warm side). No calculation possible.");
    case ResultCode::CondensationRightSurface:
        return tr("Condensation on the surface (cold side). No calculation possible.");
    case ResultCode::OneLayer: return tr("Only one layer. No condensate possible!");
    case ResultCode::NoCondensation: return tr("No condensate emerges!");
    case ResultCode::HygroscopicLoadingTimeTooLong: return tr("t_hyg bigger than duration of winter climate!");
    case ResultCode::OnePlane:
    case ResultCode::OneZone:
    case ResultCode::SeveralZones: return condensationText(results);
    default: return tr("Unknown result!");
    }
}

QString ResultTexts::verdictHtml(const CalculationResults &results) {
    if (results.resultCode != ResultCode::CalculationError)
        return fontMarkup(verdictText(results), verdictColor(results));
    QStringList lines;
    for (const QString &message : results.messages)
        lines << fontMarkup(message, verdictColor(results));
    return lines.join(QLatin1Char('\n'));
}

QString ResultTexts::condensationText(const CalculationResults &results) {
    const auto &zones = results.condensationZones;
    if (zones.empty())
        return tr("Unknown result!");
    if (results.resultCode != ResultCode::SeveralZones)
        return tr("Condensation between layer %1 and %2!").arg(zones.front().first + 1).arg(zones.front().second + 1);
    QStringList pairs;
    for (const auto &zone : zones)
        pairs << tr("%1 and %2").arg(zone.first + 1).arg(zone.second + 1);
    return tr("Condensation between layer ") + pairs.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QStringList ResultTexts::plausibilityNotes(const QVector<MaterialLayer> &layers, const CalculationResults &results,
                                           bool links) {
    QStringList notes;
    if (results.resultCode < ResultCode::OnePlane)
        return notes;
    std::vector<int> saturated;
    for (const auto &zone : results.condensationZones) {
        for (int j = std::max(zone.first, 0); j <= zone.second; ++j) {
            if (j >= layers.size() || std::size_t(j) >= results.w_left.size() ||
                std::size_t(j) >= results.w_right.size())
                break;
            const double w = std::max(results.w_left[j], results.w_right[j]);
            if (w > layers[j].material().w_sat() && std::find(saturated.begin(), saturated.end(), j) == saturated.end())
                saturated.push_back(j);
        }
    }
    std::sort(saturated.begin(), saturated.end());
    for (int j : saturated)
        notes << (links ? tr("Moisture content above saturation in <a href=\"layer-%1\">layer %1</a>: the stationary "
                             "result overestimates the moisture content there.")
                        : tr("Moisture content above saturation in layer %1: the stationary result overestimates the "
                             "moisture content there."))
                     .arg(j + 1);
    return notes;
}
