#ifndef ConvertCommandH
#define ConvertCommandH

// "convert": reads any project file the program can open (also the previous generation's ".vpj") and writes it
// in the current XML format. An existing file is replaced only with --force.

#include "CliCommand.h"

#include <QCoreApplication>

class Project;

class ConvertCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(ConvertCommand)
public:
    QString name() const override { return QStringLiteral("convert"); }
    QString synopsis() const override;
    QString usage() const override;
    /*! Exit code 2 when the old file cannot be loaded, the new one exists without --force, or writing fails. */
    int run(const QStringList &arguments) override;

private:
    /*! The project file's XML, for standard output. */
    static QByteArray projectText(const Project &project);
};

#endif // ConvertCommandH
