#ifndef SceneFrameH
#define SceneFrameH

// Base of the report frames that show a picture of the diagram engine (construction sketch, profile
// diagrams): the frame creates its scene in report mode once, sets it up for every layout and draws it on a
// white background below its text.

#include "ReportFrameBase.h"

#include <visualisation/DiagramScene.h>

#include <memory>

class SceneFrame : public ReportFrameBase {
public:
    ~SceneFrame() override;

    void draw(QPainter *painter, const QRectF &frame) override;

protected:
    SceneFrame(Report *report, QTextDocument *textDocument);

    /*! Sets the scene up as \a diagramType for a picture of \a height across the width of the layout, placed
        below the content so far. The caller adds the space it takes. */
    void placeScene(DiagramScene::DiagramType diagramType, double height);
    /*! As above, for other results and input than the report's. */
    void placeScene(DiagramScene::DiagramType diagramType, double height, const CalculationResults &results,
                    const InputData &input);
    /*! For frames that show a picture only sometimes: the next draw() paints none until placeScene(). */
    void removeScene() { m_placed = false; }

private:
    std::unique_ptr<DiagramScene> m_scene;
    QRectF m_sceneRect;
    bool m_placed = false;
};

#endif // SceneFrameH
