#ifndef MaterialEditWidgetH
#define MaterialEditWidgetH

// Layer editor: width and colour of one layer and the hygrothermal parameters of its material. Page 0 of the
// main window's editor stack, and the editor of the construction editing dialog (on a project of its own).
// Every accepted edit becomes an undo command on the given stack, with the value converted from the field's
// unit to the model's; the fields show the project anew whenever it signals a change.

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace Ui {
class MaterialEditWidget;
}

enum class HeatFlowDirection;
class MaterialLayer;
class Project;
class QLineEdit;
class QTableWidget;
class QUndoStack;

class MaterialEditWidget : public QWidget {
    Q_OBJECT
public:
    MaterialEditWidget(Project &project, QUndoStack &undoStack, QWidget *parent = nullptr);
    ~MaterialEditWidget() override;

    /*! The layer table whose column the undo commands select; may stay unset. */
    void setLayerTable(QTableWidget *table);
    /*! Units of the width field (1 m, 10 dm, 100 cm, any other value mm) and of the water absorption field
        (per s^0.5 or per h^0.5). Takes effect with the next setLayer(). */
    void setDisplayUnits(int widthUnit, bool awInSeconds);

    /*! Shows layer \a index of the project; -1 or an index without layer shows nothing. */
    void setLayer(int index);
    int layerIndex() const { return m_layerIndex; }

public slots:
    void doubleEditingFinished();
    void on_lineEditMaterialName_editingFinished();
    void on_pushButtonColor_clicked();

private:
    /*! The shown layer, nullptr when there is none. */
    const MaterialLayer *layer() const;
    HeatFlowDirection heatFlowDirection() const;
    /*! Parameter kind of a field, -1 for none. */
    int kindOf(const QObject *field) const;
    void showValue(QLineEdit *field, double value);
    void showLayer(const MaterialLayer &layer);
    /*! The value of \a kind in the field's unit: effective conductivity and diffusion resistance factor, the
        width in the width unit, A_w per s^0.5 or per h^0.5. */
    double shownValue(const MaterialLayer &layer, int kind) const;
    /*! \a value of a field of \a kind in the model's unit: the width in m, A_w per s^0.5. */
    double modelValue(int kind, double value) const;
    void showUnits();
    void showColor(const QColor &color);
    QString undoText(int kind) const;

    Ui::MaterialEditWidget *m_ui;
    QPointer<Project> m_project;
    QUndoStack &m_undoStack;
    QPointer<QTableWidget> m_table;
    int m_widthUnit = 1000;
    bool m_awInSeconds = false;
    int m_layerIndex = -1;
    /*! Text each field got when the layer was shown: finishing an edit that left it unchanged does nothing. */
    QHash<const QLineEdit *, QString> m_shownText;
};

#endif // MaterialEditWidgetH
