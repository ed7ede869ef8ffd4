#include "ReportSettings.h"

#include <QSettings>
#include <QStringList>

void ReportSettings::read(QSettings &settings) {
    settings.beginGroup("ReportSettings");
    if (settings.contains("ActivatedFrames"))
        readFrames(settings.value("ActivatedFrames").toString());
    else
        m_frames = defaultFrames();
    m_pageNumbersVisible = settings.value("CurrentPageNumbersVisible", false).toBool();
    m_userLogo.read(settings);
    m_printDisclaimer = settings.value("PrintDisclaimer", false).toBool();
    m_disclaimerText = settings.value("DisclaimerText", QString()).toString();
    m_minimumHeatResVersion = settings.value("MinimumHeatResVersion", 1).toInt();
    m_minimumHeatResConstruction = settings.value("MinimumHeatResConstruction", 12).toInt();
    m_frsiCheck = settings.value("FrsiCheck", false).toBool();
    m_dryingReserve = settings.value("DryingReserve", 0.0).toDouble();
    // Older versions stored only whether the assessment follows the standard (2018) or user limits.
    if (settings.contains("DIN4108_3Accordance"))
        m_DIN4108_3Accordance_Type =
            settings.value("DIN4108_3Accordance").toBool() ? DIN4108_3_2018 : DIN4108_3_UserDefined;
    else
        m_DIN4108_3Accordance_Type = settings.value("DIN4108_3Accordance_Type", DIN4108_3_2018).toInt();
    m_nonCapillarAw = settings.value("NonCapillarAw", awPerRootSecond(0.2)).toDouble();
    m_capillarActiveAw = settings.value("CapillarActiveAw", awPerRootSecond(0.7)).toDouble();
    m_capillaryCheckOneSide = settings.value("CapillaryCheckOneSide", true).toBool();
    settings.endGroup();
}

void ReportSettings::write(QSettings &settings) const {
    settings.beginGroup("ReportSettings");
    settings.setValue("ActivatedFrames", framesText());
    settings.setValue("CurrentPageNumbersVisible", m_pageNumbersVisible);
    m_userLogo.write(settings);
    settings.setValue("PrintDisclaimer", m_printDisclaimer);
    settings.setValue("DisclaimerText", m_disclaimerText);
    settings.setValue("MinimumHeatResVersion", m_minimumHeatResVersion);
    settings.setValue("MinimumHeatResConstruction", m_minimumHeatResConstruction);
    settings.setValue("FrsiCheck", m_frsiCheck);
    settings.setValue("DryingReserve", m_dryingReserve);
    settings.setValue("DIN4108_3Accordance_Type", m_DIN4108_3Accordance_Type);
    // The older key takes precedence when read: left in place it would undo every later change.
    settings.remove("DIN4108_3Accordance");
    settings.setValue("NonCapillarAw", m_nonCapillarAw);
    settings.setValue("CapillarActiveAw", m_capillarActiveAw);
    settings.setValue("CapillaryCheckOneSide", m_capillaryCheckOneSide);
    settings.endGroup();
}

bool ReportSettings::operator==(const ReportSettings &other) const {
    return AssessmentChoices::operator==(other) && m_frames == other.m_frames &&
           m_pageNumbersVisible == other.m_pageNumbersVisible && m_userLogo == other.m_userLogo &&
           m_printDisclaimer == other.m_printDisclaimer && m_disclaimerText == other.m_disclaimerText;
}

QSet<int> ReportSettings::defaultFrames() {
    return {HeaderFrameId,
            FooterFrameId,
            ProjectInfoFrameId,
            SketchFrameId,
            ConstructionLayerFrameId,
            ClimateFrameId,
            WaterContentDiagramFrameId,
            ConclusionsFrameId,
            GlaserFrameId};
}

void ReportSettings::readFrames(const QString &activatedFrames) {
    const QStringList parts = activatedFrames.split(' ', Qt::SkipEmptyParts);
    for (int id = 0; id < NumFrames && id < parts.size(); ++id) {
        bool ok = false;
        const int active = parts[id].toInt(&ok);
        if (ok && active != 0)
            m_frames.insert(id);
        else
            m_frames.remove(id);
    }
}

QString ReportSettings::framesText() const {
    QString text;
    for (int id = 0; id < NumFrames; ++id)
        text += QString("%1 ").arg(m_frames.contains(id) ? 1 : 0);
    return text;
}
