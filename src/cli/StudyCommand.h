#ifndef StudyCommandH
#define StudyCommandH

// "study": varies one quantity of a project over a range or a list of values and prints every value's results
// and verdicts as a table, CSV or JSON; optionally searches the limit between passing and failing values and
// draws the condensate mass and drying time against the varied value.

#include "CliCommand.h"

#include <calculation/VariantStudy.h>
#include <visualisation/StudyChart.h>

#include <QCoreApplication>

class QCommandLineParser;

#include <optional>
#include <vector>

class StudyCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(StudyCommand)
public:
    QString name() const override { return QStringLiteral("study"); }
    bool needsGuiApplication() const override { return true; }
    QString synopsis() const override;
    QString usage() const override;
    /*! Exit code 0 when the study ran (rows of invalid values are marked, not errors), 1 for bad usage, 2 when
        the project could not be loaded or the chart not written. */
    int run(const QStringList &arguments) override;

    /*! The quantity named on the command line ("width", "sd", "lambda", "mu", "aw", "rh-inside", "t-inside"). */
    static std::optional<VariantStudy::Quantity> quantityFromName(const QString &name);
    /*! A value as given on the command line: a number, for widths also with the suffix "mm", "cm" or "m". */
    static std::optional<double> parseValue(const QString &text, VariantStudy::Quantity quantity);

private:
    /*! Writes the chart to the file of --plot: never over the project, an existing file only with --force. */
    static int writeChart(const QCommandLineParser &parser, const StudyChart::Paper &paper,
                          const StudyChart::Content &content);
};

#endif // StudyCommandH
