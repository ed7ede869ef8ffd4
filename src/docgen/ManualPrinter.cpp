#include "ManualPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

const int Resolution = 300;
const double MarginMM = 20;
const int BodyPointSize = 10;
const char *const FontFamily = "DejaVu Sans";
const char *const CodeFontFamily = "DejaVu Sans Mono";

// Every block of the document (tables included), in document order.
template <typename F> void forEachBlock(QTextDocument &document, F f) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        f(block);
}

void ruleTables(QTextFrame *frame) {
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(Qt::gray);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(12);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            // A table broken over pages repeats its header row.
            format.setHeaderRowCount(1);
            table->setFormat(format);
        }
        ruleTables(child);
    }
}

} // namespace

ManualPrinter::ManualPrinter(const QString &pageLabel) : m_pageLabel(pageLabel) {}

QString ManualPrinter::title(const QTextDocument &document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 1)
            return block.text();
    return QString();
}

bool ManualPrinter::fitImages(QTextDocument &document, const QMap<QString, QImage> &images, double width,
                              double resolution, double deviceScale, QString &error) {
    bool ok = true;
    forEachBlock(document, [&](const QTextBlock &block) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const auto image = images.constFind(format.name());
            if (image == images.constEnd()) {
                error = QStringLiteral("The manual shows the picture '%1', which is not made.").arg(format.name());
                ok = false;
                continue;
            }
            // Each picture at its own resolution, at most as wide as the text. The layout scales image sizes
            // from 96 dpi to its paint device, so they are given at 96 dpi.
            const double dpi = image->dotsPerMeterX() * 0.0254;
            const double w = qMin(width, image->width() * resolution / dpi) / deviceScale;
            format.setWidth(w);
            format.setHeight(w * image->height() / image->width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    });
    return ok;
}

void ManualPrinter::formatBlocks(QTextDocument &document) {
    bool firstChapter = true;
    forEachBlock(document, [&](const QTextBlock &block) {
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        if (level == 2) {
            // Each chapter starts on a new page, the first one right after the title.
            if (!firstChapter)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            firstChapter = false;
        }
        if (level > 0)
            format.setTopMargin(format.topMargin() * 1.5);
        if (format.hasProperty(QTextFormat::BlockCodeFence)) {
            format.setBackground(QColor(0xf2, 0xf2, 0xf2));
            format.setLeftMargin(format.leftMargin() + 20);
            format.setNonBreakableLines(true);
            QTextCursor cursor(block);
            cursor.select(QTextCursor::BlockUnderCursor);
            QTextCharFormat code;
            code.setFontFamily(QLatin1String(CodeFontFamily));
            code.setFontPointSize(BodyPointSize - 2);
            cursor.mergeCharFormat(code);
        }
        // Images stand in paragraphs of their own: centred.
        if (block.text() == QString(QChar::ObjectReplacementCharacter))
            format.setAlignment(Qt::AlignHCenter);
        QTextCursor(block).setBlockFormat(format);
    });
    ruleTables(document.rootFrame());
}

bool ManualPrinter::print(const QString &markdown, const QMap<QString, QImage> &images, const QString &pdfFile,
                          QString &error) const {
    QPdfWriter writer(pdfFile);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMM, MarginMM, MarginMM, MarginMM), QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("hygrolux2-docgen"));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(QFont(QLatin1String(FontFamily), BodyPointSize));
    document.setMarkdown(markdown);
    // After the text: setting it clears the document's resources.
    for (auto it = images.constBegin(); it != images.constEnd(); ++it)
        document.addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());
    writer.setTitle(title(document));

    const QRectF page = writer.pageLayout().paintRectPixels(Resolution);
    QFont footerFont(QLatin1String(FontFamily), BodyPointSize - 2);
    const QFontMetricsF footerMetrics(footerFont, &writer);
    const double footerHeight = 2.5 * footerMetrics.height();
    const QSizeF body(page.width(), page.height() - footerHeight);
    if (!fitImages(document, images, body.width(), Resolution, writer.logicalDpiY() / 96.0, error))
        return false;
    formatBlocks(document);
    document.setPageSize(body);

    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("%1 cannot be written.").arg(pdfFile);
        return false;
    }
    const int pages = document.pageCount();
    const QString footerTitle = title(document);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.setClipRect(QRectF(QPointF(0, 0), body));
        painter.translate(0, -i * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * body.height()), body);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        const QRectF footer(0, page.height() - footerMetrics.height(), body.width(), footerMetrics.height());
        painter.setPen(QPen(Qt::gray, Resolution / 150.0));
        painter.drawLine(QPointF(0, footer.top() - footerMetrics.height() / 2),
                         QPointF(body.width(), footer.top() - footerMetrics.height() / 2));
        painter.setPen(Qt::black);
        painter.setFont(footerFont);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, footerTitle);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, m_pageLabel.arg(i + 1).arg(pages));
    }
    if (!painter.end()) {
        error = QStringLiteral("%1 cannot be written.").arg(pdfFile);
        return false;
    }
    return true;
}
