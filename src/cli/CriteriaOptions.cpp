#include "CriteriaOptions.h"

#include <calculation/MinimumHeatResistance.h>
#include <calculation/PhysicalProperties.h>
#include <model/ReportSettings.h>

#include <QCommandLineParser>
#include <QStringList>

#include <cmath>

namespace {

const char *const DinEdition = "din-edition";
const char *const NonCapillaryAw = "non-capillary-aw";
const char *const MinResVersion = "min-res-version";
const char *const MinResKind = "min-res-kind";
const char *const Frsi = "frsi";
const char *const DryingReserve = "drying-reserve";

// A_w limits are given per h^0.5 like everywhere at the user interface; the model keeps them per s^0.5.
const double GramsPerKilogram = 1000;

QStringList kindList(int version) {
    QStringList kinds;
    for (int kind : MinimumHeatResistance::constructionKinds(version))
        kinds << QString::number(kind);
    return kinds;
}

} // namespace

void CriteriaOptions::addTo(QCommandLineParser &parser) {
    parser.addOption({QLatin1String(DinEdition), QString(), QStringLiteral("N")});
    parser.addOption({QLatin1String(NonCapillaryAw), QString(), QStringLiteral("V")});
    parser.addOption({QLatin1String(MinResVersion), QString(), QStringLiteral("V")});
    parser.addOption({QLatin1String(MinResKind), QString(), QStringLiteral("K")});
    parser.addOption({QLatin1String(Frsi), QString()});
    parser.addOption({QLatin1String(DryingReserve), QString(), QStringLiteral("G")});
}

bool CriteriaOptions::read(const QCommandLineParser &parser, ReportSettings &settings, QString &errorText) {
    settings = ReportSettings();
    int edition = settings.m_DIN4108_3Accordance_Type;
    int version = settings.m_minimumHeatResVersion;
    int kind = settings.m_minimumHeatResConstruction;
    double aw = 0;
    double reserve = 0;
    if (!readInt(parser, QLatin1String(DinEdition), edition, errorText) ||
        !readInt(parser, QLatin1String(MinResVersion), version, errorText) ||
        !readInt(parser, QLatin1String(MinResKind), kind, errorText) ||
        !readDouble(parser, QLatin1String(NonCapillaryAw), aw, errorText) ||
        !readDouble(parser, QLatin1String(DryingReserve), reserve, errorText))
        return false;
    if (edition < ReportSettings::DIN4108_3_2001 || edition > ReportSettings::DIN4108_3_UserDefined) {
        errorText = tr("--din-edition must be 0, 1, 2 or 3.");
        return false;
    }
    if (version != MinimumHeatResistance::DIN4108_2_2004 && version != MinimumHeatResistance::DIN4108_2_2013) {
        errorText = tr("--min-res-version must be 0 or 1.");
        return false;
    }
    // The default kind exists only in the 2013 table: without a kind, a table starts at its first one.
    if (!parser.isSet(QLatin1String(MinResKind)))
        kind = MinimumHeatResistance::constructionKinds(version).value(0, kind);
    if (!MinimumHeatResistance::constructionKinds(version).contains(kind)) {
        errorText = tr("--min-res-kind must be one of %1 for table version %2.")
                        .arg(kindList(version).join(QStringLiteral(", ")))
                        .arg(version);
        return false;
    }
    settings.m_DIN4108_3Accordance_Type = edition;
    settings.m_minimumHeatResVersion = version;
    settings.m_minimumHeatResConstruction = kind;
    // Converted only when given, so that the defaults stay bit for bit those of the report settings.
    if (parser.isSet(QLatin1String(NonCapillaryAw)))
        settings.m_nonCapillarAw = awPerRootSecond(aw);
    if (parser.isSet(QLatin1String(DryingReserve)))
        settings.m_dryingReserve = reserve / GramsPerKilogram;
    settings.m_frsiCheck = parser.isSet(QLatin1String(Frsi));
    return true;
}

QString CriteriaOptions::usage() {
    return tr("Criteria (defaults of the report settings):\n"
              "  --din-edition N        DIN 4108-3 edition: 0 2001, 1 2014, 2 2018, 3 user defined (default 2)\n"
              "  --non-capillary-aw V   A_w limit of non-capillary materials in kg/(m2 h^0.5), edition 3 "
              "(default 0.2)\n"
              "  --min-res-version V    DIN 4108-2 table of minimum thermal resistances: 0 2004, 1 2013 (default 1)\n"
              "  --min-res-kind K       construction kind (row) of that table (default: the table's first kind,\n"
              "                         12 for 2013, 0 for 2004)\n"
              "  --frsi                 check the temperature factor f_Rsi\n"
              "  --drying-reserve G     drying reserve to check in g/(m2 a); 0 = no check (default 0)");
}

QString CriteriaOptions::choices() {
    const ReportSettings defaults;
    const auto mark = [](bool isDefault) { return isDefault ? tr(" (default)") : QString(); };
    QString text = tr("--din-edition N   DIN 4108-3 edition\n");
    const char *const editions[] = {QT_TR_NOOP("2001"), QT_TR_NOOP("2014"), QT_TR_NOOP("2018"),
                                    QT_TR_NOOP("user defined, A_w limit from --non-capillary-aw")};
    for (int edition = ReportSettings::DIN4108_3_2001; edition <= ReportSettings::DIN4108_3_UserDefined; ++edition)
        text += QStringLiteral("  %1  %2%3\n")
                    .arg(edition)
                    .arg(tr(editions[edition]))
                    .arg(mark(edition == defaults.m_DIN4108_3Accordance_Type));
    for (int version : {int(MinimumHeatResistance::DIN4108_2_2004), int(MinimumHeatResistance::DIN4108_2_2013)}) {
        text += tr("\n--min-res-version %1   %2%3\n")
                    .arg(version)
                    .arg(MinimumHeatResistance::versionText(version))
                    .arg(mark(version == defaults.m_minimumHeatResVersion));
        text += tr("  --min-res-kind  row          R_min m2K/W  construction\n");
        const QVector<int> kinds = MinimumHeatResistance::constructionKinds(version);
        for (int kind : kinds)
            text += QStringLiteral("  %1  %2  %3  %4%5\n")
                        .arg(kind, 14)
                        .arg(MinimumHeatResistance::rowLabel(version, kind), -11)
                        .arg(MinimumHeatResistance::minimumResistance(version, kind), 11, 'f', 2)
                        .arg(MinimumHeatResistance::kindText(version, kind))
                        .arg(mark(kind == kinds.value(0)));
    }
    return text;
}

bool CriteriaOptions::readInt(const QCommandLineParser &parser, const QString &name, int &value, QString &errorText) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int number = parser.value(name).toInt(&ok);
    if (!ok) {
        errorText = tr("--%1 needs an integer, not '%2'.").arg(name, parser.value(name));
        return false;
    }
    value = number;
    return true;
}

bool CriteriaOptions::readDouble(const QCommandLineParser &parser, const QString &name, double &value,
                                 QString &errorText) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const double number = parser.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < 0) {
        errorText = tr("--%1 needs a number of at least 0, not '%2'.").arg(name, parser.value(name));
        return false;
    }
    value = number;
    return true;
}
