#ifndef MonthlyOptionsH
#define MonthlyOptionsH

// The method options shared by "calc", "report" and "diagram": --method period|monthly and, for the monthly
// method, the climate (--climate potsdam|FILE) and the interior model (--indoor-rh, --moisture-class or
// --moisture-excess, and --indoor-t). Also evaluates a loaded project by the monthly method with them, so that
// every command judges it the same way.

#include <calculation/MonthlyAssessment.h>

#include <QCoreApplication>
#include <QString>

class ProjectEvaluation;
class QCommandLineParser;

class MonthlyOptions {
    Q_DECLARE_TR_FUNCTIONS(MonthlyOptions)
public:
    static void addTo(QCommandLineParser &parser);
    /*! Takes over the options given. Returns 0, or the exit code with \a errorText: ExitUsage for a value out of
        range, options that exclude each other or monthly options without --method monthly; ExitFileError when
        the climate file cannot be read or is no monthly climate table. */
    int read(const QCommandLineParser &parser, QString &errorText);
    /*! Option lines for the usage text. */
    static QString usage();

    /*! The monthly method of \a evaluation's loaded project with the assessment choices in force for it. */
    MonthlyAssessment evaluate(const ProjectEvaluation &evaluation) const;

    /*! Why \a assessment has no results (its messages as plain text); empty when it has. */
    static QString notAssessedReason(const MonthlyAssessment &assessment);

    /*! --method monthly was given. */
    bool monthly = false;
    MonthlyClimate climate = MonthlyClimate::potsdam();
    MonthlyInterior interior;

private:
    int readInterior(const QCommandLineParser &parser, QString &errorText);
};

#endif // MonthlyOptionsH
