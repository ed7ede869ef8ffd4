#include "ResultsJson.h"

#include "JsonWriter.h"
#include "ProjectEvaluation.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>

#include <QJsonValue>

#include <utility>
#include <vector>

namespace {

void write(JsonWriter &json, const char *name, double value) {
    json.key(QLatin1String(name));
    json.value(value);
}

void write(JsonWriter &json, const char *name, int value) {
    json.key(QLatin1String(name));
    json.value(value);
}

void write(JsonWriter &json, const char *name, const std::vector<double> &values) {
    json.key(QLatin1String(name));
    json.beginArray();
    for (double value : values)
        json.value(value);
    json.endArray();
}

void write(JsonWriter &json, const char *name, const std::vector<std::pair<int, int>> &zones) {
    json.key(QLatin1String(name));
    json.beginArray();
    for (const auto &zone : zones) {
        json.beginArray();
        json.value(zone.first);
        json.value(zone.second);
        json.endArray();
    }
    json.endArray();
}

void write(JsonWriter &json, const char *name, const QStringList &texts) {
    json.key(QLatin1String(name));
    json.beginArray(JsonWriter::Block);
    for (const QString &text : texts)
        json.value(text);
    json.endArray();
}

} // namespace

namespace ResultsJson {

void writeResults(JsonWriter &json, const CalculationResults &r) {
    json.beginObject();
    write(json, "resultCode", int(r.resultCode));
    write(json, "glaserResultCode", int(r.glaserResultCode));
    write(json, "thickness", r.thickness);
    write(json, "T", r.T);
    write(json, "p", r.p);
    write(json, "p_sat", r.p_sat);
    write(json, "R", r.R);
    write(json, "Z", r.Z);
    write(json, "glaserMc", r.glaserMc);
    write(json, "glaserDryingMass", r.glaserDryingMass);
    write(json, "glaserDryingTime", r.glaserDryingTime);
    write(json, "glaserFirstPlane", r.glaserFirstPlane);
    write(json, "glaserLastPlane", r.glaserLastPlane);
    write(json, "condensationZones", r.condensationZones);
    write(json, "glaserZones", r.glaserZones);
    write(json, "U", r.U);
    write(json, "U_moist", r.U_moist);
    write(json, "U_iso6946", r.U_iso6946);
    write(json, "R_total", r.R_total);
    write(json, "R_total_moist", r.R_total_moist);
    write(json, "R_layers", r.R_layers);
    write(json, "R_layers_moist", r.R_layers_moist);
    write(json, "Mc_stationary", r.Mc_stationary);
    write(json, "Mc", r.Mc);
    write(json, "tau", r.tau);
    write(json, "t_hyg", r.t_hyg);
    write(json, "dryingTime", r.dryingTime);
    write(json, "dryingMass", r.dryingMass);
    write(json, "R_moist", r.R_moist);
    write(json, "Z_moist", r.Z_moist);
    write(json, "R_liquid", r.R_liquid);
    write(json, "T_moist", r.T_moist);
    write(json, "p_sat_moist", r.p_sat_moist);
    write(json, "p_moist", r.p_moist);
    write(json, "w_left", r.w_left);
    write(json, "w_right", r.w_right);
    write(json, "sk_Cond", r.sk_Cond);
    write(json, "mc", r.mc);
    write(json, "messages", r.messages);
    json.endObject();
}

void writeEvaluation(JsonWriter &json, const ProjectEvaluation &evaluation) {
    json.beginObject();
    json.key(QStringLiteral("file"));
    json.value(evaluation.fileName);
    if (!evaluation.loaded) {
        json.key(QStringLiteral("error"));
        json.value(evaluation.errorText);
        json.endObject();
        return;
    }
    const Document &document = evaluation.document;
    write(json, "inputStatus", int(document.inputData().inputStatus()));
    write(json, "assessmentType", document.inputData().conditions().type());
    write(json, "heatFlowDirection", int(document.projectInformation().m_heatFlowDirection));
    json.key(QStringLiteral("results"));
    writeResults(json, document.calculation().results());
    json.key(QStringLiteral("criteria"));
    json.value(QJsonValue(DINCriteria::toJson(evaluation.criteria, CriteriaBasis(document.calculation().results()))));
    json.endObject();
}

} // namespace ResultsJson
