#include "SimulationOutput.h"

#include "JsonWriter.h"

#include <calculation/HourlyClimate.h>
#include <calculation/PhysicalProperties.h>

#include <cmath>

namespace {

QByteArray number(double value) {
    return QByteArray::number(value, 'g', 6);
}

void writeWood(JsonWriter &json, const TransientSimulation::LayerSummary &layer) {
    int year = 1;
    const QString date = SimulationOutput::date(layer.maximumMassMoistureHour, year);
    json.key(QStringLiteral("wood"));
    json.beginObject();
    json.key(QStringLiteral("maximum_moisture_mass_percent"));
    json.value(layer.maximumMassMoisture);
    json.key(QStringLiteral("hour"));
    json.value(layer.maximumMassMoistureHour);
    json.key(QStringLiteral("year"));
    json.value(year);
    json.key(QStringLiteral("date"));
    json.value(date);
    json.key(QStringLiteral("above_20_percent"));
    json.value(layer.maximumMassMoisture > TransientSimulation::WOOD_MOISTURE_LIMIT);
    json.endObject();
}

void writeMember(JsonWriter &json, const char *key, double value) {
    json.key(QString::fromLatin1(key));
    json.value(value);
}

} // namespace

QString SimulationOutput::date(double hour, int &year) {
    static const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const long day = static_cast<long>(std::floor(hour / 24));
    year = static_cast<int>(day / 365) + 1;
    int dayOfYear = static_cast<int>(day % 365);
    int month = 0;
    while (month < 11 && dayOfYear >= monthDays[month])
        dayOfYear -= monthDays[month++];
    return QStringLiteral("%1-%2").arg(month + 1, 2, 10, QLatin1Char('0')).arg(dayOfYear + 1, 2, 10, QLatin1Char('0'));
}

QByteArray SimulationOutput::csv(const TransientSimulation &simulation, const HourlyClimate &interior,
                                 const HourlyClimate &exterior, const SimulationDescription &description) {
    QByteArray out = "hour,T_interior_C,rh_interior_percent,T_exterior_C,rh_exterior_percent";
    for (size_t j = 1; j <= description.layerWidths.size(); ++j)
        out += QStringLiteral(",layer%1_water_kg_m2,layer%1_rh_percent,layer%1_T_C").arg(j).toUtf8();
    for (double x : description.monitors)
        out += QStringLiteral(",x%1m_T_C,x%1m_rh_percent,x%1m_w_kg_m3").arg(x).toUtf8();
    out += '\n';
    for (const TransientSimulation::Record &r : simulation.records()) {
        double Ti = 0, rhi = 0, Te = 0, rhe = 0;
        interior.valueAt(r.hour * SECONDS_PER_HOUR, Ti, rhi);
        exterior.valueAt(r.hour * SECONDS_PER_HOUR, Te, rhe);
        out += number(r.hour) + ',' + number(Ti) + ',' + number(100 * rhi) + ',' + number(Te) + ',' + number(100 * rhe);
        for (size_t j = 0; j < r.layerWater.size(); ++j)
            out += ',' + number(r.layerWater[j]) + ',' + number(r.layerRh[j]) + ',' + number(r.layerT[j]);
        for (size_t m = 0; m < r.monitorT.size(); ++m)
            out += ',' + number(r.monitorT[m]) + ',' + number(r.monitorRh[m]) + ',' + number(r.monitorW[m]);
        out += '\n';
    }
    return out;
}

