#ifndef TextSummaryH
#define TextSummaryH

// Short human-readable summary of a judged project for "calc --text": the figures and the verdict line of the
// results panel, the interface values of the Glaser scheme where the criteria judge those, then the
// assessment choices in force and every criterion row with its verdict.

#include <QCoreApplication>
#include <QString>

class ProjectEvaluation;

class TextSummary {
    Q_DECLARE_TR_FUNCTIONS(TextSummary)
public:
    /*! The summary of a loaded project, lines separated by newlines, ending with one. */
    static QString text(const ProjectEvaluation &evaluation);

private:
    static QString figures(const ProjectEvaluation &evaluation);
    static QString criteria(const ProjectEvaluation &evaluation);
    static QString glaserTable(const ProjectEvaluation &evaluation);
};

#endif // TextSummaryH
