#ifndef CriteriaOptionsH
#define CriteriaOptionsH

// Command-line options that set the DIN criteria, shared by every command that judges a project. An option given
// overrides the project's own assessment choices for the run; anything not given keeps the project's choice, or for
// a project without choices the built-in default, never the user's stored one, so that a run gives the same
// verdicts on every machine.

#include <QCoreApplication>
#include <QString>

#include <optional>

class AssessmentChoices;
class QCommandLineParser;

class CriteriaOptions {
    Q_DECLARE_TR_FUNCTIONS(CriteriaOptions)
public:
    static void addTo(QCommandLineParser &parser);
    /*! Takes the options given; false with \a errorText for a value that is not a number or out of range
        (--din-edition 0..3, --min-res-version 0 or 1, --min-res-kind a kind of that table or, alone, of either
        table, A_w limit and drying reserve finite and not negative). */
    bool read(const QCommandLineParser &parser, QString &errorText);
    /*! True when a criteria option was given. */
    bool anyGiven() const;
    /*! Lays the options given over \a choices. --min-res-version and --min-res-kind choose the table row
        together: a version alone keeps the kind of \a choices where that table has it, else takes the table's
        first kind; a kind alone keeps the table of \a choices where it has the kind, else takes the table
        that has it (2013 first). */
    void applyTo(AssessmentChoices &choices) const;
    /*! Option lines for the usage text. */
    static QString usage();
    /*! The values the options accept: the DIN 4108-3 editions and, per table version of DIN 4108-2, its
        construction kinds with row label, R_min and text, defaults marked. */
    static QString choices();

private:
    std::optional<int> m_edition;
    std::optional<int> m_version;
    std::optional<int> m_kind;
    /*! kg/(m2 s^0.5) */
    std::optional<double> m_nonCapillaryAw;
    /*! kg/(m2 a) */
    std::optional<double> m_dryingReserve;
    bool m_frsi = false;

    static bool readInt(const QCommandLineParser &parser, const QString &name, std::optional<int> &value,
                        QString &errorText);
    static bool readDouble(const QCommandLineParser &parser, const QString &name, std::optional<double> &value,
                           QString &errorText);
};

#endif // CriteriaOptionsH