QByteArray SimulationOutput::json(const TransientSimulation::Summary &summary,
                                  const SimulationDescription &description) {
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("file"));
    json.value(description.fileName);
    json.key(QStringLiteral("interior_climate"));
    json.value(description.interior);
    json.key(QStringLiteral("exterior_climate"));
    json.value(description.exterior);
    json.key(QStringLiteral("years"));
    json.value(description.years);
    writeMember(json, "initial_rh_percent", description.initialRhPercent);
    json.key(QStringLiteral("layers"));
    json.beginArray(JsonWriter::Block);
    for (size_t j = 0; j < summary.layers.size(); ++j) {
        const TransientSimulation::LayerSummary &layer = summary.layers[j];
        json.beginObject();
        json.key(QStringLiteral("layer"));
        json.value(static_cast<int>(j + 1));
        json.key(QStringLiteral("name"));
        json.value(layer.name);
        writeMember(json, "initial_water_kg_m2", layer.initial);
        writeMember(json, "maximum_water_kg_m2", layer.maximum);
        writeMember(json, "maximum_hour", layer.maximumHour);
        writeMember(json, "final_water_kg_m2", layer.final);
        writeMember(json, "trend_kg_m2_per_year", layer.trendPerYear);
        if (layer.wood)
            writeWood(json, layer);
        json.endObject();
    }
    json.endArray();
    json.key(QStringLiteral("total"));
    json.beginObject();
    writeMember(json, "initial_water_kg_m2", summary.totalInitial);
    writeMember(json, "final_water_kg_m2", summary.totalFinal);
    writeMember(json, "last_year_change_kg_m2", summary.lastYearChange);
    json.key(QStringLiteral("rising_in_last_year"));
    json.value(summary.risingInLastYear);
    json.endObject();
    json.key(QStringLiteral("run"));
    json.beginObject();
    json.key(QStringLiteral("completed"));
    json.value(summary.completed);
    writeMember(json, "simulated_hours", summary.hours);
    json.key(QStringLiteral("cells"));
    json.value(summary.cells);
    writeMember(json, "steps", static_cast<double>(summary.statistics.steps));
    writeMember(json, "newton_iterations", static_cast<double>(summary.statistics.newtonIterations));
    writeMember(json, "convergence_failures", static_cast<double>(summary.statistics.failures));
    writeMember(json, "smallest_step_s", summary.statistics.smallestStep);
    writeMember(json, "wall_time_s", summary.wallTimeSeconds);
    writeMember(json, "moisture_balance_error", summary.moistureBalanceError);
    writeMember(json, "heat_balance_error", summary.heatBalanceError);
    json.endObject();
    json.endObject();
    return json.text() + '\n';
}

QByteArray SimulationOutput::text(const TransientSimulation::Summary &summary,
                                  const SimulationDescription &description) {
    QString out = tr("%1: %2 year(s), interior %3, exterior %4, initial relative humidity %5 %\n")
                      .arg(description.fileName)
                      .arg(description.years)
                      .arg(description.interior, description.exterior)
                      .arg(description.initialRhPercent);
    out += tr("Water content per layer [kg/m²]: initial, maximum, final, trend per year\n");
    for (size_t j = 0; j < summary.layers.size(); ++j) {
        const TransientSimulation::LayerSummary &layer = summary.layers[j];
        out += QStringLiteral("  %1 %2  %3  %4  %5  %6\n")
                   .arg(j + 1, 2)
                   .arg(layer.name.left(28), -28)
                   .arg(layer.initial, 9, 'f', 4)
                   .arg(layer.maximum, 9, 'f', 4)
                   .arg(layer.final, 9, 'f', 4)
                   .arg(layer.trendPerYear, 9, 'f', 4);
        if (layer.wood) {
            int year = 1;
            const QString date = SimulationOutput::date(layer.maximumMassMoistureHour, year);
            out += tr("     wood moisture at most %1 M.-% (year %2, %3)%4\n")
                       .arg(layer.maximumMassMoisture, 0, 'f', 1)
                       .arg(year)
                       .arg(date)
                       .arg(layer.maximumMassMoisture > TransientSimulation::WOOD_MOISTURE_LIMIT ? tr(": above 20 M.-%")
                                                                                                 : QString());
        }
    }
    out += tr("Total water content: %1 -> %2 kg/m², change in the last year %3 kg/m²: %4\n")
               .arg(summary.totalInitial, 0, 'f', 4)
               .arg(summary.totalFinal, 0, 'f', 4)
               .arg(summary.lastYearChange, 0, 'f', 4)
               .arg(summary.risingInLastYear ? tr("still rising (no dynamic equilibrium yet)") : tr("not rising"));
    out += tr("Run: %1 h simulated%2, %3 cells, %4 steps, %5 Newton iterations, %6 failures, smallest step %7 s, "
              "%8 s\n")
               .arg(summary.hours)
               .arg(summary.completed ? QString() : tr(" (stopped early)"))
               .arg(summary.cells)
               .arg(summary.statistics.steps)
               .arg(summary.statistics.newtonIterations)
               .arg(summary.statistics.failures)
               .arg(summary.statistics.smallestStep, 0, 'g', 3)
               .arg(summary.wallTimeSeconds, 0, 'f', 2);
    return out.toUtf8();
}
