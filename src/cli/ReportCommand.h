#ifndef ReportCommandH
#define ReportCommandH

// "report": writes the paged report of a project file as PDF on A4 with 20 mm margins, through the same report
// code the print dialog uses. Needs a GUI application object (fonts, diagram scene), which main() creates for
// this command on the offscreen platform.

#include "CliCommand.h"

#include <QCoreApplication>
#include <QSet>

class ReportCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
public:
    QString name() const override { return QStringLiteral("report"); }
    bool needsGuiApplication() const override { return true; }
    QString synopsis() const override;
    QString usage() const override;
    int run(const QStringList &arguments) override;

    /*! Frame ids of a "--frames" value: ids 0..13 separated by commas, or "all". False for anything else. */
    static bool parseFrames(const QString &text, QSet<int> &frames);
    /*! The program's report font, used unless "--font" names another. */
    static QString defaultFontFamily() { return QStringLiteral("Verdana"); }
    /*! \a family, or when it is not installed its substitute: for the default family a line in the log, for one
        the user \a chosen a warning on standard error. */
    static QString installedFontFamily(const QString &family, bool chosen);
};

#endif // ReportCommandH
