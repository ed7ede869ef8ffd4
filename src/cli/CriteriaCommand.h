#ifndef CriteriaCommandH
#define CriteriaCommandH

// "criteria --list": the DIN 4108-3 editions and the DIN 4108-2 tables with their construction kinds, which the
// criteria options of calc, report and study accept, so that a script author need not guess the numbers.

#include "CliCommand.h"

#include <QCoreApplication>

class CriteriaCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(CriteriaCommand)
public:
    QString name() const override { return QStringLiteral("criteria"); }
    QString synopsis() const override;
    QString usage() const override;
    int run(const QStringList &arguments) override;
};

#endif // CriteriaCommandH
