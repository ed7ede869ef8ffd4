#include "GlaserFrame.h"

#include "Report.h"

#include <calculation/Calculation.h>
#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/PhysicalProperties.h>
#include <calculation/ResultSummary.h>
#include <model/InputData.h>

#include <QtExt_Table.h>

#include <cmath>

namespace {

const QChar DegreeSign(0x00B0);

QString climateText(double T, double rh) {
    return QStringLiteral("%L1 %3C / %L2 %").arg(T, 0, 'f', 1).arg(rh, 0, 'f', 0).arg(DegreeSign);
}

QString massText(const QString &symbol, double kgPerSquareMetre) {
    const ResultSummary::Mass mass = ResultSummary::condensateMass(kgPerSquareMetre);
    return QStringLiteral("%1 = %2 %3").arg(symbol, ReportFrameBase::fixed(mass.value, mass.decimals), mass.unit);
}

bool condensationAt(const CalculationResults &r, int k) {
    for (const auto &zone : r.glaserZones)
        if (zone.first <= k && k <= zone.second)
            return true;
    return false;
}

} // namespace

GlaserFrame::GlaserFrame(Report *report, QTextDocument *textDocument) : SceneFrame(report, textDocument) {}

QString GlaserFrame::noCondensateText() {
    return tr("No condensate %1 no evaporation period").arg(QChar(0x2013));
}

QRectF GlaserFrame::frameRect(QPaintDevice *device, double width) {
    beginLayout(device, width);
    removeScene();
    addText(QStringLiteral("<h2>%1</h2>").arg(tr("Results according DIN 4108-3 (Glaser Scheme)")));
    addSpacing(m_textMetrics.spacing());
    if (addMissingResultsNotice(true))
        return endLayout();

    const CalculationResults &r = m_report->results();
    const bool condensation = !r.glaserZones.empty() && r.glaserResultCode >= ResultCode::OnePlane;
    if (condensation) {
        addText(condensatePlaces());
        addSpacing(m_textMetrics.spacing());
    }
    addClimateTable(condensation);
    if (!CriteriaBasis(r).isGlaser())
        return endLayout();
    // the figures the criteria judge: drawn and tabulated by default
    const double diagramHeight = std::floor(width / 1.8);
    placeScene(DiagramScene::DiagramType::Glaser, diagramHeight);
    addSpacing(diagramHeight + m_textMetrics.spacing());
    addInterfaceTable();
    return endLayout();
}

QString GlaserFrame::condensatePlaces() const {
    const CalculationResults &r = m_report->results();
    const InputData &input = m_report->inputData();
    const std::vector<double> masses = Calculation::glaserZoneMasses(r, input.conditions());
    QStringList lines;
    for (std::size_t i = 0; i < r.glaserZones.size(); ++i) {
        const QString place = ResultSummary::condensationPlace(input, CriteriaBasis::layerRanges({r.glaserZones[i]}));
        lines << (i < masses.size()
                      ? tr("Condensate %1 %2.")
                            .arg(massText(QStringLiteral("w<sub>T</sub>"), masses[i]), place.toHtmlEscaped())
                      : tr("Condensate %1.").arg(place.toHtmlEscaped()));
    }
    return lines.join(QStringLiteral("<br/>"));
}

