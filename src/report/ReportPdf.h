#ifndef ReportPdfH
#define ReportPdfH

// The report as a PDF document: A4 portrait with 20 mm margins, titled with the project's name. The print
// dialog and the command-line tool write their PDFs through it, so that both give the same pages.

#include <QPageLayout>
#include <QString>

class QIODevice;
class Report;

class ReportPdf {
public:
    /*! The page of every report PDF: A4 portrait with 20 mm margins on all sides. */
    static QPageLayout pageLayout();
    /*! The document title: the project's name, else the base name of the project file. */
    static QString title(const Report &report);
    /*! Writes pages firstPage..lastPage (0: the first or the last page) of \a report as PDF into the open
        \a device, with \a creator as the producing program. False when the pages cannot be painted. */
    static bool write(Report &report, QIODevice *device, const QString &creator, int firstPage = 0, int lastPage = 0);
};

#endif // ReportPdfH
