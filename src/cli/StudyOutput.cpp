#include "StudyOutput.h"

#include "JsonWriter.h"

#include <calculation/DINCriteria.h>
#include <calculation/VariantStudyCsv.h>

#include <QLocale>

#include <utility>

namespace {

const char *const CriterionHeads[] = {"R_min", "f_Rsi", "M_c", "wood", "t_dry", "reserve"};

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

/*! \a a and \a b with as many digits as it takes to tell them apart, at least six. */
std::pair<QString, QString> distinct(double a, double b) {
    int precision = 6;
    while (precision < 17 && QString::number(a, 'g', precision) == QString::number(b, 'g', precision))
        ++precision;
    return {QString::number(a, 'g', precision), QString::number(b, 'g', precision)};
}

QString textRow(const VariantStudy::Row &row) {
    QString line = QStringLiteral("%1").arg(QString::number(row.value, 'g', QLocale::FloatingPointShortest), 12);
    if (!row.isValid())
        return line + QStringLiteral("  ") + VariantStudy::resultText(row);
    // On a surface condensation no condensate mass or drying time exists: a dash, never 0.
    const bool surface =
        row.resultCode == ResultCode::CondensationLeftSurface || row.resultCode == ResultCode::CondensationRightSurface;
    const QString dash = QStringLiteral("-");
    line += QStringLiteral("%1%2%3%4  %5")
                .arg(number(row.U, 3), 8)
                .arg(surface ? dash : number(row.glaserMc, 3), 12)
                .arg(surface ? dash : number(row.Mc, 3), 10)
                .arg(surface ? dash : number(row.dryingTimeDays, 1), 9)
                .arg(row.basis.methodName(), -18);
    for (DINCriterion::Kind kind : VariantStudyCsv::columns())
        line += QStringLiteral("%1").arg(VariantStudyCsv::verdict(row.criteria, kind), 8);
    return line + QStringLiteral("%1  %2")
                      .arg(VariantStudyCsv::verdict(row.allFulfilled), 6)
                      .arg(VariantStudy::resultText(row));
}

} // namespace

QString StudyOutput::limitText(const VariantStudy::Limit &limit, const QString &unit) {
    switch (limit.kind) {
    case VariantStudy::Limit::AllPass: return tr("Every judged value fulfils all requirements.");
    case VariantStudy::Limit::NonePass: return tr("No judged value fulfils all requirements.");
    case VariantStudy::Limit::NoneJudged: return tr("No value could be judged: every row is invalid or has no result.");
    case VariantStudy::Limit::Found: break;
    }
    QStringList lines;
    if (limit.changes.size() > 1)
        lines << tr("The verdict changes %1 times:").arg(limit.changes.size());
    for (const VariantStudy::Change &change : limit.changes) {
        const QString prefix = limit.changes.size() > 1 ? QStringLiteral("  ") : tr("Limit: ");
        const auto [passing, failing] = distinct(change.passing, change.failing);
        lines << prefix + tr("fulfilled at %1 %3, not fulfilled at %2 %3 (tolerance %4 %3; changes: %5).")
                              .arg(passing, failing, unit, QString::number(change.tolerance, 'g', 2),
                                   VariantStudy::flippedText(change));
    }
    return lines.join(QLatin1Char('\n'));
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
    text += QStringLiteral("%1  %2\n").arg(tr("all"), 6).arg(tr("result"));
    for (const VariantStudy::Row &row : rows)
        text += textRow(row) + QLatin1Char('\n');
    if (limit)
        text += limitText(*limit, study.unit) + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray StudyOutput::csv(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                            const std::optional<VariantStudy::Limit> &limit) {
    return VariantStudyCsv::text(study.quantityName + QStringLiteral(" [") + study.unit + QLatin1Char(']'), rows,
                                 limit ? &*limit : nullptr);
}

void StudyOutput::writeLimit(JsonWriter &json, const VariantStudy::Limit &limit) {
    json.key(QStringLiteral("limit"));
    json.beginObject();
    json.key(QStringLiteral("kind"));
    json.value(QString::fromLatin1(VariantStudyCsv::limitKind(limit.kind)));
    json.key(QStringLiteral("relativeTolerance"));
    json.value(VariantStudy::RelativeTolerance);
    json.key(QStringLiteral("count"));
    json.value(int(limit.changes.size()));
    json.key(QStringLiteral("changes"));
    json.beginArray(JsonWriter::Block);
    for (const VariantStudy::Change &change : limit.changes) {
        json.beginObject();
        for (const auto &[key, value] : {std::pair{"scanPassing", change.scanPassing},
                                         {"scanFailing", change.scanFailing},
                                         {"passing", change.passing},
                                         {"failing", change.failing},
                                         {"tolerance", change.tolerance}}) {
            json.key(QString::fromLatin1(key));
            json.value(value);
        }
        json.key(QStringLiteral("flipped"));
        json.beginArray();
        for (DINCriterion::Kind kind : change.flipped)
            json.value(QString::fromLatin1(VariantStudyCsv::key(kind)));
        json.endArray();
        json.key(QStringLiteral("basisChanged"));
        json.value(change.basisChanged);
        json.endObject();
    }
    json.endArray();
    json.endObject();
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
    if (limit)
        writeLimit(json, *limit);
    json.endObject();
    return json.text() + '\n';
}
