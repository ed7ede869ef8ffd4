#include "ResultsTableFrame.h"

#include "Report.h"

#include <calculation/CalculationResults.h>
#include <calculation/PhysicalProperties.h>
#include <model/InputData.h>

#include <QtExt_Table.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QChar Theta(0x03B8);
// Decimals of the condensate masses: as many as the total of the conclusions, so that they add up to it.
const int MassDecimals = 3;
const QChar DegreeSign(0x00B0);

// Dark enough to print: no pure green text.
const char *const Red = "#FF0000";
const char *const Green = "#008000";
const char *const Blue = "#0000FF";

QString coloured(const char *colour, const QString &text, bool bold = false) {
    const QString font = QStringLiteral("<font color=\"%1\">%2</font>").arg(QLatin1String(colour), text);
    return bold ? QStringLiteral("<b>%1</b>").arg(font) : font;
}

QString red(double value) {
    return coloured(Red, ReportFrameBase::fixed(value, 1));
}

QString green(double value, bool bold) {
    return coloured(Green, ReportFrameBase::fixed(value, 1), bold);
}

QString blue(double value, int decimals, bool bold) {
    return coloured(Blue, ReportFrameBase::fixed(value, decimals), bold);
}

/*! The condensate masses of the layers rounded to \a decimals so that they add up to their rounded total
    (largest remainders get the last units). */
std::vector<double> roundedToTotal(const std::vector<double> &values, int decimals) {
    const double unit = std::pow(10.0, -decimals);
    std::vector<double> rounded(values.size());
    std::vector<std::pair<double, std::size_t>> remainders;
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        rounded[i] = std::floor(values[i] / unit + 1e-9) * unit;
        remainders.emplace_back(values[i] / unit - std::floor(values[i] / unit + 1e-9), i);
        sum += values[i];
    }
    double missing = std::round(sum / unit) - std::accumulate(rounded.begin(), rounded.end(), 0.0) / unit;
    std::sort(remainders.begin(), remainders.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (std::size_t k = 0; k < remainders.size() && missing > 0.5; ++k, missing -= 1)
        rounded[remainders[k].second] += unit;
    return rounded;
}

bool inZone(const CalculationResults &results, int layer) {
    for (const auto &zone : results.condensationZones)
        if (zone.first <= layer && layer <= zone.second)
            return true;
    return false;
}

/*! Writes temperature, saturation and vapour pressure into columns 2..4 of a row. */
void setAirValues(QtExt::Table &table, int row, double T, double p_sat, double p, bool bold) {
    table.setCellText(2, row, red(T));
    table.setCellText(3, row, green(p_sat, bold));
    table.setCellText(4, row, green(p, bold));
}

void setHeaderRow(QtExt::Table &table) {
    table.setCellText(1, 0, QStringLiteral("<h4>%1</h4>").arg(ResultsTableFrame::tr("Layer / Material")));
    table.setCellText(2, 0, QStringLiteral("<h4>%1<br/>[%2C]</h4>").arg(Theta).arg(DegreeSign));
    table.setCellText(3, 0, QStringLiteral("<h4>p<sub>sat</sub><br/>[Pa]</h4>"));
    table.setCellText(4, 0, QStringLiteral("<h4>p<br/>[Pa]</h4>"));
    table.setCellText(5, 0, QStringLiteral("<h4>w<br/>[m<sup>3</sup>/m<sup>3</sup>]</h4>"));
    table.setCellText(6, 0, QStringLiteral("<h4>d<sub>c</sub><br/>[mm]</h4>"));
    table.setCellText(7, 0, QStringLiteral("<h4>M<sub>c</sub><br/>[kg/m<sup>2</sup>]</h4>"));
    for (int col = 0; col < 8; ++col)
        table.setCellAlignment(col, 0, Qt::AlignHCenter | Qt::AlignBottom);
}

/*! Labels a row of the air or the surface of one side; its values align to \a vertical. */
void setSideRow(QtExt::Table &table, int row, const QString &label, Qt::Alignment vertical) {
    table.setCellText(1, row, label);
    table.setCellAlignment(1, row, Qt::AlignLeft | vertical);
    for (int col = 2; col < 5; ++col)
        table.setCellAlignment(col, row, Qt::AlignRight | vertical);
}

/*! The rows of the air and the surface of both sides around \a n layers: labels, the climate's values and the
    surface values of the profiles. */
