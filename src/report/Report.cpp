#include "Report.h"

#include "ClimateFrame.h"
#include "ConclusionsFrame.h"
#include "ConstructionLayerFrame.h"
#include "DiagramFrame.h"
#include "DisclaimerFrame.h"
#include "FooterFrame.h"
#include "GlaserFrame.h"
#include "HeaderFrame.h"
#include "MonthlyChartFrame.h"
#include "MonthlyClimateFrame.h"
#include "MonthlyConclusionsFrame.h"
#include "MonthlyDiagramFrame.h"
#include "MonthlySurfaceFrame.h"
#include "MonthlyTableFrame.h"
#include "ProjectInfoFrame.h"
#include "ResistanceFrame.h"
#include "ResultsTableFrame.h"
#include "SketchFrame.h"
#include "SurfaceResistanceFrame.h"

#include <calculation/CalculationResults.h>
#include <calculation/MonthlyAssessment.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>
#include <model/ReportSettings.h>

#include <ZOT_MessageHandler.h>

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

Report::Report(const QString &fontFamily, int fontPointSize, QObject *parent)
    : QObject(parent), m_textDocument(std::make_unique<QTextDocument>()), m_fontFamily(fontFamily),
      m_fontPointSize(fontPointSize) {
    m_textDocument->setDocumentMargin(0);
    QTextDocument *doc = m_textDocument.get();
    m_frames.push_back(std::make_unique<HeaderFrame>(this, doc));
    m_frames.push_back(std::make_unique<FooterFrame>(this, doc));
    m_frames.push_back(std::make_unique<ProjectInfoFrame>(this, doc));
    m_frames.push_back(std::make_unique<SketchFrame>(this, doc));
    m_frames.push_back(std::make_unique<ConstructionLayerFrame>(this, doc));
    m_frames.push_back(std::make_unique<ClimateFrame>(this, doc));
    m_frames.push_back(std::make_unique<SurfaceResistanceFrame>(this, doc));
    m_frames.push_back(std::make_unique<ResistanceFrame>(this, doc));
    m_frames.push_back(std::make_unique<ResultsTableFrame>(this, doc));
    m_frames.push_back(std::make_unique<DiagramFrame>(this, doc, DiagramScene::DiagramType::MoistureContent));
    m_frames.push_back(std::make_unique<DiagramFrame>(this, doc, DiagramScene::DiagramType::VapourPressure));
    m_frames.push_back(std::make_unique<ConclusionsFrame>(this, doc));
    m_frames.push_back(std::make_unique<GlaserFrame>(this, doc));
    m_frames.push_back(std::make_unique<DisclaimerFrame>(this, doc));
    checkFontFamily("Report::Report");
}

Report::~Report() = default;

void Report::setSettings(const InputData *inputData, const CalculationResults *results,
                         const ProjectInformation *projectInformation, const ReportSettings *reportSettings) {
    m_inputData = inputData;
    m_results = results;
    m_projectInformation = projectInformation;
    m_reportSettings = reportSettings;
}

void Report::setMonthly(const MonthlyAssessment *assessment) {
    m_monthly = assessment;
    QTextDocument *doc = m_textDocument.get();
    m_frames[ReportSettings::ClimateFrameId] = std::make_unique<MonthlyClimateFrame>(this, doc);
    m_frames[ReportSettings::ResultsTableFrameId] = std::make_unique<MonthlyTableFrame>(this, doc);
    m_frames[ReportSettings::WaterContentDiagramFrameId] = std::make_unique<MonthlyChartFrame>(this, doc);
    m_frames[ReportSettings::VaporPressureDiagramFrameId] = std::make_unique<MonthlyDiagramFrame>(this, doc);
    m_frames[ReportSettings::ConclusionsFrameId] = std::make_unique<MonthlyConclusionsFrame>(this, doc);
    m_frames[ReportSettings::GlaserFrameId] = std::make_unique<MonthlySurfaceFrame>(this, doc);
}

void Report::setUserLogo(int position, const QString &path, bool widthSetting, int size) {
    m_userLogo.m_position = position;
    m_userLogo.m_path = path;
    m_userLogo.m_widthSetting = widthSetting;
    m_userLogo.m_size = size;
}

bool Report::print(QPrinter *printer) {
    return printPages(printer, printer->fromPage(), printer->toPage());
}

void Report::setFont(const QString &family, int pointSize) {
    m_fontPointSize = pointSize;
    // The preview sets the font before every layout: a missing family is logged once, not at every update.
    if (family == m_fontFamily)
        return;
    m_fontFamily = family;
    checkFontFamily("Report::setFont");
}

