#ifndef DiagramFrameH
#define DiagramFrameH

// A profile diagram of the report, drawn by the program's diagram engine in report mode: the temperature and
// moisture profile (frame id 9) or the temperature and vapour pressure profile (frame id 10).

#include "SceneFrame.h"

#include <QCoreApplication>

class DiagramFrame : public SceneFrame {
    Q_DECLARE_TR_FUNCTIONS(DiagramFrame)
public:
    /*! \a diagramType is the vapour pressure or the moisture content diagram of the diagram engine. */
    DiagramFrame(Report *report, QTextDocument *textDocument, DiagramScene::DiagramType diagramType);

    QRectF frameRect(QPaintDevice *device, double width) override;

    /*! Title of a diagram type. */
    static QString title(DiagramScene::DiagramType diagramType);
    /*! Caption below a diagram: the method its values come from and the colours of its fills. */
    static QString caption(DiagramScene::DiagramType diagramType);

private:
    DiagramScene::DiagramType m_diagramType;
};

#endif // DiagramFrameH
