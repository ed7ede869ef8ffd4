#ifndef CalcCommandH
#define CalcCommandH

// "calc": loads project files, recalculates them and prints the results and criteria as JSON (one object for
// one file, an array for several) or, with --text, as a short summary per file.

#include "CliCommand.h"

#include <QCoreApplication>

class CalcCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(CalcCommand)
public:
    QString name() const override { return QStringLiteral("calc"); }
    QString synopsis() const override;
    QString usage() const override;
    /*! Exit code 0 when every file loaded (whatever its result code), 2 when one could not be loaded. */
    int run(const QStringList &arguments) override;
};

#endif // CalcCommandH
