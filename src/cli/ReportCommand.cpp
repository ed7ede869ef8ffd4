#include "ReportCommand.h"

#include "CliFiles.h"
#include "CliOutput.h"
#include "CriteriaOptions.h"
#include "MonthlyOptions.h"
#include "ProjectEvaluation.h"

#include <model/ReportSettings.h>
#include <report/Report.h>
#include <report/ReportPdf.h>

#include <ZOT_MessageHandler.h>

#include <QBuffer>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

/*! Default frames of a report of the monthly method: its climate, table, chart, profile, conclusions and surface. */
const QSet<int> MonthlyFrames = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12};

} // namespace

QString ReportCommand::synopsis() const {
    return tr("report [options] FILE -o OUT.pdf  write the report of a project file as PDF");
}

QString ReportCommand::usage() const {
    return tr("Usage: hygrolux2-cli report [options] FILE -o OUT.pdf\n"
              "Loads the project file, recalculates it and writes its report as PDF (A4, 20 mm margins).\n\n"
              "Options:\n"
              "  -o, --output OUT.pdf   the PDF file to write (required); '-' writes the PDF to standard output\n"
              "  --force                replace OUT.pdf when it exists\n"
              "  --frames LIST          frame ids separated by commas, or 'all'; default: 0,1,2,3,4,5,9,11,12\n"
              "                         (0 header, 1 footer, 2 project, 3 sketch, 4 layers, 5 climate, 6 surface\n"
              "                         resistances, 7 resistances, 8 results table, 9 moisture diagram,\n"
              "                         10 vapour pressure diagram, 11 conclusions, 12 Glaser results, 13 remarks);\n"
              "                         with --method monthly 5 is its climate, 8 the monthly table, 9 the\n"
              "                         condensate chart, 10 the worst month's profile, 11 its conclusions and\n"
              "                         12 the surface check, default 0,1,2,3,4,5,8,9,10,11,12\n"
              "  --page-numbers         'Page n of m' in the footer\n"
              "  --font FAMILY          report font (default: Verdana)\n"
              "  --lang ID              language of the report: en (default) or de\n") +
           CriteriaOptions::usage() + QStringLiteral("\n") + MonthlyOptions::usage() +
           tr("\n\nExit code 0 on success, 2 when the project cannot be loaded or the PDF cannot be written, "
              "1 for bad usage, 3 when the PDF was written but the project's results could not be judged (invalid "
              "input, a calculation without result; the reason goes to standard error).");
}

int ReportCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("OUT"));
    const QCommandLineOption framesOption(QStringLiteral("frames"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption pageNumbers(QStringLiteral("page-numbers"));
    const QCommandLineOption font(QStringLiteral("font"), QString(), QStringLiteral("FAMILY"));
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOptions({output, framesOption, pageNumbers, font, force});
    MonthlyOptions::addTo(parser);
    ReportSettings settings;
    CriteriaOptions criteria;
    int exitCode = ExitSuccess;
    if (!parseWithCriteria(parser, arguments, criteria, exitCode))
        return exitCode;
    MonthlyOptions monthly;
    if (!readMonthly(parser, monthly, exitCode))
        return exitCode;
    if (monthly.monthly)
        settings.m_frames = MonthlyFrames;
    if (parser.isSet(framesOption) && !parseFrames(parser.value(framesOption), settings.m_frames))
        return usageError(tr("--frames needs frame ids 0..13 separated by commas, or 'all'."));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return usageError(tr("Exactly one project file is needed."));
    if (!parser.isSet(output) || parser.value(output).isEmpty())
        return usageError(tr("No output file given (-o OUT.pdf)."));
    if (parser.isSet(font) && parser.value(font).trimmed().isEmpty())
        return usageError(tr("--font needs the name of a font family."));
    const QString outFile = parser.value(output);
    if (!CliFiles::isStandardOutput(outFile) &&
        QFileInfo(outFile).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        return usageError(tr("The report is a PDF: the output file needs the extension .pdf."));
    QString refusal;
    if (const int refused = CliFiles::checkOutput(outFile, files, parser.isSet(force), refusal)) {
        CliOutput::printError(refusal);
        return refused;
    }

    const ProjectEvaluation evaluation = ProjectEvaluation::evaluate(files.first(), criteria);
    if (!evaluation.loaded) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(files.first(), evaluation.errorText));
        return ExitFileError;
    }
    const Document &document = evaluation.document;
    Report report(
        installedFontFamily(parser.isSet(font) ? parser.value(font) : defaultFontFamily(), parser.isSet(font)));
    report.setSettings(&document.inputData(), &document.calculation().results(), &document.projectInformation(),
                       &settings);
    report.setProjectFileName(files.first());
    report.setPageNumbersVisible(parser.isSet(pageNumbers));
    const MonthlyAssessment assessment = monthly.monthly ? monthly.evaluate(evaluation) : MonthlyAssessment();
    if (monthly.monthly)
        report.setMonthly(&assessment);
    report.setAssessmentOrigin(evaluation.assessmentOrigin);

    // The PDF is made in memory and written only when complete, so that a failure leaves no partial file.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    if (!ReportPdf::write(report, &buffer, QStringLiteral("hygrolux2-cli"))) {
        CliOutput::printError(tr("%1: the PDF file cannot be written.").arg(outFile));
        return ExitFileError;
    }
    if (monthly.monthly)
        return writeOutput(evaluation.fileName, outFile, pdf, MonthlyOptions::notAssessedReason(assessment));
    return writeOutputOf(evaluation, outFile, pdf);
}

QString ReportCommand::installedFontFamily(const QString &family, bool chosen) {
    if (QFontDatabase().hasFamily(family))
        return family;
    // Only a font the user chose is worth a warning; the default one is replaced quietly, as in the diagrams.
    const QString substitute = QFontInfo(QFont(family)).family();
    const QString text = tr("Report font '%1' is not installed, '%2' is used.").arg(family, substitute);
    if (chosen)
        CliOutput::printError(tr("warning: %1").arg(text));
    else
        ZOT::message(text.toStdString(), ZOT::MSG_PROGRESS, "ReportCommand::run", 0);
    return substitute;
}

bool ReportCommand::parseFrames(const QString &text, QSet<int> &frames) {
    QSet<int> result;
    if (text.trimmed() == QLatin1String("all")) {
        for (int id = 0; id < ReportSettings::NumFrames; ++id)
            result.insert(id);
        frames = result;
        return true;
    }
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    for (const QString &part : parts) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (!ok || id < 0 || id >= ReportSettings::NumFrames)
            return false;
        result.insert(id);
    }
    frames = result;
    return true;
}