void GlaserFrame::addClimateTable(bool condensation) {
    const AssessmentConditions &c = m_report->inputData().conditions();
    const CalculationResults &r = m_report->results();
    auto table = createTable(6, condensation ? 10 : 9);
    table->setCellText(0, 0, QStringLiteral("<h3>%1</h3>").arg(tr("Condensation Period (Winter)")));
    table->setCellJoined(0, 0, 6, 1);
    table->setCellText(0, 5, QStringLiteral("<h3>%1</h3>").arg(tr("Drying Period (Summer)")));
    table->setCellJoined(0, 5, 6, 1);

    const auto period = [&](int row, double days, const ClimateRecord &inside, const ClimateRecord &outside) {
        table->setCellText(0, row, tr("Period"));
        table->setCellText(1, row, QStringLiteral("%L1 %2").arg(days).arg(tr("days")));
        table->setCellText(0, row + 1, tr("Interior climate (left)"));
        table->setCellText(1, row + 1, climateText(inside.T, inside.rh));
        table->setCellText(0, row + 2, tr("Outdoor climate (right)"));
        table->setCellText(1, row + 2, climateText(outside.T, outside.rh));
    };
    period(1, c.tT(), c.interiorWinter(), c.exteriorWinter());
    period(6, c.tT_summer(), c.interiorSummer(), c.exteriorSummer());
    if (condensation) {
        // During drying the condensate sits at the interior summer temperature, saturated.
        const double zoneRelativeHumidity = 1.0;
        table->setCellText(0, 9, tr("Condensation zone"));
        table->setCellText(1, 9, climateText(c.T_i_summer(), zoneRelativeHumidity * 100));
        table->setCellText(4, 1, tr("Condensation mass (according to Glaser)"));
        table->setCellText(5, 1, massText(QStringLiteral("w<sub>T</sub>"), r.glaserMc));
        table->setCellText(4, 6, tr("Potential drying mass"));
        table->setCellText(5, 6, massText(QStringLiteral("w<sub>V</sub>"), r.glaserDryingMass));
        table->setCellText(4, 7, tr("Duration of drying (according to Glaser)"));
        table->setCellText(
            5, 7,
            QStringLiteral("t<sub>ev</sub> = %1 %2").arg(fixed(daysFromSeconds(r.glaserDryingTime), 1), tr("days")));
    }
    else {
        table->setCellText(4, 1, noCondensateText());
        table->setCellJoined(4, 1, 2, 1);
    }
    for (int row = 1; row < table->rowCount(); ++row)
        for (int col : {1, 5})
            table->setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
    table->setColumnMinimumWidth(2, m_textMetrics.height(ReportTextMetrics::Body));
    addTable(std::move(table));
    addSpacing(m_textMetrics.spacing());
}

void GlaserFrame::addInterfaceTable() {
    const CalculationResults &r = m_report->results();
    const QVector<MaterialLayer> &layers = m_report->inputData().layers();
    const int n = layers.size();
    if (int(r.T.size()) != n + 1)
        return;
    addText(QStringLiteral("<h3>%1</h3>").arg(tr("Interface values of the Glaser scheme")));
    auto table = createTable(5, n + 2);
    const QString headers[] = {tr("Interface"), QStringLiteral("%1<br/>[%2C]").arg(QChar(0x03B8)).arg(DegreeSign),
                               QStringLiteral("p<sub>sat</sub><br/>[Pa]"), QStringLiteral("p<br/>[Pa]"),
                               QStringLiteral("&Sigma;s<sub>d</sub><br/>[m]")};
    for (int col = 0; col < 5; ++col) {
        table->setCellText(col, 0, QStringLiteral("<h4>%1</h4>").arg(headers[col]));
        table->setCellAlignment(col, 0, Qt::AlignCenter);
    }
    double sd = 0;
    for (int k = 0; k <= n; ++k) {
        const int row = k + 1;
        QString name =
            k == 0 ? tr("Inner surface") : (k == n ? tr("Outer surface") : tr("Layer %1 | %2").arg(k).arg(k + 1));
        const bool plane = condensationAt(r, k);
        const QString bold = plane ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1");
        table->setCellText(0, row, bold.arg(name));
        table->setCellText(1, row, bold.arg(fixed(r.T[std::size_t(k)], 1)));
        table->setCellText(2, row, bold.arg(fixed(r.p_sat[std::size_t(k)], 0)));
        table->setCellText(3, row, bold.arg(fixed(r.p[std::size_t(k)], 0)));
        table->setCellText(4, row, bold.arg(fixed(sd, 2)));
        for (int col = 1; col < 5; ++col)
            table->setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
        if (k < n)
            sd += layers[k].mu() * layers[k].width();
    }
    addTable(std::move(table));
    addText(QStringLiteral("<small>%1</small>")
                .arg(tr("Condensation interfaces in bold. %1 - cumulative diffusion-equivalent air layer thickness "
                        "from the inner surface.")
                         .arg(QStringLiteral("&Sigma;s<sub>d</sub>"))));
    addSpacing(m_textMetrics.spacing());
}
