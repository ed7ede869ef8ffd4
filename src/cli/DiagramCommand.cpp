#include "DiagramCommand.h"

#include "CliFiles.h"
#include "CliOutput.h"
#include "MonthlyOptions.h"
#include "CriteriaOptions.h"
#include "ProjectEvaluation.h"

#include <visualisation/DiagramExport.h>
#include <visualisation/MonthlyChart.h>
#include <visualisation/MonthlyProfile.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

QString DiagramCommand::synopsis() const {
    return tr("diagram FILE -o OUT          draw the sketch or a profile diagram to SVG, PNG, JPG or PDF");
}

QString DiagramCommand::usage() const {
    return tr("Usage: hygrolux2-cli diagram FILE [--type sketch|pressure|moisture|glaser] -o OUT.{svg,png,jpg,pdf}\n"
              "Loads and recalculates the project FILE and draws one picture; the extension of OUT chooses the "
              "format.\n\n"
              "Options:\n"
              "  --type T    sketch (construction sketch), pressure (vapour pressure diagram), moisture\n"
              "              (water content diagram, the default) or glaser (pressures of the Glaser scheme over\n"
              "              the diffusion-equivalent air layer thickness sd)\n"
              "  -o, --output OUT  picture file to write; '-' writes it to standard output as\n"
              "              --format says (svg, png, jpg or pdf)\n"
              "  --format F  picture format when OUT is '-'\n"
              "  --force     replace OUT when it exists\n"
              "  --width MM  width of the picture in millimetres (default 170; SVG at most 210)\n"
              "  --dpi N     resolution of PNG and JPG pictures (default 150)\n"
              "  --lang ID   language of the captions and numbers: en (default) or de\n"
              "With --method monthly: --type condensate (bar chart of the accumulated condensate per month, the\n"
              "default; svg, png or pdf), pressure (profile of the worst month) or sketch.\n\n") +
           MonthlyOptions::usage() +
           tr("\n\n"
              "Exit code 0 on success, 1 for bad usage, 2 when the project cannot be loaded or the picture cannot "
              "be written, 3 when the picture was written but the project has no results to draw (the reason goes "
              "to standard error).");
}

DiagramScene::DiagramType DiagramCommand::typeFromName(const QString &name) {
    if (name == QLatin1String("sketch"))
        return DiagramScene::DiagramType::ConstructionSketch;
    if (name == QLatin1String("pressure"))
        return DiagramScene::DiagramType::VapourPressure;
    if (name == QLatin1String("moisture"))
        return DiagramScene::DiagramType::MoistureContent;
    if (name == QLatin1String("glaser"))
        return DiagramScene::DiagramType::Glaser;
    return DiagramScene::DiagramType::NoDiagram;
}

int DiagramCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption type(QStringLiteral("type"), QString(), QStringLiteral("T"), QStringLiteral("moisture"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("OUT"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("F"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption width(QStringLiteral("width"), QString(), QStringLiteral("MM"));
    const QCommandLineOption dpi(QStringLiteral("dpi"), QString(), QStringLiteral("N"));
    parser.addOptions({type, output, format, force, width, dpi});
    MonthlyOptions::addTo(parser);
    int exitCode = ExitSuccess;
    if (!parse(parser, arguments, exitCode))
        return exitCode;
    MonthlyOptions monthly;
    if (!readMonthly(parser, monthly, exitCode))
        return exitCode;
    const bool chart = monthly.monthly && (!parser.isSet(type) || parser.value(type) == QLatin1String("condensate"));
    if (parser.positionalArguments().size() != 1)
        return usageError(tr("diagram needs exactly one project file."));
    if (!parser.isSet(output))
        return usageError(tr("diagram needs an output file: -o OUT."));
    DiagramExport::Content content;
    content.type = chart ? DiagramScene::DiagramType::VapourPressure : typeFromName(parser.value(type));
    if (content.type == DiagramScene::DiagramType::NoDiagram ||
        (monthly.monthly && content.type == DiagramScene::DiagramType::MoistureContent))
        return usageError(tr("Unknown diagram type '%1'.").arg(parser.value(type)));
    const QString outFile = parser.value(output);
    const QString pictureFormat =
        CliFiles::isStandardOutput(outFile) ? parser.value(format) : QFileInfo(outFile).suffix();
    if (chart && !MonthlyChart::isKnownFormat(pictureFormat))
        return usageError(tr("Unknown chart format '%1': use .svg, .png or .pdf.").arg(pictureFormat));
    if (!DiagramExport::isKnownFormat(pictureFormat))
        return usageError(tr("Unknown picture format '%1': use .svg, .png, .jpg or .pdf.").arg(pictureFormat));
    DiagramExport::Paper paper;
    paper.widthMM = DefaultWidthMM;
    paper.dpi = DefaultDpi;
    bool ok = true;
    if (parser.isSet(width))
        paper.widthMM = parser.value(width).toDouble(&ok);
    if (!ok || !(paper.widthMM >= 10 && paper.widthMM <= 1000))
        return usageError(tr("--width needs a width in millimetres between 10 and 1000."));
    if (parser.isSet(dpi))
        paper.dpi = parser.value(dpi).toDouble(&ok);
    if (!ok || !(paper.dpi >= 30 && paper.dpi <= 1200))
        return usageError(tr("--dpi needs a resolution between 30 and 1200."));
    if (pictureFormat.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        paper.widthMM = std::min(paper.widthMM, MaximumSvgWidthMM);
    paper.heightMM = paper.widthMM / AspectRatio;
    QString refusal;
    if (const int refused =
            CliFiles::checkOutput(outFile, parser.positionalArguments(), parser.isSet(force), refusal)) {
        CliOutput::printError(refusal);
        return refused;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        CliOutput::printError(tr("diagram needs a GUI application object."));
        return ExitUsage;
    }

    const QString fileName = parser.positionalArguments().constFirst();
    const ProjectEvaluation evaluation = ProjectEvaluation::evaluate(fileName, CriteriaOptions());
    if (!evaluation.loaded) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(fileName, evaluation.errorText));
        return ExitFileError;
    }
    content.input = evaluation.document.inputData();
    content.results = evaluation.document.calculation().results();
    if (!monthly.monthly)
        return encodeAndWrite(evaluation, outFile, pictureFormat, paper, content);
    const MonthlyAssessment assessment = monthly.evaluate(evaluation);
    if (content.type == DiagramScene::DiagramType::VapourPressure) {
        const MonthlyProfile profile(content.input, assessment, MonthlyProfile::month(assessment));
        content.input = profile.input;
        content.results = profile.results;
    }
    QByteArray picture;
    const bool drawn =
        chart ? MonthlyChart::encode(pictureFormat, assessment, picture)
              : DiagramExport::encode(pictureFormat, paper, content, QFileInfo(outFile).fileName(), picture);
    if (!drawn) {
        CliOutput::printError(tr("%1: the picture could not be drawn.").arg(outFile));
        return ExitFileError;
    }
    return writeOutput(evaluation.fileName, outFile, picture, MonthlyOptions::notAssessedReason(assessment));
}

int DiagramCommand::encodeAndWrite(const ProjectEvaluation &evaluation, const QString &outFile,
                                   const QString &pictureFormat, const DiagramExport::Paper &paper,
                                   const DiagramExport::Content &content) {
    QByteArray picture;
    if (!DiagramExport::encode(pictureFormat, paper, content, QFileInfo(outFile).fileName(), picture)) {
        CliOutput::printError(tr("%1: the picture could not be drawn.").arg(outFile));
        return ExitFileError;
    }
    return writeOutputOf(evaluation, outFile, picture);
}
