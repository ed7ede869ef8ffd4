#ifndef ManualPrinterH
#define ManualPrinterH

// Turns one Markdown document of the user manual into a paged A4 PDF with the toolkit's own text layout and
// PDF writer: images fitted to the text width, tables ruled, chapters on new pages, and a footer with the
// manual's title and the page number on every page.

#include <QImage>
#include <QMap>
#include <QString>

class QTextDocument;

class ManualPrinter {
public:
    /*! \a pageLabel: the footer's page number text with %1 for the page and %2 for the page count. */
    explicit ManualPrinter(const QString &pageLabel);

    /*! Writes \a markdown with the pictures \a images (by the names the document uses) to \a pdfFile.
        False with \a error set when the file cannot be written or a picture is missing. */
    bool print(const QString &markdown, const QMap<QString, QImage> &images, const QString &pdfFile,
               QString &error) const;

private:
    static QString title(const QTextDocument &document);
    static bool fitImages(QTextDocument &document, const QMap<QString, QImage> &images, double width, double resolution,
                          double deviceScale, QString &error);
    static void formatBlocks(QTextDocument &document);

    QString m_pageLabel;
};

#endif // ManualPrinterH
