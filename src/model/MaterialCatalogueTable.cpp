#include "MaterialCatalogueTable.h"

#include <QFile>
#include <QSet>
#include <QTextStream>

namespace {

enum Column {
    ColId,
    ColCategory,
    ColName,
    ColRho,
    ColLambda,
    ColMu,
    ColMuMin,
    ColMuMax,
    ColW80,
    ColWsat,
    ColAw,
    ColSd,
    ColWood,
    ColWoodbased,
    ColFoil,
    ColColor,
    ColProductName,
    ColProducer,
    ColDataSource,
    ColNotes,
    ColNameDe,
    ColNotesDe,
    ColDataSourceDe
};

bool toNumber(const QString &text, double &value) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok;
}

// An empty mu range field means "equal to mu".
bool toOptionalNumber(const QString &text, double fallback, double &value) {
    if (text.trimmed().isEmpty()) {
        value = fallback;
        return true;
    }
    return toNumber(text, value);
}

bool toFlag(const QString &text, bool &flag) {
    const QString t = text.trimmed();
    flag = t == QLatin1String("1");
    return flag || t == QLatin1String("0");
}

} // namespace

bool MaterialCatalogueTable::parseLine(const QString &line, Material &material, QString &errmsg) {
    const QStringList f = line.split(QLatin1Char(';'));
    if (f.size() != FieldCount) {
        errmsg = tr("Expected %1 fields, found %2.").arg(FieldCount).arg(f.size());
        return false;
    }
    bool idOk = false, catOk = false;
    const int id = f[ColId].trimmed().toInt(&idOk);
    const int category = f[ColCategory].trimmed().toInt(&catOk);
    double rho, lambda, mu, muMin, muMax, w80, wsat, aw, sd;
    bool wood, woodbased, foil;
    const bool numbersOk = toNumber(f[ColRho], rho) && toNumber(f[ColLambda], lambda) && toNumber(f[ColMu], mu) &&
                           toOptionalNumber(f[ColMuMin], mu, muMin) && toOptionalNumber(f[ColMuMax], mu, muMax) &&
                           toNumber(f[ColW80], w80) && toNumber(f[ColWsat], wsat) && toNumber(f[ColAw], aw) &&
                           toNumber(f[ColSd], sd);
    const bool flagsOk = toFlag(f[ColWood], wood) && toFlag(f[ColWoodbased], woodbased) && toFlag(f[ColFoil], foil);
    const QColor color(f[ColColor].trimmed());
    if (!idOk || !catOk || !numbersOk || !flagsOk || !color.isValid()) {
        errmsg = tr("Invalid number, flag or colour.");
        return false;
    }
    material = Material(f[ColName].trimmed(), category, f[ColNotes].trimmed(), f[ColProductName].trimmed(),
                        f[ColProducer].trimmed(), f[ColDataSource].trimmed(), rho, lambda, mu, w80, wsat, aw, id);
    material.setMu_min(muMin);
    material.setMu_max(muMax);
    material.setSd_value(sd);
    material.setFlags(false, wood, woodbased, foil);
    material.setColor(color);
    material.setCatalogueTexts(QStringLiteral("en"), {material.name(), material.notes(), material.dataSource()});
    material.setCatalogueTexts(QStringLiteral("de"),
                               {f[ColNameDe].trimmed(), f[ColNotesDe].trimmed(), f[ColDataSourceDe].trimmed()});
    return true;
}

bool MaterialCatalogueTable::read(const QString &fileName, QVector<Material> &materials, QString &errmsg) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        errmsg = tr("Cannot open material table '%1'.").arg(fileName);
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    materials.clear();
    QSet<int> ids;
    for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Material m;
        QString lineError;
        if (!parseLine(line, m, lineError)) {
            errmsg = tr("Line %1: %2").arg(lineNumber).arg(lineError);
            return false;
        }
        if (m.materialId() <= 0 || m.materialId() >= 32768 || ids.contains(m.materialId())) {
            errmsg = tr("Line %1: id %2 is outside 1..32767 or not unique.").arg(lineNumber).arg(m.materialId());
            return false;
        }
        ids.insert(m.materialId());
        materials.append(m);
    }
    return true;
}
