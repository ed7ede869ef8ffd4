#ifndef MonthlyDiagramFrameH
#define MonthlyDiagramFrameH

// Temperature and vapour pressure profile of the worst month of the monthly method (frame id 10 in a monthly
// report; the coldest month when nothing condenses), drawn by the diagram engine like the Glaser diagram.

#include "SceneFrame.h"

#include <QCoreApplication>

class MonthlyDiagramFrame : public SceneFrame {
    Q_DECLARE_TR_FUNCTIONS(MonthlyDiagramFrame)
public:
    MonthlyDiagramFrame(Report *report, QTextDocument *textDocument) : SceneFrame(report, textDocument) {}

    QRectF frameRect(QPaintDevice *device, double width) override;
    /*! Without a month to draw (invalid input) nothing. */
    void draw(QPainter *painter, const QRectF &frame) override;

private:
    bool m_hasProfile = false;
};

#endif // MonthlyDiagramFrameH
