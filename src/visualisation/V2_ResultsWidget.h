#ifndef V2_ResultsWidgetH
#define V2_ResultsWidgetH

// The main window's compact summary of the current calculation: thickness, dry resistance, U-values, the
// coloured verdict line, condensate mass and drying time, then the rows of the DIN criteria with their
// verdicts as the report's conclusions print them; the input errors instead when the input is invalid.
// Keeps its own copies of the input data and the results and paints them with the report's table facility.

#include <calculation/CalculationResults.h>
#include <calculation/DINCriterion.h>
#include <model/InputData.h>

#include <QUrl>
#include <QWidget>

#include <memory>
#include <vector>

class QTextDocument;

namespace QtExt {
class Table;
}

class V2_ResultsWidget : public QWidget {
    Q_OBJECT
public:
    explicit V2_ResultsWidget(QWidget *parent = nullptr);

    /*! Copies the input data, the results and the criteria rows judged on them (DINCriteria::evaluate) and
        repaints. Called after every calculation. */
    void setData(const InputData &input, const CalculationResults &results,
                 const std::vector<DINCriterion> &criteria = {});

    /*! The verdict line of \a results as coloured rich text. */
    static QString verdictLine(const CalculationResults &results);
    /*! "Invalid input!" in red followed by one line per message of \a results. */
    static QString invalidInputText(const CalculationResults &results);
    /*! Notes below the table: the Glaser basis of the moisture criteria and the plausibility notes, with
        "layer-N" links. */
    static QStringList notes(const InputData &input, const CalculationResults &results);
    /*! The three-column summary table as painted, laid out on \a textDocument. */
    std::unique_ptr<QtExt::Table> createTable(QTextDocument *textDocument) const;
    /*! Target of the link painted at \a pos (a message naming a layer: "layer-N"); empty where there is none. */
    QString anchorAt(const QPoint &pos);

    bool hasHeightForWidth() const override;
    /*! Height of the laid-out content at \a width, at least the minimum height. */
    int heightForWidth(int width) const override;

signals:
    /*! A link of a message was clicked. */
    void linkClicked(const QUrl &url);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    /*! Default font and paint device shared by painting, hit tests and measuring. */
    void prepareDocument(QTextDocument &textDocument) const;
    /*! Lays the content out for the widget's width; paints it when \a painter is given, else returns the link
        target at \a pos. */
    QString layOut(QPainter *painter, const QPoint &pos);

    /*! The criteria rows from \a row on: a heading row where a row has one, then caption and verdict. */
    void setCriteriaRows(QtExt::Table &table, int row) const;
    int criteriaRowCount() const;

    InputData m_input;
    CalculationResults m_results;
    std::vector<DINCriterion> m_criteria;
};

#endif // V2_ResultsWidgetH
