#ifndef ClimateEditWidgetH
#define ClimateEditWidgetH

// Climate editor of one side (warm or cold): preset choice, period choice (condensation or drying) and the
// temperature, relative humidity and surface resistance of the chosen period. Part of the climate and
// assessment page of the main window. Changes the project only through undo commands on the given stack.

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace Ui {
class ClimateEditWidget;
}
namespace QtExt {
class ValidatingLineEdit;
}

class Project;
class QLineEdit;
class QTableWidget;
class QUndoStack;
struct ClimateRecord;

class ClimateEditWidget : public QWidget {
    Q_OBJECT
public:
    ClimateEditWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);
    ~ClimateEditWidget() override;

    /*! The layer table whose climate column the undo commands select; may stay unset. */
    void setLayerTable(QTableWidget *table);

    /*! Shows the climate of a side with the project's assessment type. */
    void init(bool warmSide);
    bool isWarmSide() const { return m_warmSide; }

    /*! Rebuilds the preset list for the side and the type when \a force is set or the type changed, and enables
        the value fields only for custom conditions. */
    void setAssessmentType(int type, bool force);
    /*! Shows the condensation period (true) or the drying period. */
    void setPeriod(bool condensation);
    /*! Shows the project's values of the side and period and selects the matching preset. */
    void updateFields();

    /*! Switches the handling of user edits on or off; returns the previous state. */
    bool setChangeHandling(bool on);

    /*! Width the caption column needs, and the width it should take (to align with other editors). */
    int captionWidth() const;
    void setCaptionWidth(int width);

public slots:
    void doubleEditingFinishedTemperature();
    void doubleEditingFinished();
    void comboBoxClimatePresetsCurrentIndexChanged(int index);
    void radioButtonPeriod_clicked();

private:
    bool condensationPeriod() const;
    /*! "warm side" or "cold side". */
    QString sideText() const;
    /*! The project's record of the side and shown period. */
    const ClimateRecord &record() const;
    void rebuildPresets();
    void pushClimate(int kind, const QString &text, QtExt::ValidatingLineEdit *field);
    bool editable() const;
    /*! True when \a field still shows the text it was filled with. */
    bool unchanged(const QLineEdit *field) const;

    Ui::ClimateEditWidget *m_ui;
    QPointer<Project> m_project;
    QUndoStack &m_undoStack;
    QPointer<QTableWidget> m_table;
    bool m_warmSide = true;
    /*! Type the preset list was built for; -1 before the first build. */
    int m_assessmentType = -1;
    bool m_changeHandling = true;
    /*! Text each field got when it was filled: finishing an edit that left it unchanged does nothing. */
    QHash<const QLineEdit *, QString> m_shownText;
};

#endif // ClimateEditWidgetH
