#include "ReportPdf.h"

#include "Report.h"

#include <model/ProjectInformation.h>

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>

namespace {
const double PageMarginMM = 20;
// Fine enough for the diagrams' hairlines, small enough for quick writing.
const int PdfResolution = 600;
} // namespace

QPageLayout ReportPdf::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(PageMarginMM, PageMarginMM, PageMarginMM, PageMarginMM), QPageLayout::Millimeter);
}

QString ReportPdf::title(const Report &report) {
    const QString name = report.projectInformation().m_projectName;
    return name.isEmpty() ? QFileInfo(report.projectFileName()).completeBaseName() : name;
}

bool ReportPdf::write(Report &report, QIODevice *device, const QString &creator, int firstPage, int lastPage) {
    QPdfWriter writer(device);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(pageLayout());
    writer.setTitle(title(report));
    writer.setCreator(creator);
    return report.printPages(&writer, firstPage, lastPage);
}
