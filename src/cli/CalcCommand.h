#ifndef CalcCommandH
#define CalcCommandH

// "calc": loads project files, recalculates them and prints the results and criteria as JSON (one object for
// one file, an array for several) or, with --text, as a short summary per file.

#include "CliCommand.h"

#include <QByteArray>
#include <QCoreApplication>

#include <vector>

class MonthlyOptions;
class ProjectEvaluation;

class CalcCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(CalcCommand)
public:
    QString name() const override { return QStringLiteral("calc"); }
    QString synopsis() const override;
    QString usage() const override;
    /*! Exit code 0 when every file loaded and was assessed, 3 when a loaded project could not be judged (invalid
        input, no result), 2 when a file could not be loaded (wins over 3). */
    int run(const QStringList &arguments) override;

private:
    /*! The monthly method of every loaded project as text, JSON lines or JSON; returns the exit code. */
    static int runMonthly(const std::vector<ProjectEvaluation> &evaluations, const MonthlyOptions &options, bool text,
                          bool jsonLines, bool asArray);
    /*! One compact JSON object per file and line. */
    static QByteArray jsonLinesText(const std::vector<ProjectEvaluation> &evaluations);
    /*! Names every file that failed to load or could not be judged on standard error; returns the exit code. */
    static int reportProblems(const std::vector<ProjectEvaluation> &evaluations);
};

#endif // CalcCommandH
