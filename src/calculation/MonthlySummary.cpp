#include "MonthlySummary.h"

#include "MonthlyClimate.h"
#include "MonthlyInterior.h"
#include "MonthlyResults.h"

QVector<MonthlySummary::Row> MonthlySummary::rows(const MonthlyResults &r, const MonthlyClimate &climate,
                                                  const MonthlyInterior &interior) {
    QVector<Row> rows;
    rows.append({tr("Method"), tr("Monthly method of DIN EN ISO 13788")});
    rows.append({tr("Exterior climate"), climateText(climate)});
    rows.append({tr("Interior climate"), interiorText(interior)});
    rows.append({tr("Condensation starts in"),
                 r.condenses() ? MonthlyClimate::monthName(r.startMonth) : tr("no interstitial condensation")});
    if (r.condenses()) {
        rows.append({tr("Largest accumulated condensate"), tr("%L1 kg/m<sup>2</sup> at the end of %2")
                                                               .arg(r.maxAccumulated, 0, 'f', 3)
                                                               .arg(MonthlyClimate::monthName(r.maxMonth))});
        rows.append(
            {tr("Dries out within the year"),
             r.driesOut ? tr("yes") : tr("no, %L1 kg/m<sup>2</sup> remain").arg(r.months.back().total, 0, 'f', 3)});
    }
    rows.append(
        {tr("Temperature factor of the construction"), tr("<i>f</i><sub>Rsi</sub> = %L1").arg(r.fRsi, 0, 'f', 3)});
    rows.append({tr("Design month of the surface"), r.designMonth != 0
                                                        ? tr("%1, <i>f</i><sub>Rsi,min</sub> = %L2")
                                                              .arg(MonthlyClimate::monthName(r.designMonth))
                                                              .arg(r.designFRsiMin, 0, 'f', 3)
                                                        : tr("none (never colder outside than inside)")});
    return rows;
}

QString MonthlySummary::interiorText(const MonthlyInterior &interior) {
    if (interior.model == MonthlyInterior::Model::ConstantHumidity)
        return tr("%L1 °C, %L2 %").arg(interior.theta).arg(interior.phi);
    return tr("%L1 °C, moisture excess %L2 kg/m<sup>3</sup> at <i>&theta;</i><sub>e</sub> &le; 0 °C")
        .arg(interior.theta)
        .arg(interior.excess);
}

QString MonthlySummary::climateText(const MonthlyClimate &climate) {
    if (climate.source.isEmpty())
        return climate.name.toHtmlEscaped();
    return QStringLiteral("%1<br/>(%2)").arg(climate.name.toHtmlEscaped(), climate.source.toHtmlEscaped());
}
