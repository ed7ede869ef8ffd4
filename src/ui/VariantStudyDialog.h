#ifndef VariantStudyDialogH
#define VariantStudyDialogH

// The variant study in the window: one quantity of the open project (a layer's thickness, sd-value, lambda,
// mu or A_w; the indoor temperature or humidity) varied over a range or a list, every value judged by the
// core's VariantStudy, shown as a table and the study chart, both refreshed as the values are typed and after
// every edit of the project. "Find limit" adds the refined limits to chart and table, "Apply value" sets a
// chosen row's value in the project as one undo command, and table and chart export as the command-line tool
// writes them. Owned by the main window, which hands in the project, the undo stack and the criteria options.

#include <calculation/VariantStudy.h>
#include <visualisation/StudyChart.h>

#include <QDialog>

#include <optional>
#include <vector>

class Project;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QUndoStack;
class ReportSettings;
class StudyChartView;

class VariantStudyDialog : public QDialog {
    Q_OBJECT
public:
    VariantStudyDialog(Project &project, QUndoStack *undoStack, const ReportSettings &criteria,
                       QWidget *parent = nullptr);

    /*! Layer (counted from 0) that the layer quantities vary, usually the layer table's current one. */
    void setLayer(int layerIndex);

    /*! The rows of the last calculation, limit rows included, in increasing value. */
    const std::vector<VariantStudy::Row> &rows() const { return m_rows; }
    const std::optional<VariantStudy::Limit> &limit() const { return m_limit; }
    const StudyChart::Content &chart() const;

public slots:
    /*! Runs the study for the values entered; with "Find limit" pressed, the limit too. */
    void calculate();
    /*! Applies the value of the table's current row to the project. */
    void applyValue();
    void exportCsv();
    void exportPlot();

private:
    void buildForm();
    VariantStudy::Quantity quantity() const;
    /*! Factor from the model's unit to the unit shown (widths in mm). */
    double displayFactor() const;
    /*! The values entered, in the model's units; empty with the reason in \a errorText. */
    std::vector<double> values(QString &errorText) const;
    void updateUnits();
    /*! Fills the range with half to twice the project's current value (indoor climate: a usual span). */
    void suggestRange();
    void fillTable();
    void showMessage(const QString &text);

    Project &m_project;
    QUndoStack *m_undoStack;
    const ReportSettings &m_criteria;

    QComboBox *m_quantity = nullptr;
    QSpinBox *m_layer = nullptr;
    QRadioButton *m_rangeMode = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QSpinBox *m_steps = nullptr;
    QLineEdit *m_list = nullptr;
    QLabel *m_unit = nullptr;
    QPushButton *m_findLimit = nullptr;
    QPushButton *m_apply = nullptr;
    QLabel *m_message = nullptr;
    StudyChartView *m_chart = nullptr;
    QTableWidget *m_table = nullptr;

    std::vector<VariantStudy::Row> m_rows;
    std::optional<VariantStudy::Limit> m_limit;
};

#endif // VariantStudyDialogH
