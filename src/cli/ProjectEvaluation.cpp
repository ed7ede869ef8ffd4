#include "ProjectEvaluation.h"

#include <calculation/DINCriteria.h>
#include <model/Project.h>

#include <QFileInfo>

ProjectEvaluation ProjectEvaluation::evaluate(const QString &fileName, const ReportSettings &settings) {
    ProjectEvaluation evaluation;
    evaluation.fileName = fileName;
    evaluation.errorText = openProblem(fileName);
    if (!evaluation.errorText.isEmpty())
        return evaluation;
    Project project;
    if (!project.read(fileName, evaluation.errorText))
        return evaluation;
    // The program calculates an opened project through the same call.
    project.setModified(Project::AllModified);
    evaluation.loaded = true;
    evaluation.document = *project.document();
    const Document &document = evaluation.document;
    evaluation.criteria = DINCriteria::evaluate(document.inputData(), document.projectInformation().m_heatFlowDirection,
                                                document.calculation().results(), settings);
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