void setSideRows(QtExt::Table &table, int n, const AssessmentConditions &conditions, const CalculationResults &r,
                 bool profiles) {
    const double T_i = conditions.T_i();
    const double T_e = conditions.T_e();
    setSideRow(table, 1, ResultsTableFrame::tr("Air layer (warm side)"), Qt::AlignTop);
    setAirValues(table, 1, T_i, saturationPressure(T_i), vapourPressure(T_i, conditions.rh_i()), false);
    setSideRow(table, 2, ResultsTableFrame::tr("Surface (warm side)"), Qt::AlignVCenter);
    setSideRow(table, 2 * n + 3, ResultsTableFrame::tr("Surface (cold side)"), Qt::AlignVCenter);
    setSideRow(table, 2 * n + 4, ResultsTableFrame::tr("Air layer (cold side)"), Qt::AlignBottom);
    setAirValues(table, 2 * n + 4, T_e, saturationPressure(T_e), vapourPressure(T_e, conditions.rh_e()), false);
    if (profiles) {
        setAirValues(table, 2, r.T_moist[0], r.p_sat_moist[0], r.p_moist[0], inZone(r, 0));
        setAirValues(table, 2 * n + 3, r.T_moist[n], r.p_sat_moist[n], r.p_moist[n], inZone(r, n - 1));
    }
}

/*! Two rows per layer: number, name, interface values and moisture contents, and in a condensation zone the
    thickness and the mass of the condensate (\a masses, rounded to MassDecimals; nullptr when unknown). */
void setLayerRows(QtExt::Table &table, const QVector<MaterialLayer> &layers, const CalculationResults &r, bool profiles,
                  const std::vector<double> *masses) {
    const int n = layers.size();
    for (int i = 0; i < n; ++i) {
        const int first = 3 + 2 * i;
        const bool zone = inZone(r, i);
        table.setCellText(0, first, QString::number(i + 1));
        table.setCellJoined(0, first, 1, 2);
        table.setCellText(1, first, layers[i].name().toHtmlEscaped());
        table.setCellJoined(1, first, 1, 2);
        table.setCellAlignment(1, first, Qt::AlignLeft | Qt::AlignVCenter);
        table.setCellAlignment(0, first, Qt::AlignLeft | Qt::AlignVCenter);
        for (int row = first; row <= first + 1; ++row)
            for (int col = 2; col < 8; ++col)
                table.setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
        if (profiles) {
            // Interface i stands on the line between layer i and its predecessor; the surfaces have their rows.
            if (i > 0) {
                setAirValues(table, first, r.T_moist[i], r.p_sat_moist[i], r.p_moist[i], zone);
                for (int col = 2; col < 5; ++col)
                    table.setCellOnBorder(col, first, Qt::TopEdge);
            }
            table.setCellText(5, first, blue(r.w_left[i], 3, zone));
            table.setCellText(5, first + 1, blue(r.w_right[i], 3, zone));
        }
        if (zone && masses) {
            table.setCellText(6, first, blue(r.sk_Cond[i] * 1000, 1, false));
            table.setCellJoined(6, first, 1, 2);
            table.setCellText(7, first, blue((*masses)[std::size_t(i)], MassDecimals, false));
            table.setCellJoined(7, first, 1, 2);
            table.setCellAlignment(6, first, Qt::AlignRight | Qt::AlignVCenter);
            table.setCellAlignment(7, first, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

} // namespace

QRectF ResultsTableFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Temperatures, Vapour Pressures and Moisture Contents")));
    addSpacing(m_textMetrics.spacing());
    if (addMissingResultsNotice(false))
        return endLayout();

    const QVector<MaterialLayer> &layers = m_report->inputData().layers();
    const AssessmentConditions &conditions = m_report->inputData().conditions();
    const CalculationResults &r = m_report->results();
    const int n = layers.size();
    // Profiles exist only after a successful moisture-dependent calculation.
    const bool profiles = r.T_moist.size() == size_t(n + 1) && r.p_moist.size() == size_t(n + 1) &&
                          r.p_sat_moist.size() == size_t(n + 1) && r.w_left.size() == size_t(n) &&
                          r.w_right.size() == size_t(n);
    const bool zoneValues = r.sk_Cond.size() == size_t(n) && r.mc.size() == size_t(n);

    const std::vector<double> masses = zoneValues ? roundedToTotal(r.mc, MassDecimals) : std::vector<double>();

    auto table = createTable(8, 2 * n + 5);
    setHeaderRow(*table);
    setSideRows(*table, n, conditions, r, profiles);
    setLayerRows(*table, layers, r, profiles, zoneValues ? &masses : nullptr);
    addSplittableTable(std::move(table), 1);

    const QString legend = tr("%1 - temperature, ").arg(Theta) +
                           tr("%1 - saturation vapour pressure, ").arg(QStringLiteral("p<sub>sat</sub>")) +
                           tr("p - vapour pressure, ") + tr("w - moisture content, ") +
                           tr("d<sub>c</sub> - thickness of condensation layer,<br/>") +
                           tr("M<sub>c</sub> - %1").arg(tr("condensation mass")) + QStringLiteral("<br/>") +
                           tr("Values of the moisture-dependent method.");
    addText(QStringLiteral("<small>%1</small>").arg(legend));
    addSpacing(m_textMetrics.spacing());
    return endLayout();
}
