#include "ConvertCommand.h"

#include "CliFiles.h"
#include "CliOutput.h"
#include "PlainText.h"
#include "ProjectEvaluation.h"

#include <model/Project.h>

#include <QBuffer>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QXmlStreamWriter>

QString ConvertCommand::synopsis() const {
    return tr("convert OLD NEW.v2p          write a project file in the current format");
}

QString ConvertCommand::usage() const {
    return tr("Usage: hygrolux2-cli convert [--force] OLD NEW.v2p\n"
              "Reads any project file the program can open (.v2p or the older .vpj) and writes it as NEW.v2p;\n"
              "NEW '-' writes it to standard output.\n\n"
              "Options:\n"
              "  --force     replace NEW.v2p when it exists\n\n"
              "Exit codes: 0 written; 1 bad usage (also NEW is OLD itself, or ends in .vpj); 2 OLD could not be "
              "loaded, NEW exists without --force, or it could not be written.");
}

int ConvertCommand::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOption(force);
    int exitCode = ExitSuccess;
    if (!parse(parser, arguments, exitCode))
        return exitCode;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return usageError(tr("convert needs the old and the new file name."));
    const QString &source = files[0];
    const QString &target = files[1];
    // The program reads a ".vpj" file only as an old-format file: the converted file could not be opened again.
    if (QFileInfo(target).suffix().compare(QLatin1String("vpj"), Qt::CaseInsensitive) == 0)
        return usageError(tr("The new file must not have the extension .vpj; use .v2p."));

    Project project;
    QString errorText = ProjectEvaluation::openProblem(source);
    if (!errorText.isEmpty() || !project.read(source, errorText)) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(source, PlainText::withoutLocations(errorText)));
        return ExitFileError;
    }
    QString refusal;
    if (const int refused = CliFiles::checkOutput(target, {source}, parser.isSet(force), refusal)) {
        CliOutput::printError(refusal);
        return refused;
    }
    if (CliFiles::isStandardOutput(target))
        return CliOutput::write(projectText(project)) ? ExitSuccess : outputFailed();
    if (!project.write(target, &errorText)) {
        CliOutput::printError(QStringLiteral("%1: %2").arg(target, errorText));
        return ExitFileError;
    }
    return ExitSuccess;
}

QByteArray ConvertCommand::projectText(const Project &project) {
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    project.document()->writeXML(writer);
    return text;
}
