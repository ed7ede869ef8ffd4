#ifndef DiagramCommandH
#define DiagramCommandH

// "diagram": draws the construction sketch, the vapour pressure or the water content diagram of a project
// file into an SVG, PNG, JPG or PDF file with the program's own diagram engine. Needs a GUI application object
// (offscreen is enough), so it lives in its own library that only the executable links.

#include "CliCommand.h"

#include <visualisation/DiagramExport.h>
#include <visualisation/DiagramScene.h>

#include <QCoreApplication>

class DiagramCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(DiagramCommand)
public:
    /*! Pictures are as wide as the text of an A4 page and 1.6 times as wide as high, PNG and JPG at 150 dpi;
        SVG pictures are at most as wide as an A4 page. */
    static constexpr double DefaultWidthMM = 170;
    static constexpr double MaximumSvgWidthMM = 210;
    static constexpr double AspectRatio = 1.6;
    static constexpr double DefaultDpi = 150;

    QString name() const override { return QStringLiteral("diagram"); }
    bool needsGuiApplication() const override { return true; }
    QString synopsis() const override;
    QString usage() const override;
    /*! Exit code 2 when the project cannot be loaded or the picture cannot be written. */
    int run(const QStringList &arguments) override;

    /*! Diagram type of a --type value ("sketch", "pressure", "moisture"), NoDiagram for anything else. */
    static DiagramScene::DiagramType typeFromName(const QString &name);

private:
    /*! Draws \a content of the period method and writes it; returns the exit code. */
    static int encodeAndWrite(const ProjectEvaluation &evaluation, const QString &outFile, const QString &pictureFormat,
                              const DiagramExport::Paper &paper, const DiagramExport::Content &content);
};

#endif // DiagramCommandH
