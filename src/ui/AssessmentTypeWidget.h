#ifndef AssessmentTypeWidgetH
#define AssessmentTypeWidgetH

// Assessment type editor: custom conditions or a DIN 4108-3 edition, and the lengths of the condensation and
// drying periods (editable for custom conditions only). Stacked over the climate editor on the climate and
// assessment page of the main window; changes the project only through undo commands on the given stack.

#include <model/AssessmentConditions.h>

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace Ui {
class AssessmentTypeWidget;
}

class ClimateEditWidget;
class QLineEdit;
class Project;
class QUndoStack;

class AssessmentTypeWidget : public QWidget {
    Q_OBJECT
public:
    AssessmentTypeWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);
    ~AssessmentTypeWidget() override;

    /*! The climate editor that is told the assessment type. */
    void setClimateEditWidget(ClimateEditWidget *editor) { m_climateEditor = editor; }

    /*! Shows the project's assessment type and periods and passes the type on to the climate editor. */
    void updateFromProject();

    /*! Switches the handling of user edits on or off; returns the previous state. */
    bool setChangeHandling(bool on);

    /*! Width the caption column needs, and the width it should take (to align with other editors). */
    int captionWidth() const;
    void setCaptionWidth(int width);

public slots:
    void doubleEditingFinished();
    void on_comboBoxAssessmentType_currentIndexChanged(int index);

private:
    bool editable() const;
    int shownType() const;
    void pushType(int type, const QString &text);

    Ui::AssessmentTypeWidget *m_ui;
    QPointer<Project> m_project;
    QUndoStack &m_undoStack;
    QPointer<ClimateEditWidget> m_climateEditor;
    bool m_changeHandling = true;
    /*! Conditions for which the user chose custom conditions while their values still match a standard type:
        the editors then offer the custom fields until the values change. */
    std::optional<AssessmentConditions> m_customChoice;
    /*! Text each field got when it was filled: finishing an edit that left it unchanged does nothing. */
    QHash<const QLineEdit *, QString> m_shownText;
};

#endif // AssessmentTypeWidgetH
