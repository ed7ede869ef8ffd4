#include "ProjectEvaluation.h"

#include "PlainText.h"

#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include "CriteriaOptions.h"

#include <model/Project.h>
#include <model/ReportSettings.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

/*! Standard input saved as a project file in \a dir, named by its content: XML as ".v2p", anything else as the
    older ".vpj". Empty when standard input cannot be read. */
QString standardInputFile(const QTemporaryDir &dir) {
    QFile in;
    if (!dir.isValid() || !in.open(stdin, QIODevice::ReadOnly))
        return QString();
    const QByteArray data = in.readAll();
    const bool xml = data.trimmed().startsWith('<') || data.startsWith("\xEF\xBB\xBF<");
    const QString path = dir.filePath(xml ? QStringLiteral("stdin.v2p") : QStringLiteral("stdin.vpj"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size())
        return QString();
    return path;
}

/*! Puts the choices in force into \a input: its own or the defaults, with the options given laid over them.
    Returns where they come from. */
AssessmentChoices::Origin applyChoices(const CriteriaOptions &criteria, InputData &input) {
    const bool own = input.assessment().has_value();
    AssessmentChoices choices = input.assessment().value_or(AssessmentChoices());
    criteria.applyTo(choices);
    input.setAssessment(choices);
    using Origin = AssessmentChoices::Origin;
    if (criteria.anyGiven())
        return own ? Origin::ProjectAndCommandLine : Origin::CommandLine;
    return own ? Origin::Project : Origin::Defaults;
}

} // namespace

ProjectEvaluation ProjectEvaluation::evaluate(const QString &fileName, const CriteriaOptions &criteria) {
    ProjectEvaluation evaluation;
    evaluation.fileName = fileName;
    QTemporaryDir stdinDirectory;
    QString path = fileName;
    if (fileName == QLatin1String("-")) {
        path = standardInputFile(stdinDirectory);
        if (path.isEmpty()) {
            evaluation.errorText = tr("standard input cannot be read");
            return evaluation;
        }
    }
    evaluation.errorText = openProblem(path);
    if (!evaluation.errorText.isEmpty())
        return evaluation;
    Project project;
    if (!project.read(path, evaluation.errorText)) {
        evaluation.errorText = PlainText::withoutLocations(evaluation.errorText);
        return evaluation;
    }
    // The program calculates an opened project through the same call.
    project.setModified(Project::ModificationType::AllModified);
    evaluation.loaded = true;
    evaluation.document = *project.document();
    evaluation.assessmentOrigin = applyChoices(criteria, evaluation.document.inputData());
    const Document &document = evaluation.document;
    evaluation.criteria = DINCriteria::evaluate(document.inputData(), document.projectInformation().m_heatFlowDirection,
                                                document.calculation().results(), ReportSettings());
    return evaluation;
}

QString ProjectEvaluation::openProblem(const QString &fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return tr("not found");
    if (info.isDir())
        return tr("is a directory");
    if (!info.isReadable())
        return tr("permission denied");
    return QString();
}

QString ProjectEvaluation::notAssessedReason() const {
    const CriteriaBasis basis(document.calculation().results());
    return basis.judged() ? QString() : PlainText::fromHtml(basis.notAssessedReason());
}
