#include "CriteriaOptions.h"

#include <calculation/MinimumHeatResistance.h>
#include <calculation/PhysicalProperties.h>
#include <model/AssessmentChoices.h>

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

/*! The table that has \a kind, the 2013 one first; -1 when neither has it. */
int tableWithKind(int kind) {
    for (int version : {int(MinimumHeatResistance::DIN4108_2_2013), int(MinimumHeatResistance::DIN4108_2_2004)})
        if (MinimumHeatResistance::constructionKinds(version).contains(kind))
            return version;
    return -1;
}

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

bool CriteriaOptions::read(const QCommandLineParser &parser, QString &errorText) {
    if (!readInt(parser, QLatin1String(DinEdition), m_edition, errorText) ||
        !readInt(parser, QLatin1String(MinResVersion), m_version, errorText) ||
        !readInt(parser, QLatin1String(MinResKind), m_kind, errorText) ||
        !readDouble(parser, QLatin1String(NonCapillaryAw), m_nonCapillaryAw, errorText) ||
        !readDouble(parser, QLatin1String(DryingReserve), m_dryingReserve, errorText))
        return false;
    if (m_edition &&
        (*m_edition < AssessmentChoices::DIN4108_3_2001 || *m_edition > AssessmentChoices::DIN4108_3_UserDefined)) {
        errorText = tr("--din-edition must be 0, 1, 2 or 3.");
        return false;
    }
    if (m_version && *m_version != MinimumHeatResistance::DIN4108_2_2004 &&
        *m_version != MinimumHeatResistance::DIN4108_2_2013) {
        errorText = tr("--min-res-version must be 0 or 1.");
        return false;
    }
    if (m_kind && m_version && !MinimumHeatResistance::constructionKinds(*m_version).contains(*m_kind)) {
        errorText = tr("--min-res-kind must be one of %1 for table version %2.")
                        .arg(kindList(*m_version).join(QStringLiteral(", ")))
                        .arg(*m_version);
        return false;
    }
    if (m_kind && !m_version && tableWithKind(*m_kind) < 0) {
        errorText = tr("--min-res-kind must be one of %1 (table version 1) or %2 (table version 0).")
                        .arg(kindList(MinimumHeatResistance::DIN4108_2_2013).join(QStringLiteral(", ")),
                             kindList(MinimumHeatResistance::DIN4108_2_2004).join(QStringLiteral(", ")));
        return false;
    }
    // Converted to the model's units only when given, so that the defaults stay bit for bit those of the model.
    if (m_nonCapillaryAw)
        m_nonCapillaryAw = awPerRootSecond(*m_nonCapillaryAw);
    if (m_dryingReserve)
        m_dryingReserve = *m_dryingReserve / GramsPerKilogram;
    m_frsi = parser.isSet(QLatin1String(Frsi));
    return true;
}

bool CriteriaOptions::anyGiven() const {
    return m_edition || m_version || m_kind || m_nonCapillaryAw || m_dryingReserve || m_frsi;
}

void CriteriaOptions::applyTo(AssessmentChoices &choices) const {
    if (m_edition)
        choices.m_DIN4108_3Accordance_Type = *m_edition;
    if (m_nonCapillaryAw)
        choices.m_nonCapillarAw = *m_nonCapillaryAw;
    if (m_dryingReserve)
        choices.m_dryingReserve = *m_dryingReserve;
    if (m_frsi)
        choices.m_frsiCheck = true;
    int version = m_version.value_or(choices.m_minimumHeatResVersion);
    int kind = m_kind.value_or(choices.m_minimumHeatResConstruction);
    if (m_kind && !m_version && !MinimumHeatResistance::constructionKinds(version).contains(kind))
        version = tableWithKind(kind);
    if (!m_kind && !MinimumHeatResistance::constructionKinds(version).contains(kind))
        kind = MinimumHeatResistance::constructionKinds(version).value(0);
    choices.m_minimumHeatResVersion = version;
    choices.m_minimumHeatResConstruction = kind;
}

QString CriteriaOptions::usage() {
    return tr("Criteria: an option given overrides the project's own assessment choice for this run; a project\n"
              "without choices of its own takes the defaults named here.\n"
              "  --din-edition N        DIN 4108-3 edition: 0 2001, 1 2014, 2 2018, 3 user defined (default 2)\n"
              "  --non-capillary-aw V   A_w limit of non-capillary materials in kg/(m2 h^0.5), edition 3 "
              "(default 0.2)\n"
              "  --min-res-version V    DIN 4108-2 table of minimum thermal resistances: 0 2004, 1 2013 (default 1)\n"
              "  --min-res-kind K       construction kind (row) of that table (default: the project's kind where\n"
              "                         the table has it, else the table's first kind, 12 for 2013, 0 for 2004)\n"
              "  --frsi                 check the temperature factor f_Rsi\n"
              "  --drying-reserve G     drying reserve to check in g/(m2 a); 0 = no check (default 0)");
}

QString CriteriaOptions::choices() {
    const AssessmentChoices defaults;
    const auto mark = [](bool isDefault) { return isDefault ? tr(" (default)") : QString(); };
    QString text = tr("--din-edition N   DIN 4108-3 edition\n");
    const char *const editions[] = {QT_TR_NOOP("2001"), QT_TR_NOOP("2014"), QT_TR_NOOP("2018"),
                                    QT_TR_NOOP("user defined, A_w limit from --non-capillary-aw")};
    for (int edition = AssessmentChoices::DIN4108_3_2001; edition <= AssessmentChoices::DIN4108_3_UserDefined;
         ++edition)
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

bool CriteriaOptions::readInt(const QCommandLineParser &parser, const QString &name, std::optional<int> &value,
                              QString &errorText) {
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

bool CriteriaOptions::readDouble(const QCommandLineParser &parser, const QString &name, std::optional<double> &value,
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
