#ifndef SketchFrameH
#define SketchFrameH

// Construction sketch of the report (frame id 3), drawn by the program's diagram engine in report mode.

#include "SceneFrame.h"

#include <QCoreApplication>

class SketchFrame : public SceneFrame {
    Q_DECLARE_TR_FUNCTIONS(SketchFrame)
public:
    SketchFrame(Report *report, QTextDocument *textDocument);

    QRectF frameRect(QPaintDevice *device, double width) override;

    /*! Height of the sketch: 50 mm, or a quarter of the page when that is more. */
    static double sketchHeight(double pixelsPerMM, double pageHeight);
};

#endif // SketchFrameH
