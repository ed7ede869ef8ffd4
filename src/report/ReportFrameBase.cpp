#include "ReportFrameBase.h"

#include "Report.h"

#include <calculation/CalculationResults.h>
#include <calculation/CriteriaBasis.h>
#include <calculation/ResultTexts.h>

#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

#include <cmath>

ReportFrameBase::ReportFrameBase(Report *report, QTextDocument *textDocument)
    : m_report(report), m_textDocument(textDocument), m_textMetrics(report->fontFamily(), report->fontPointSize()) {}

ReportFrameBase::~ReportFrameBase() = default;

void ReportFrameBase::draw(QPainter *painter, const QRectF &frame) {
    for (const Item &item : m_items) {
        const QPointF topLeft = frame.topLeft() + QPointF(0, item.y);
        if (item.text)
            item.text->draw(painter, topLeft, item.width);
        else
            item.table->draw(painter, topLeft);
    }
}

QVector<FrameBreak> ReportFrameBase::breaks() const {
    QVector<FrameBreak> result;
    for (const Item &item : m_items) {
        if (!item.table || item.headerRows < 0)
            continue;
        for (const QtExt::Table::Break &b : item.table->breaks(item.headerRows + 1)) {
            FrameBreak frameBreak;
            frameBreak.end = item.y + b.end;
            frameBreak.resume = item.y + b.resume;
            frameBreak.headerTop = item.y;
            frameBreak.headerBottom = item.y + item.table->rowTop(item.headerRows);
            result.push_back(frameBreak);
        }
    }
    return result;
}

void ReportFrameBase::drawPiece(QPainter *painter, const FramePiece &piece) {
    painter->save();
    painter->setClipRect(piece.rect);
    const bool whole = piece.from <= 0 && piece.to >= m_cursor && piece.headerHeight() <= 0;
    if (whole || breaks().isEmpty())
        draw(painter, QRectF(piece.rect.topLeft(), QSizeF(piece.rect.width(), m_cursor)));
    else {
        const QPointF top = piece.rect.topLeft();
        drawBand(painter, top - QPointF(0, piece.headerFrom), piece.headerFrom, piece.headerTo);
        drawBand(painter, top + QPointF(0, piece.headerHeight() - piece.from), piece.from, piece.to);
    }
    painter->restore();
}

void ReportFrameBase::drawBand(QPainter *painter, const QPointF &origin, double from, double to) const {
    for (const Item &item : m_items) {
        const QPointF topLeft = origin + QPointF(0, item.y);
        if (item.table)
            item.table->draw(painter, topLeft, from - item.y, to - item.y);
        else if (item.y >= from && item.y + item.height <= to)
            item.text->draw(painter, topLeft, item.width);
    }
}

const QtExt::Table *ReportFrameBase::table(int index) const {
    for (const Item &item : m_items)
        if (item.table && index-- == 0)
            return item.table.get();
    return nullptr;
}

void ReportFrameBase::beginLayout(QPaintDevice *device, double width) {
    m_items.clear();
    m_device = device;
    m_width = width;
    m_cursor = 0;
    m_textMetrics.setPaintDevice(device);
}

void ReportFrameBase::addText(const QString &html, double width) {
    Item item;
    item.text = std::make_unique<QtExt::TextFrame>(m_textDocument);
    item.text->setText(html);
    item.width = width < 0 ? m_width : width;
    item.y = m_cursor;
    item.height = item.text->frameRect(m_device, item.width).height();
    m_cursor += item.height;
    m_items.push_back(std::move(item));
}

std::unique_ptr<QtExt::Table> ReportFrameBase::createTable(int cols, int rows) const {
    auto table = std::make_unique<QtExt::Table>(m_textDocument, cols, rows);
    table->setSpacing(m_textMetrics.descent(ReportTextMetrics::Body));
    return table;
}

void ReportFrameBase::addTable(std::unique_ptr<QtExt::Table> table, double width) {
    Item item;
    item.width = width < 0 ? m_width : width;
    item.y = m_cursor;
    item.height = table->frameRect(m_device, item.width).height();
    m_cursor += item.height;
    item.table = std::move(table);
    m_items.push_back(std::move(item));
}

void ReportFrameBase::addSplittableTable(std::unique_ptr<QtExt::Table> table, int headerRows) {
    addTable(std::move(table));
    m_items.back().headerRows = headerRows;
}

QString ReportFrameBase::missingResultsReason(bool glaser) const {
    const CalculationResults &r = m_report->results();
    // codes below "only one layer": no input, invalid input, no result, no algorithm, surface condensation
    if ((glaser ? r.glaserResultCode : r.resultCode) >= ResultCode::OneLayer)
        return QString();
    // not a bare "No Solution found!" where the Glaser figures stand in for the moisture-dependent ones
    if (!glaser && CriteriaBasis(r).isGlaser())
        return CriteriaBasis::moistureMethodEmptyNote().toHtmlEscaped();
    return r.messages.isEmpty() ? ResultTexts::verdictText(r).toHtmlEscaped()
                                : r.messages.join(QStringLiteral("<br/>"));
}

bool ReportFrameBase::addMissingResultsNotice(bool glaser) {
    const QString reason = missingResultsReason(glaser);
    if (reason.isEmpty())
        return false;
    addText(QStringLiteral("<p><b>%1</b> %2</p>")
                .arg(QCoreApplication::translate("ReportFrameBase", "No results:"), reason));
    addSpacing(m_textMetrics.spacing());
    return true;
}

QString ReportFrameBase::fixed(double value, int decimals) {
    // a value that rounds to zero is written without a sign: no "-0.0"
    if (std::round(std::fabs(value) * std::pow(10.0, decimals)) == 0)
        value = 0;
    return QStringLiteral("%L1").arg(value, 0, 'f', decimals);
}

QImage ReportFrameBase::userLogo() const {
    const UserLogoSettings &settings = m_report->userLogo();
    QImage image;
    if (settings.m_path.isEmpty() || !image.load(settings.m_path))
        return QImage();
    if (settings.m_size <= 0)
        return image;
    return settings.m_widthSetting ? image.scaledToWidth(settings.m_size, Qt::SmoothTransformation)
                                   : image.scaledToHeight(settings.m_size, Qt::SmoothTransformation);
}

QSizeF ReportFrameBase::logoSizeOnDevice(const QImage &logo) const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double factor = m_device ? m_device->logicalDpiX() / screenDpi : 1.0;
    return QSizeF(logo.size()) * factor;
}
