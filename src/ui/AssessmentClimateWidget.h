#ifndef AssessmentClimateWidgetH
#define AssessmentClimateWidgetH

// Page 1 of the main window's editor stack, shown while a climate column of the layer table is current: the
// assessment type editor over the climate editor of the selected side.

#include <QWidget>

class AssessmentTypeWidget;
class ClimateEditWidget;
class Project;
class QTableWidget;
class QUndoStack;

class AssessmentClimateWidget : public QWidget {
    Q_OBJECT
public:
    AssessmentClimateWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);

    /*! The layer table whose climate columns the undo commands select. */
    void setLayerTable(QTableWidget *table);

    /*! Shows the climate of the warm or the cold side and refreshes the assessment type. */
    void setSide(bool isWarmSide);

    AssessmentTypeWidget *assessmentTypeWidget() const { return m_assessmentTypeWidget; }
    ClimateEditWidget *climateEditWidget() const { return m_climateEditWidget; }

private:
    AssessmentTypeWidget *m_assessmentTypeWidget;
    ClimateEditWidget *m_climateEditWidget;
};

#endif // AssessmentClimateWidgetH
