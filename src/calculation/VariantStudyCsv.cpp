#include "VariantStudyCsv.h"

#include <QLocale>

#include <cmath>

const std::vector<DINCriterion::Kind> &VariantStudyCsv::columns() {
    static const std::vector<DINCriterion::Kind> kinds{DINCriterion::MinimumResistance, DINCriterion::TemperatureFactor,
                                                       DINCriterion::CondensateMass,    DINCriterion::Wood,
                                                       DINCriterion::DryingTime,        DINCriterion::DryingReserve};
    return kinds;
}

QByteArray VariantStudyCsv::key(DINCriterion::Kind kind) {
    switch (kind) {
    case DINCriterion::MinimumResistance: return "minimumResistance";
    case DINCriterion::TemperatureFactor: return "frsi";
    case DINCriterion::CondensateMass: return "condensate";
    case DINCriterion::Wood: return "wood";
    case DINCriterion::DryingTime: return "dryingTime";
    case DINCriterion::DryingReserve: return "dryingReserve";
    default: return QByteArray();
    }
}

QString VariantStudyCsv::verdict(const std::vector<DINCriterion> &criteria, DINCriterion::Kind kind) {
    for (const DINCriterion &criterion : criteria)
        if (criterion.kind == kind) {
            if (!criterion.assessed)
                return QStringLiteral("n/a");
            return criterion.fulfilled ? QStringLiteral("yes") : QStringLiteral("no");
        }
    return QStringLiteral("-");
}

QString VariantStudyCsv::verdict(const std::optional<bool> &allFulfilled) {
    if (!allFulfilled)
        return QStringLiteral("n/a");
    return *allFulfilled ? QStringLiteral("yes") : QStringLiteral("no");
}

QByteArray VariantStudyCsv::number(double value) {
    return std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest) : QByteArray();
}

QByteArray VariantStudyCsv::limitKind(VariantStudy::Limit::Kind kind) {
    switch (kind) {
    case VariantStudy::Limit::Found: return "found";
    case VariantStudy::Limit::AllPass: return "allPass";
    case VariantStudy::Limit::NonePass: return "nonePass";
    case VariantStudy::Limit::NoneJudged: return "noneJudged";
    }
    return QByteArray();
}

QByteArray VariantStudyCsv::text(const QString &valueHeader, const std::vector<VariantStudy::Row> &rows,
                                 const VariantStudy::Limit *limit) {
    QByteArray text = valueHeader.toUtf8() + ",inputStatus,resultCode,U,glaserMc,Mc,dryingTimeDays,basis";
    for (DINCriterion::Kind kind : columns())
        text += ',' + key(kind);
    text += ",allFulfilled\n";
    for (const VariantStudy::Row &row : rows) {
        text += number(row.value) + ',' + QByteArray::number(int(row.inputStatus)) + ',' +
                QByteArray::number(int(row.resultCode)) + ',' + number(row.U) + ',' + number(row.glaserMc) + ',' +
                number(row.Mc) + ',' + number(row.dryingTimeDays) + ',' + row.basis.methodName().toUtf8();
        for (DINCriterion::Kind kind : columns())
            text += ',' + verdict(row.criteria, kind).toUtf8();
        text += ',' + verdict(row.allFulfilled).toUtf8() + '\n';
    }
    if (!limit)
        return text;
    // Comment lines, which CSV readers skip or a script picks by their first field.
    text += "# limit," + limitKind(limit->kind) + ",count," + QByteArray::number(qulonglong(limit->changes.size())) +
            ",relativeTolerance," + number(VariantStudy::RelativeTolerance) + '\n';
    if (!limit->changes.empty())
        text += "# change,scanPassing,scanFailing,passing,failing,tolerance,flipped\n";
    for (const VariantStudy::Change &change : limit->changes) {
        QByteArrayList flipped;
        for (DINCriterion::Kind kind : change.flipped)
            flipped << key(kind);
        if (change.basisChanged)
            flipped << "basis";
        text += "# change," + number(change.scanPassing) + ',' + number(change.scanFailing) + ',' +
                number(change.passing) + ',' + number(change.failing) + ',' + number(change.tolerance) + ',' +
                flipped.join(' ') + '\n';
    }
    return text;
}
