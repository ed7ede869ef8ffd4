#include "ReportOptionControls.h"

#include <calculation/MinimumHeatResistance.h>
#include <model/ProgramInfo.h>
#include <model/ReportSettings.h>

#include <QCheckBox>
#include <QComboBox>
#include <QStyle>
#include <QToolBox>

#include <iterator>

namespace {

struct FrameCheckBox {
    int frameId;
    const char *objectName;
    const char *caption;
};

// In the order of the frame ids.
const FrameCheckBox FrameCheckBoxes[] = {
    {ReportSettings::HeaderFrameId, "checkBoxHeader", QT_TRANSLATE_NOOP("ReportOptionControls", "Header")},
    {ReportSettings::FooterFrameId, "checkBoxFooter", QT_TRANSLATE_NOOP("ReportOptionControls", "Footer")},
    {ReportSettings::ProjectInfoFrameId, "checkBoxProjectInfo",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Project information")},
    {ReportSettings::SketchFrameId, "checkBoxSketch", QT_TRANSLATE_NOOP("ReportOptionControls", "Construction sketch")},
    {ReportSettings::ConstructionLayerFrameId, "checkBoxLayerTable",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Material data")},
    {ReportSettings::ClimateFrameId, "checkBoxClimate", QT_TRANSLATE_NOOP("ReportOptionControls", "Climate data")},
    {ReportSettings::SurfaceResistanceFrameId, "checkBoxSurfaceResistance",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Surface Resistance")},
    {ReportSettings::ResistanceFrameId, "checkBoxResistances",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Resistances and µ values")},
    {ReportSettings::ResultsTableFrameId, "checkBoxTPWTable",
     QT_TRANSLATE_NOOP("ReportOptionControls", "%1 Results - Detailed Table")},
    {ReportSettings::WaterContentDiagramFrameId, "checkBoxTWChart",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Temperature and moisture profiles")},
    {ReportSettings::VaporPressureDiagramFrameId, "checkBoxTPChart",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Vapour pressure profiles")},
    {ReportSettings::ConclusionsFrameId, "checkBoxVAPRO",
     QT_TRANSLATE_NOOP("ReportOptionControls", "%1 Results - Summary")},
    {ReportSettings::GlaserFrameId, "checkBoxDIN",
     QT_TRANSLATE_NOOP("ReportOptionControls", "DIN 4108-3 (Glaser) - Summary")},
    {ReportSettings::DisclaimerFrameId, "checkBoxEnableDisclaimer",
     QT_TRANSLATE_NOOP("ReportOptionControls", "Print Final Remarks")},
};
static_assert(std::size(FrameCheckBoxes) == ReportSettings::NumFrames, "one check box per report frame");

const int MinimumComboCharacters = 30;

} // namespace

QVector<int> ReportOptionControls::generalFrames() {
    return {ReportSettings::HeaderFrameId, ReportSettings::FooterFrameId, ReportSettings::ProjectInfoFrameId};
}

QVector<int> ReportOptionControls::inputDataFrames() {
    return {ReportSettings::SketchFrameId, ReportSettings::ConstructionLayerFrameId, ReportSettings::ClimateFrameId,
            ReportSettings::SurfaceResistanceFrameId, ReportSettings::ResistanceFrameId};
}

QVector<int> ReportOptionControls::diagramFrames() {
    return {ReportSettings::WaterContentDiagramFrameId, ReportSettings::VaporPressureDiagramFrameId};
}

QVector<int> ReportOptionControls::resultFrames() {
    return {ReportSettings::ResultsTableFrameId, ReportSettings::ConclusionsFrameId, ReportSettings::GlaserFrameId};
}

int ReportOptionControls::finalRemarksFrame() {
    return ReportSettings::DisclaimerFrameId;
}

QString ReportOptionControls::frameCaption(int frameId) {
    Q_ASSERT(frameId >= 0 && frameId < ReportSettings::NumFrames);
    const QString caption = tr(FrameCheckBoxes[frameId].caption);
    return caption.contains(QLatin1String("%1")) ? caption.arg(ProgramInfo::productName()) : caption;
}

QCheckBox *ReportOptionControls::frameCheckBox(int frameId, const QString &nameSuffix, QWidget *parent) {
    auto *box = new QCheckBox(frameCaption(frameId), parent);
    box->setObjectName(QLatin1String(FrameCheckBoxes[frameId].objectName) + nameSuffix);
    return box;
}

QCheckBox *ReportOptionControls::pageNumbersCheckBox(const QString &nameSuffix, QWidget *parent) {
    auto *box = new QCheckBox(tr("Page numbers in footer"), parent);
    box->setObjectName(QStringLiteral("checkBoxPageNumbers") + nameSuffix);
    return box;
}

QString ReportOptionControls::minimumResistanceCaption() {
    return tr("Construction kind for test of minimum thermal resistance\naccording german standard DIN 4108-2 "
              "table 3");
}

QComboBox *ReportOptionControls::minimumResistanceVersionCombo(QWidget *parent) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("comboBoxMinHeatResVersion"));
    box->setAccessibleName(tr("Edition of DIN 4108-2"));
    for (int version : {MinimumHeatResistance::DIN4108_2_2004, MinimumHeatResistance::DIN4108_2_2013})
        box->addItem(MinimumHeatResistance::versionText(version), version);
    // The long texts of some kinds must not widen the page they sit on.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(MinimumComboCharacters);
    return box;
}

QComboBox *ReportOptionControls::minimumResistanceKindCombo(QWidget *parent) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("comboBoxMinHeatRes"));
    box->setAccessibleName(tr("Construction kind"));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(MinimumComboCharacters);
    return box;
}

void ReportOptionControls::fillMinimumResistanceKinds(const QComboBox *version, QComboBox *kinds) {
    const int edition = version->currentData().toInt();
    const QSignalBlocker blocker(kinds);
    kinds->clear();
    for (int kind : MinimumHeatResistance::constructionKinds(edition))
        kinds->addItem(MinimumHeatResistance::kindText(edition, kind), kind);
}

void ReportOptionControls::fitWidthToPages(QToolBox *toolBox) {
    int width = 0;
    for (int i = 0; i < toolBox->count(); ++i)
        width = qMax(width, toolBox->widget(i)->sizeHint().width());
    const QStyle *style = toolBox->style();
    toolBox->setMinimumWidth(width + style->pixelMetric(QStyle::PM_ScrollBarExtent) +
                             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth));
}
