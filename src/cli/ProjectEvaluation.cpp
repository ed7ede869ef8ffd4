#include "ProjectEvaluation.h"

#include <calculation/DINCriteria.h>
#include <model/Project.h>

ProjectEvaluation ProjectEvaluation::evaluate(const QString &fileName, const ReportSettings &settings) {
    ProjectEvaluation evaluation;
    evaluation.fileName = fileName;
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
