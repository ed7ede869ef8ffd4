#ifndef ProjectEvaluationH
#define ProjectEvaluationH

// One project file as the command-line tool judges it: loaded exactly as the program opens it, recalculated,
// and its criteria rows taken from the program's one criteria evaluation. Used by "calc" and by every later
// command that reports on a project.

#include <calculation/DINCriterion.h>
#include <model/AssessmentChoices.h>
#include <model/Document.h>

#include <QCoreApplication>
#include <QString>

#include <vector>

class CriteriaOptions;

class ProjectEvaluation {
    Q_DECLARE_TR_FUNCTIONS(ProjectEvaluation)
public:
    /*! Loads \a fileName ("-": standard input, format by content), recalculates and evaluates the criteria by the
        project's assessment choices (the defaults for a project without) with the options of \a criteria laid
        over them; the document keeps the choices in force. When the file cannot be loaded, loaded is false and
        errorText holds the load error. */
    static ProjectEvaluation evaluate(const QString &fileName, const CriteriaOptions &criteria);

    /*! Why \a fileName cannot be opened at all ("not found", "is a directory", "permission denied"); empty
        when it can. */
    static QString openProblem(const QString &fileName);

    /*! Why the criteria could not judge every row (invalid input, a calculation without result), as plain text;
        empty when they could. The commands print it and end with ExitNotAssessed. */
    QString notAssessedReason() const;

    /*! The path as given. */
    QString fileName;
    bool loaded = false;
    QString errorText;
    /*! The recalculated project. */
    Document document;
    /*! Where the choices in force come from. */
    AssessmentChoices::Origin assessmentOrigin = AssessmentChoices::Origin::Defaults;
    /*! Criteria rows in report order. */
    std::vector<DINCriterion> criteria;
};

#endif // ProjectEvaluationH