bool Report::printPages(QPagedPaintDevice *device, int firstPage, int lastPage) {
    layout(device);
    QPainter painter;
    if (!painter.begin(device)) {
        ZOT::message(tr("Cannot open painter with current printer.").toStdString(), ZOT::MSG_ERROR, "Report::print", 0);
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const int first = firstPage == 0 ? 1 : firstPage;
    const int last = lastPage == 0 ? pageCount() : qMin(lastPage, pageCount());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device->newPage();
        paintPage(&painter, page);
    }
    painter.end();
    return true;
}

void Report::paintPage(QPaintDevice *device, int page) {
    layout(device);
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    paintPage(&painter, page);
}

const InputData &Report::inputData() const {
    static const InputData empty;
    return m_inputData ? *m_inputData : empty;
}

const CalculationResults &Report::results() const {
    static const CalculationResults empty;
    return m_results ? *m_results : empty;
}

const MonthlyAssessment &Report::monthly() const {
    static const MonthlyAssessment empty;
    return m_monthly ? *m_monthly : empty;
}

const ProjectInformation &Report::projectInformation() const {
    static const ProjectInformation empty;
    return m_projectInformation ? *m_projectInformation : empty;
}

const ReportSettings &Report::reportSettings() const {
    static const ReportSettings defaults;
    return m_reportSettings ? *m_reportSettings : defaults;
}

AssessmentChoices::Origin Report::assessmentOrigin() const {
    if (m_assessmentOrigin)
        return *m_assessmentOrigin;
    return inputData().assessment() ? AssessmentChoices::Origin::Project : AssessmentChoices::Origin::Defaults;
}

QString Report::projectName() const {
    const QString name = projectInformation().m_projectName;
    return name.isEmpty() ? QFileInfo(m_projectFileName).fileName() : name;
}

void Report::checkFontFamily(const char *source) const {
    if (QFontDatabase().hasFamily(m_fontFamily))
        return;
    // The text is laid out all the same, with the family the font matching chooses; the log names it.
    const QString substitute = QFontInfo(QFont(m_fontFamily)).family();
    ZOT::message(("Font family for default font doesn't exist. '" + m_fontFamily + "', using '" + substitute + "'.")
                     .toStdString(),
                 ZOT::MSG_ERROR, source, 0);
}

void Report::layout(QPaintDevice *device) {
    m_device = device;
    m_textDocument->documentLayout()->setPaintDevice(device);
    applyFonts();
    m_pageSize = QSizeF(device->width(), device->height());
    // Width and width in millimetres of the same area, so that the scale is right with or without margins.
    m_pixelsPerMM = device->widthMM() > 0 ? double(device->width()) / device->widthMM() : 1;
    QVector<double> heights(ReportSettings::NumFrames, 0);
    QVector<bool> active(ReportSettings::NumFrames, false);
    QVector<QVector<FrameBreak>> breaks(ReportSettings::NumFrames);
    for (int id = 0; id < ReportSettings::NumFrames; ++id) {
        active[id] = isActive(id);
        if (active[id]) {
            heights[id] = m_frames[id]->frameRect(device, m_pageSize.width()).height();
            breaks[id] = m_frames[id]->breaks();
        }
        if (id == ReportSettings::FooterFrameId)
            m_bodyHeight = m_pageSize.height() - heights[ReportSettings::HeaderFrameId] - heights[id];
        if (id >= 2)
            emit progress(id + 1);
    }
    m_pageLayout.layout(m_pageSize, heights, active, breaks);
}

void Report::applyFonts() {
    QFont font(m_fontFamily, m_fontPointSize);
    // No ligatures in Latin text: "fi" and "fl" stay two letters in the PDF's text, so that words can be found.
    font.setStyleStrategy(QFont::PreferNoShaping);
    m_textDocument->setDefaultFont(font);
    m_textDocument->setDefaultStyleSheet(QStringLiteral("body { font-size:%1pt; }").arg(font.pointSize()));
}

void Report::paintPage(QPainter *painter, int page) {
    auto *footer = static_cast<FooterFrame *>(m_frames[ReportSettings::FooterFrameId].get());
    for (int id = 0; id < ReportSettings::NumFrames; ++id) {
        if (id < 2) {
            if (!isActive(id) && id != ReportSettings::FooterFrameId)
                continue;
            if (id == ReportSettings::FooterFrameId)
                footer->setCurrentPage(page);
            m_frames[id]->draw(painter, m_pageLayout.frameRect(id));
            emit progress(id + 15);
            continue;
        }
        bool painted = false;
        for (const FramePiece &piece : m_pageLayout.pieces(id)) {
            if (piece.page == page) {
                m_frames[id]->drawPiece(painter, piece);
                painted = true;
            }
        }
        if (painted)
            emit progress(id + 15);
    }
}

bool Report::isActive(int id) const {
    return reportSettings().m_frames.contains(id);
}
