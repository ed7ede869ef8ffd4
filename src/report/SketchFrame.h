#ifndef SketchFrameH
#define SketchFrameH

// Construction sketch of the report (frame id 3), drawn by the program's diagram engine in report mode.

#include "ReportFrameBase.h"

#include <QCoreApplication>

#include <memory>

class DiagramScene;

class SketchFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(SketchFrame)
public:
    SketchFrame(Report *report, QTextDocument *textDocument);
    ~SketchFrame() override;

    QRectF frameRect(QPaintDevice *device, double width) override;
    void draw(QPainter *painter, const QRectF &frame) override;

    /*! Height of the sketch: 50 mm, or a quarter of the page when that is more. */
    static double sketchHeight(double pixelsPerMM, double pageHeight);

private:
    std::unique_ptr<DiagramScene> m_scene;
    QRectF m_sketchRect;
};

#endif // SketchFrameH
