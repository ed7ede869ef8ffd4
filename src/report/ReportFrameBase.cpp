#include "ReportFrameBase.h"

#include "Report.h"

#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

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
    m_cursor += item.text->frameRect(m_device, item.width).height();
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
    m_cursor += table->frameRect(m_device, item.width).height();
    item.table = std::move(table);
    m_items.push_back(std::move(item));
}

QString ReportFrameBase::fixed(double value, int decimals) {
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
