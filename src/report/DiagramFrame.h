#ifndef DiagramFrameH
#define DiagramFrameH

// A profile diagram of the report, drawn by the program's diagram engine in report mode: the temperature and
// moisture profile (frame id 9) or the temperature and vapour pressure profile (frame id 10).

#include "ReportFrameBase.h"

#include <QCoreApplication>

#include <memory>

class DiagramScene;

class DiagramFrame : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(DiagramFrame)
public:
    /*! Diagram types of the diagram engine that the report prints. */
    enum DiagramType { VapourPressureDiagram = 2, MoistureContentDiagram = 3 };

    DiagramFrame(Report *report, QTextDocument *textDocument, int diagramType);
    ~DiagramFrame() override;

    QRectF frameRect(QPaintDevice *device, double width) override;
    void draw(QPainter *painter, const QRectF &frame) override;

    /*! Title of a diagram type. */
    static QString title(int diagramType);
    /*! Caption below a diagram: the method its values come from and the colours of its fills. */
    static QString caption(int diagramType);

private:
    int m_diagramType;
    std::unique_ptr<DiagramScene> m_scene;
    QRectF m_diagramRect;
};

#endif // DiagramFrameH
