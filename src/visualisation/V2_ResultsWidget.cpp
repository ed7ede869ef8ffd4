#include "V2_ResultsWidget.h"

#include <cmath>

#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/ResultSummary.h>
#include <calculation/ResultTexts.h>

#include <QtExt_Table.h>
#include <QtExt_TextFrame.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

namespace {

// Left margin of the painted area, pixels.
const int AreaLeft = 10;

QString number(double value, int decimals) {
    return QStringLiteral("%L1").arg(value, 0, 'f', decimals);
}

/*! One row of the summary: caption, value and unit; the verdict line across the table; in grey what stands
    instead of a value. */
void setSummaryRow(QtExt::Table &table, int tableRow, const ResultSummary::Row &row) {
    if (row.key == ResultSummary::Key::Verdict) {
        table.setCellText(0, tableRow, row.verdict);
        table.setCellJoined(0, tableRow, 3, 1);
        return;
    }
    table.setCellText(0, tableRow, row.label);
    table.setCellAlignment(1, tableRow, Qt::AlignRight | Qt::AlignVCenter);
    table.setCellAlignment(2, tableRow, Qt::AlignLeft | Qt::AlignVCenter);
    if (!row.verdict.isEmpty()) {
        table.setCellText(1, tableRow, QStringLiteral("<font color=\"#808080\">%1</font>").arg(row.verdict));
        table.setCellText(2, tableRow, QString());
        table.setCellJoined(1, tableRow, 2, 1);
        return;
    }
    table.setCellText(1, tableRow, number(row.value, row.decimals));
    table.setCellText(2, tableRow, row.unit);
}

} // namespace

V2_ResultsWidget::V2_ResultsWidget(QWidget *parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    // The content wraps, so its height follows the width; a scroll area around the panel uses this.
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMinimumHeight(300);
    // Links of the messages show a pointing hand.
    setMouseTracking(true);
}

void V2_ResultsWidget::setData(const InputData &input, const CalculationResults &results,
                               const std::vector<DINCriterion> &criteria) {
    m_input = input;
    m_results = results;
    m_criteria = criteria;
    updateGeometry();
    update();
}

void V2_ResultsWidget::prepareDocument(QTextDocument &textDocument) const {
    textDocument.setDefaultFont(QApplication::font());
    // Laid out with the metrics of the widget it is painted on, also when only measured.
    textDocument.documentLayout()->setPaintDevice(const_cast<V2_ResultsWidget *>(this));
}

bool V2_ResultsWidget::hasHeightForWidth() const {
    return true;
}

int V2_ResultsWidget::heightForWidth(int width) const {
    const int areaWidth = width - AreaLeft;
    if (areaWidth <= 0)
        return minimumHeight();
    QTextDocument textDocument;
    prepareDocument(textDocument);
    double height = 0;
    if (m_results.resultCode == ResultCode::InvalidInput) {
        QtExt::TextFrame frame(&textDocument);
        frame.setText(invalidInputText(m_results));
        height = frame.frameRect(nullptr, areaWidth).height();
    }
    else {
        height = createTable(&textDocument)->frameRect(nullptr, areaWidth).height();
    }
    return std::max(minimumHeight(), int(std::ceil(height)) + 1);
}

QString V2_ResultsWidget::verdictLine(const CalculationResults &results) {
    return ResultTexts::verdictHtml(results);
}

QString V2_ResultsWidget::invalidInputText(const CalculationResults &results) {
    QString text = QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(tr("Invalid input!"));
    for (const QString &message : results.messages)
        text += QStringLiteral("<br/>%1").arg(message);
    return text;
}

QStringList V2_ResultsWidget::notes(const InputData &input, const CalculationResults &results) {
    QStringList notes;
    if (CriteriaBasis(results).isGlaser())
        notes << CriteriaBasis(results).glaserReason();
    return notes + ResultTexts::plausibilityNotes(input.layers(), results, true);
}

