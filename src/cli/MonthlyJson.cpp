#include "MonthlyJson.h"

#include "JsonWriter.h"
#include "ProjectEvaluation.h"

#include <calculation/DINCriteria.h>
#include <calculation/MonthlyAssessment.h>

#include <optional>

namespace {

void write(JsonWriter &json, const char *name, double value) {
    json.key(QLatin1String(name));
    json.value(value);
}

/*! A month number, null for 0 (none). */
void writeMonth(JsonWriter &json, const char *name, int month) {
    json.key(QLatin1String(name));
    if (month == 0)
        json.null();
    else
        json.value(month);
}

void writeFlag(JsonWriter &json, const char *name, std::optional<bool> flag) {
    json.key(QLatin1String(name));
    if (flag)
        json.value(*flag);
    else
        json.null();
}

template <typename Values> void writeArray(JsonWriter &json, const char *name, const Values &values) {
    json.key(QLatin1String(name));
    json.beginArray();
    for (double value : values)
        json.value(value);
    json.endArray();
}

std::optional<bool> fulfilled(const DINCriterion &row) {
    return row.assessed ? std::optional<bool>(row.fulfilled) : std::nullopt;
}

void writeClimate(JsonWriter &json, const MonthlyClimate &climate) {
    json.key(QStringLiteral("climate"));
    json.beginObject();
    json.key(QStringLiteral("name"));
    json.value(climate.name);
    json.key(QStringLiteral("source"));
    json.value(climate.source);
    writeArray(json, "thetaE", climate.thetaE);
    writeArray(json, "pE", climate.pE);
    json.endObject();
}

void writeMonths(JsonWriter &json, const MonthlyResults &r) {
    json.key(QStringLiteral("months"));
    json.beginArray(JsonWriter::Block);
    for (const MonthlyMonthResult &month : r.months) {
        json.beginObject();
        json.key(QStringLiteral("month"));
        json.value(month.month);
        write(json, "thetaE", month.thetaE);
        write(json, "pE", month.pE);
        write(json, "thetaI", month.thetaI);
        write(json, "pI", month.pI);
        json.key(QStringLiteral("interfaces"));
        json.beginArray(JsonWriter::Block);
        for (int k : r.condensateInterfaces) {
            json.beginObject();
            json.key(QStringLiteral("index"));
            json.value(k);
            write(json, "condensed", month.condensed[std::size_t(k)]);
            write(json, "accumulated", month.accumulated[std::size_t(k)]);
            json.endObject();
        }
        json.endArray();
        write(json, "total", month.total);
        json.endObject();
    }
    json.endArray();
}

void writeSurface(JsonWriter &json, const MonthlyResults &r, std::optional<bool> surfaceFulfilled) {
    json.key(QStringLiteral("surface"));
    json.beginObject();
    write(json, "fRsi", r.fRsi);
    writeArray(json, "fRsiMin", r.fRsiMin);
    write(json, "designFRsiMin", r.designFRsiMin);
    writeMonth(json, "designMonth", r.designMonth);
    writeFlag(json, "fulfilled", surfaceFulfilled);
    json.endObject();
}

const DINCriterion *find(const std::vector<DINCriterion> &rows, DINCriterion::Kind kind) {
    for (const DINCriterion &row : rows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

void writeCriteria(JsonWriter &json, const MonthlyAssessment &assessment) {
    const std::vector<DINCriterion> &rows = assessment.criteria;
    json.key(QStringLiteral("criteria"));
    json.beginObject();
    const DINCriterion *condensate = find(rows, DINCriterion::CondensateMass);
    json.key(QStringLiteral("condensate"));
    json.beginObject();
    json.key(QStringLiteral("nonCapillary"));
    json.value(condensate->nonCapillary);
    write(json, "limit", condensate->required);
    write(json, "Mc", condensate->value);
    writeFlag(json, "fulfilled", fulfilled(*condensate));
    json.endObject();
    json.key(QStringLiteral("wood"));
    if (const DINCriterion *wood = find(rows, DINCriterion::Wood)) {
        json.beginObject();
        json.key(QStringLiteral("kind"));
        json.value(wood->woodBased ? "woodBased" : "wood");
        write(json, "limit", wood->required);
        writeFlag(json, "fulfilled", fulfilled(*wood));
        json.endObject();
    }
    else {
        json.null();
    }
    json.key(QStringLiteral("drying"));
    json.beginObject();
    json.key(QStringLiteral("driesOut"));
    json.value(assessment.results.driesOut);
    writeFlag(json, "fulfilled", fulfilled(*find(rows, DINCriterion::DryingTime)));
    json.endObject();
    const DINCriterion *surface = find(rows, DINCriterion::TemperatureFactor);
    json.key(QStringLiteral("surface"));
    json.beginObject();
    write(json, "fRsi", surface->value);
    write(json, "designFRsiMin", surface->required);
    writeFlag(json, "fulfilled", fulfilled(*surface));
    json.endObject();
    writeFlag(json, "allFulfilled", DINCriteria::allFulfilled(rows));
    json.endObject();
}

} // namespace

namespace MonthlyJson {

void writeMonthly(JsonWriter &json, const MonthlyAssessment &assessment) {
    const MonthlyResults &r = assessment.results;
    if (!r.valid) {
        json.null();
        return;
    }
    json.beginObject();
    writeClimate(json, assessment.climate);
    writeMonth(json, "startMonth", r.startMonth);
    writeMonths(json, r);
    write(json, "maxAccumulated", r.maxAccumulated);
    writeMonth(json, "maxMonth", r.maxMonth);
    json.key(QStringLiteral("driesOut"));
    json.value(r.driesOut);
    writeSurface(json, r, fulfilled(*find(assessment.criteria, DINCriterion::TemperatureFactor)));
    writeCriteria(json, assessment);
    json.endObject();
}

void writeEvaluation(JsonWriter &json, const ProjectEvaluation &project, const MonthlyAssessment &assessment) {
    json.beginObject();
    json.key(QStringLiteral("file"));
    json.value(project.fileName);
    if (!project.loaded) {
        json.key(QStringLiteral("error"));
        json.value(project.errorText);
        json.endObject();
        return;
    }
    json.key(QStringLiteral("heatFlowDirection"));
    json.value(int(project.document.projectInformation().m_heatFlowDirection));
    json.key(QStringLiteral("monthly"));
    writeMonthly(json, assessment);
    json.endObject();
}

} // namespace MonthlyJson
