#include "StudyOutput.h"

#include "JsonWriter.h"

#include <calculation/DINCriteria.h>

namespace {

const DINCriterion::Kind CriterionColumns[] = {DINCriterion::MinimumResistance, DINCriterion::TemperatureFactor,
                                               DINCriterion::CondensateMass,    DINCriterion::Wood,
                                               DINCriterion::DryingTime,        DINCriterion::DryingReserve};
const char *const CriterionKeys[] = {"minimumResistance", "frsi", "condensate", "wood", "dryingTime", "dryingReserve"};
const char *const CriterionHeads[] = {"R_min", "f_Rsi", "M_c", "wood", "t_dry", "reserve"};

const DINCriterion *find(const std::vector<DINCriterion> &criteria, DINCriterion::Kind kind) {
    for (const DINCriterion &criterion : criteria)
        if (criterion.kind == kind)
            return &criterion;
    return nullptr;
}

/*! "yes", "no", "n/a" (not assessed) or "-" (not evaluated for this construction). */
QString verdict(const DINCriterion *criterion) {
    if (!criterion)
        return QStringLiteral("-");
    if (!criterion->assessed)
        return QStringLiteral("n/a");
    return criterion->fulfilled ? QStringLiteral("yes") : QStringLiteral("no");
}

QString verdict(const std::optional<bool> &all) {
    return all ? (*all ? QStringLiteral("yes") : QStringLiteral("no")) : QStringLiteral("n/a");
}

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

/*! Short reason of an invalid row, by its input status. */
QString invalidText(InputStatus inputStatus) {
    switch (inputStatus) {
    case InputStatus::InvalidWidth: return StudyOutput::tr("invalid input: layer width");
    case InputStatus::InvalidMaterial: return StudyOutput::tr("invalid input: material values");
    default: return StudyOutput::tr("invalid input: climate");
    }
}

QString textRow(const VariantStudy::Row &row) {
    QString line = QStringLiteral("%1").arg(QString::number(row.value, 'g', 6), 12);
    if (!row.isValid())
        return line + QStringLiteral("  ") + invalidText(row.inputStatus);
    line += QStringLiteral("%1%2%3%4  %5")
                .arg(number(row.U, 3), 8)
                .arg(number(row.glaserMc, 3), 12)
                .arg(number(row.Mc, 3), 10)
                .arg(number(row.dryingTimeDays, 1), 9)
                .arg(row.basis.methodName(), -18);
    for (DINCriterion::Kind kind : CriterionColumns)
        line += QStringLiteral("%1").arg(verdict(find(row.criteria, kind)), 8);
    return line + QStringLiteral("%1").arg(verdict(row.allFulfilled), 6);
}

} // namespace

QString StudyOutput::limitText(const VariantStudy::Limit &limit, const QString &unit) {
    switch (limit.kind) {
    case VariantStudy::Limit::AllPass: return tr("Every judged value fulfils all requirements.");
    case VariantStudy::Limit::NonePass: return tr("No value fulfils all requirements.");
    default: break;
    }
    QString text = tr("Limit: fulfilled at %1 %3, not fulfilled at %2 %3.")
                       .arg(QString::number(limit.passing, 'g', 6), QString::number(limit.failing, 'g', 6), unit);
    if (limit.changes > 1)
        text += QLatin1Char(' ') +
                tr("The verdict changes %1 times in the scan; this is the first change.").arg(limit.changes);
    return text;
}

QByteArray StudyOutput::text(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                             const std::optional<VariantStudy::Limit> &limit) {
    QString text = study.fileName + QStringLiteral(": ") + study.quantityName;
    if (study.layer > 0)
        text += tr(" of layer %1 (%2)").arg(study.layer).arg(study.layerName);
    text += QStringLiteral("\n%1%2%3%4%5  %6")
                .arg(QStringLiteral("[%1]").arg(study.unit), 12)
                .arg(QStringLiteral("U"), 8)
                .arg(QStringLiteral("M_c,Glaser"), 12)
                .arg(QStringLiteral("M_c"), 10)
                .arg(QStringLiteral("t_dry d"), 9)
                .arg(tr("basis"), -18);
    for (const char *head : CriterionHeads)
        text += QStringLiteral("%1").arg(QString::fromLatin1(head), 8);
    text += QStringLiteral("%1\n").arg(tr("all"), 6);
    for (const VariantStudy::Row &row : rows)
        text += textRow(row) + QLatin1Char('\n');
    if (limit)
        text += limitText(*limit, study.unit) + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray StudyOutput::csv(const std::vector<VariantStudy::Row> &rows) {
    QByteArray text = "value,inputStatus,resultCode,U,glaserMc,Mc,dryingTimeDays,basis";
    for (const char *key : CriterionKeys)
        text += QByteArray(",") + key;
    text += ",allFulfilled\n";
    for (const VariantStudy::Row &row : rows) {
        text += JsonWriter::number(row.value) + ',' + QByteArray::number(int(row.inputStatus)) + ',' +
                QByteArray::number(int(row.resultCode)) + ',' + JsonWriter::number(row.U) + ',' +
                JsonWriter::number(row.glaserMc) + ',' + JsonWriter::number(row.Mc) + ',' +
                JsonWriter::number(row.dryingTimeDays) + ',' + row.basis.methodName().toUtf8();
        for (DINCriterion::Kind kind : CriterionColumns)
            text += ',' + verdict(find(row.criteria, kind)).toUtf8();
        text += ',' + verdict(row.allFulfilled).toUtf8() + '\n';
    }
    return text;
}

QByteArray StudyOutput::json(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                             const std::optional<VariantStudy::Limit> &limit) {
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("file"));
    json.value(study.fileName);
    json.key(QStringLiteral("vary"));
    json.value(study.quantityName);
    json.key(QStringLiteral("layer"));
    study.layer > 0 ? json.value(study.layer) : json.null();
    json.key(QStringLiteral("unit"));
    json.value(study.unit);
    json.key(QStringLiteral("rows"));
    json.beginArray(JsonWriter::Block);
    for (const VariantStudy::Row &row : rows) {
        json.beginObject();
        json.key(QStringLiteral("value"));
        json.value(row.value);
        json.key(QStringLiteral("inputStatus"));
        json.value(int(row.inputStatus));
        json.key(QStringLiteral("resultCode"));
        json.value(int(row.resultCode));
        json.key(QStringLiteral("U"));
        json.value(row.U);
        json.key(QStringLiteral("glaserMc"));
        json.value(row.glaserMc);
        json.key(QStringLiteral("Mc"));
        json.value(row.Mc);
        json.key(QStringLiteral("dryingTimeDays"));
        json.value(row.dryingTimeDays);
        json.key(QStringLiteral("criteria"));
        json.value(QJsonValue(DINCriteria::toJson(row.criteria, row.basis)));
        json.endObject();
    }
    json.endArray();
    if (limit) {
        json.key(QStringLiteral("limit"));
        json.beginObject();
        json.key(QStringLiteral("kind"));
        const char *kinds[] = {"found", "allPass", "nonePass"};
        json.value(kinds[limit->kind]);
        json.key(QStringLiteral("passing"));
        limit->kind == VariantStudy::Limit::Found ? json.value(limit->passing) : json.null();
        json.key(QStringLiteral("failing"));
        limit->kind == VariantStudy::Limit::Found ? json.value(limit->failing) : json.null();
        json.endObject();
    }
    json.endObject();
    return json.text() + '\n';
}