std::unique_ptr<QtExt::Table> V2_ResultsWidget::createTable(QTextDocument *textDocument) const {
    const ResultSummary summary(m_input, m_results);
    const QStringList notes = V2_ResultsWidget::notes(m_input, m_results);
    // one more row: the heading above the U-values
    const int summaryRows = int(summary.rows().size()) + 1;
    const int criteriaRows = criteriaRowCount();
    auto table = std::make_unique<QtExt::Table>(textDocument, 3, summaryRows + criteriaRows + notes.size());
    table->setSpacing(2);
    // The verdict and the notes wrap below the captions instead of pulling the number columns wide.
    table->setJoinedCellsWidenColumns(false);
    int tableRow = 0;
    for (const ResultSummary::Row &row : summary.rows()) {
        if (row.key == ResultSummary::Key::TransmittanceDry) {
            table->setCellText(0, tableRow, tr("Thermal transmission coefficient of the construction"));
            table->setCellJoined(0, tableRow, 3, 1);
            ++tableRow;
        }
        setSummaryRow(*table, tableRow++, row);
    }
    setCriteriaRows(*table, summaryRows);
    for (int i = 0; i < notes.size(); ++i) {
        table->setCellText(0, summaryRows + criteriaRows + i, notes.at(i));
        table->setCellJoined(0, summaryRows + criteriaRows + i, 3, 1);
    }
    return table;
}

int V2_ResultsWidget::criteriaRowCount() const {
    if (m_criteria.empty())
        return 0;
    int rows = 1;
    for (const DINCriterion &criterion : m_criteria)
        rows += criterion.heading.isEmpty() ? 1 : 2;
    return rows;
}

void V2_ResultsWidget::setCriteriaRows(QtExt::Table &table, int row) const {
    if (m_criteria.empty())
        return;
    table.setCellText(0, row, QStringLiteral("<b>%1</b>").arg(tr("Requirements")));
    table.setCellJoined(0, row, 3, 1);
    ++row;
    for (const DINCriterion &criterion : m_criteria) {
        if (!criterion.heading.isEmpty()) {
            table.setCellText(0, row, criterion.heading);
            table.setCellJoined(0, row, 3, 1);
            ++row;
        }
        table.setCellText(0, row, criterion.caption);
        table.setCellText(1, row, DINCriteria::verdictHtml(criterion));
        table.setCellJoined(1, row, 2, 1);
        table.setCellAlignment(1, row, Qt::AlignLeft | Qt::AlignVCenter);
        ++row;
    }
}

void V2_ResultsWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    layOut(&painter, QPoint());
}

QString V2_ResultsWidget::anchorAt(const QPoint &pos) {
    return layOut(nullptr, pos);
}

void V2_ResultsWidget::mouseMoveEvent(QMouseEvent *event) {
    setCursor(anchorAt(event->pos()).isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}

void V2_ResultsWidget::mouseReleaseEvent(QMouseEvent *event) {
    const QString anchor = event->button() == Qt::LeftButton ? anchorAt(event->pos()) : QString();
    if (!anchor.isEmpty())
        emit linkClicked(QUrl(anchor));
    QWidget::mouseReleaseEvent(event);
}

QString V2_ResultsWidget::layOut(QPainter *painter, const QPoint &pos) {
    QTextDocument textDocument;
    prepareDocument(textDocument);
    const QRect area = rect().adjusted(AreaLeft, 0, 0, 0);
    if (area.width() <= 0)
        return QString();
    if (m_results.resultCode == ResultCode::InvalidInput) {
        QtExt::TextFrame frame(&textDocument);
        frame.setText(invalidInputText(m_results));
        if (!painter)
            return frame.anchorAt(pos - area.topLeft(), area.width());
        frame.draw(painter, area.topLeft(), area.width());
        return QString();
    }
    std::unique_ptr<QtExt::Table> table = createTable(&textDocument);
    table->frameRect(nullptr, area.width());
    if (!painter)
        return table->anchorAt(pos - area.topLeft());
    table->draw(painter, area.topLeft());
    return QString();
}
