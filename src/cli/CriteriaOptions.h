#ifndef CriteriaOptionsH
#define CriteriaOptionsH

// Command-line options that set the DIN criteria, shared by every command that judges a project. Anything not
// given keeps the default of the report settings, never the user's stored choice, so that a run gives the same
// verdicts on every machine.

#include <QCoreApplication>
#include <QString>

class QCommandLineParser;
class ReportSettings;

class CriteriaOptions {
    Q_DECLARE_TR_FUNCTIONS(CriteriaOptions)
public:
    static void addTo(QCommandLineParser &parser);
    /*! Default report settings changed by the options given; false with \a errorText for a value that is not a
        number or out of range (--din-edition 0..3, --min-res-version 0 or 1, --min-res-kind one of the kinds of
        that table, A_w limit and drying reserve finite and not negative). */
    static bool read(const QCommandLineParser &parser, ReportSettings &settings, QString &errorText);
    /*! Option lines for the usage text. */
    static QString usage();
    /*! The values the options accept: the DIN 4108-3 editions and, per table version of DIN 4108-2, its
        construction kinds with row label, R_min and text, defaults marked. */
    static QString choices();

private:
    static bool readInt(const QCommandLineParser &parser, const QString &name, int &value, QString &errorText);
    static bool readDouble(const QCommandLineParser &parser, const QString &name, double &value, QString &errorText);
};

#endif // CriteriaOptionsH
