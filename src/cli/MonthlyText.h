#ifndef MonthlyTextH
#define MonthlyTextH

// Short human-readable summary of a project judged by the monthly method ("calc --method monthly --text"): the
// rows of MonthlySummary, then every criterion row with its verdict.

#include <QCoreApplication>
#include <QString>

class ProjectEvaluation;
struct MonthlyAssessment;

class MonthlyText {
    Q_DECLARE_TR_FUNCTIONS(MonthlyText)
public:
    /*! Lines separated by newlines, ending with one. */
    static QString text(const ProjectEvaluation &project, const MonthlyAssessment &assessment);
};

#endif // MonthlyTextH
