#ifndef DiagramCommandH
#define DiagramCommandH

// "diagram": draws the construction sketch, the vapour pressure or the water content diagram of a project
// file into an SVG, PNG, JPG or PDF file with the program's own diagram engine. Needs a GUI application object
// (offscreen is enough), so it lives in its own library that only the executable links.

#include "CliCommand.h"

#include <QCoreApplication>

class DiagramCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(DiagramCommand)
public:
    /*! Size of the pictures: an A4 page width at screen resolution for a diagram widget of 800 x 500 pixels. */
    static const int DefaultWidgetWidth = 800;
    static const int DefaultWidgetHeight = 500;

    QString name() const override { return QStringLiteral("diagram"); }
    QString synopsis() const override;
    QString usage() const override;
    /*! Exit code 2 when the project cannot be loaded or the picture cannot be written. */
    int run(const QStringList &arguments) override;

    /*! Diagram type of a --type value ("sketch" 1, "pressure" 2, "moisture" 3), 0 for anything else. */
    static int typeFromName(const QString &name);
};

#endif // DiagramCommandH
