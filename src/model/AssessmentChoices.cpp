#include "AssessmentChoices.h"

#include "XMLHelpers.h"

#include <calculation/MinimumHeatResistance.h>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

const double GramsPerKilogram = 1000;

void readChoice(QXmlStreamReader &reader, const QString &name, const QVector<int> &choices, int &value) {
    int read = value;
    XMLHelpers::readIntAttribute(reader, name, read);
    if (reader.hasError())
        return;
    if (!choices.contains(read))
        XMLHelpers::raiseInvalidValue(reader, name);
    else
        value = read;
}

void readFlag(QXmlStreamReader &reader, const QString &name, bool &value) {
    int flag = value ? 1 : 0;
    readChoice(reader, name, {0, 1}, flag);
    value = flag == 1;
}

void readLimit(QXmlStreamReader &reader, const QString &name, double &value) {
    double read = value;
    XMLHelpers::readDoubleAttribute(reader, name, read);
    if (reader.hasError())
        return;
    if (!(read >= 0))
        XMLHelpers::raiseInvalidValue(reader, name);
    else
        value = read;
}

} // namespace

double AssessmentChoices::awLimitForEdition(int edition) {
    switch (edition) {
    case DIN4108_3_2001: return 0.2;
    case DIN4108_3_2014: return 0.5;
    case DIN4108_3_2018: return 0.1;
    default: return 0.0;
    }
}

bool AssessmentChoices::operator==(const AssessmentChoices &other) const {
    return m_DIN4108_3Accordance_Type == other.m_DIN4108_3Accordance_Type && m_nonCapillarAw == other.m_nonCapillarAw &&
           m_capillarActiveAw == other.m_capillarActiveAw && m_capillaryCheckOneSide == other.m_capillaryCheckOneSide &&
           m_dryingReserve == other.m_dryingReserve && m_minimumHeatResVersion == other.m_minimumHeatResVersion &&
           m_minimumHeatResConstruction == other.m_minimumHeatResConstruction && m_frsiCheck == other.m_frsiCheck;
}

void AssessmentChoices::readXML(QXmlStreamReader &reader) {
    readChoice(reader, QStringLiteral("dinEdition"),
               {DIN4108_3_2001, DIN4108_3_2014, DIN4108_3_2018, DIN4108_3_UserDefined}, m_DIN4108_3Accordance_Type);
    readLimit(reader, QStringLiteral("nonCapillaryAw"), m_nonCapillarAw);
    readLimit(reader, QStringLiteral("capillaryAw"), m_capillarActiveAw);
    readFlag(reader, QStringLiteral("oneSideCheck"), m_capillaryCheckOneSide);
    readLimit(reader, QStringLiteral("dryingReserve"), m_dryingReserve);
    readChoice(reader, QStringLiteral("minResVersion"),
               {MinimumHeatResistance::DIN4108_2_2004, MinimumHeatResistance::DIN4108_2_2013}, m_minimumHeatResVersion);
    // A row read alone must belong to the table in force, also the default row of the 2013 table.
    const QVector<int> kinds = MinimumHeatResistance::constructionKinds(m_minimumHeatResVersion);
    if (!reader.attributes().hasAttribute(QStringLiteral("minResKind")) &&
        !kinds.contains(m_minimumHeatResConstruction))
        m_minimumHeatResConstruction = kinds.value(0);
    readChoice(reader, QStringLiteral("minResKind"), kinds, m_minimumHeatResConstruction);
    readFlag(reader, QStringLiteral("frsiCheck"), m_frsiCheck);
    XMLHelpers::readUnknownElement(reader);
}

void AssessmentChoices::writeXML(QXmlStreamWriter &writer) const {
    writer.writeEmptyElement(QStringLiteral("Assessment"));
    writer.writeAttribute(QStringLiteral("dinEdition"), QString::number(m_DIN4108_3Accordance_Type));
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("nonCapillaryAw"), m_nonCapillarAw);
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("capillaryAw"), m_capillarActiveAw);
    writer.writeAttribute(QStringLiteral("oneSideCheck"), QString::number(m_capillaryCheckOneSide ? 1 : 0));
    XMLHelpers::writeDoubleAttribute(writer, QStringLiteral("dryingReserve"), m_dryingReserve);
    writer.writeAttribute(QStringLiteral("minResVersion"), QString::number(m_minimumHeatResVersion));
    writer.writeAttribute(QStringLiteral("minResKind"), QString::number(m_minimumHeatResConstruction));
    writer.writeAttribute(QStringLiteral("frsiCheck"), QString::number(m_frsiCheck ? 1 : 0));
}

QString AssessmentChoices::summary() const {
    QString edition;
    switch (m_DIN4108_3Accordance_Type) {
    case DIN4108_3_2001: edition = tr("DIN 4108-3:2001"); break;
    case DIN4108_3_2014: edition = tr("DIN 4108-3:2014"); break;
    case DIN4108_3_2018: edition = tr("DIN 4108-3:2018"); break;
    default:
        edition = tr("DIN 4108-3 with the user-defined A_w limit %L1 kg/(m²·h^0.5)")
                      .arg(awPerRootHour(m_nonCapillarAw), 0, 'g', 4);
    }
    if (std::fabs(m_dryingReserve) <= 1e-10)
        return tr("%1, no drying reserve").arg(edition);
    return tr("%1, drying reserve %L2 g/(m²·a)").arg(edition).arg(m_dryingReserve * GramsPerKilogram, 0, 'g', 6);
}

QString AssessmentChoices::inForceText(Origin origin) const {
    QString source;
    switch (origin) {
    case Origin::Project: source = tr("project"); break;
    case Origin::Defaults: source = tr("defaults"); break;
    case Origin::CommandLine: source = tr("command line"); break;
    case Origin::ProjectAndCommandLine: source = tr("project and command line"); break;
    }
    return QStringLiteral("%1 (%2)").arg(summary(), source);
}
