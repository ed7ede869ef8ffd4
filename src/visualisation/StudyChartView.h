#ifndef StudyChartViewH
#define StudyChartViewH

// The variant study chart on screen, in the study dialog: a plain widget that paints StudyChart, the drawing
// of the report and the chart files, into its whole area.

#include "StudyChart.h"

#include <QWidget>

class StudyChartView : public QWidget {
    Q_OBJECT
public:
    explicit StudyChartView(QWidget *parent = nullptr);

    void setContent(const StudyChart::Content &content);
    const StudyChart::Content &content() const { return m_content; }

    QSize sizeHint() const override { return QSize(800, 420); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StudyChart::Content m_content;
};

#endif // StudyChartViewH
