#include "V2_ResultsWidget.h"

#include <cmath>

#include <calculation/CriteriaBasis.h>
#include <calculation/DINCriteria.h>
#include <calculation/PhysicalProperties.h>
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

void V2_ResultsWidget::setData(const InputData &input, const CalculationResults &results) {
    m_input = input;
    m_results = results;
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
    if (m_results.resultCode == RC_InvalidInput) {
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
        notes << CriteriaBasis::glaserNote();
    return notes + ResultTexts::plausibilityNotes(input.layers(), results, true);
}

std::unique_ptr<QtExt::Table> V2_ResultsWidget::createTable(QTextDocument *textDocument) const {
    const CriteriaBasis basis(m_results);
    const QStringList notes = V2_ResultsWidget::notes(m_input, m_results);
    auto table = std::make_unique<QtExt::Table>(textDocument, 3, 8 + notes.size());
    table->setSpacing(2);
    double thickness = 0;
    for (const MaterialLayer &layer : m_input.layers())
        thickness += layer.width();
    const QString m2K = QStringLiteral("m<sup>2</sup>K/W");
    const QString uUnit = QStringLiteral("W/(m<sup>2</sup>K)");
    const struct {
        int row;
        QString caption, value, unit;
    } rows[] = {
        {0, tr("Construction thickness"), number(thickness, 3), QStringLiteral("m")},
        {1, tr("Thermal transfer resistance of the construction (dry)"), number(m_results.R_layers, 3), m2K},
        {3, tr("U-value (dry)"), number(m_results.U, 3), uUnit},
        {4, tr("U-value (moisture dependent)"), number(m_results.U_moist, 3), uUnit},
        {6, tr("Condensation mass after condensation period") + basis.labelSuffix(), number(basis.Mc, 3),
         QStringLiteral("kg/m<sup>2</sup>")},
        {7, tr("Drying time") + basis.labelSuffix(), number(daysFromSeconds(basis.dryingTime), 2), QStringLiteral("d")},
    };
    for (const auto &row : rows) {
        table->setCellText(0, row.row, row.caption);
        table->setCellText(1, row.row, row.value);
        table->setCellText(2, row.row, row.unit);
        table->setCellAlignment(1, row.row, Qt::AlignRight | Qt::AlignVCenter);
        table->setCellAlignment(2, row.row, Qt::AlignLeft | Qt::AlignVCenter);
    }
    table->setCellText(0, 2, tr("Thermal transmission coefficient of the construction"));
    table->setCellJoined(0, 2, 3, 1);
    table->setCellText(0, 5, verdictLine(m_results));
    table->setCellJoined(0, 5, 3, 1);
    if (basis.scope != CriteriaBasis::Scope::All) {
        // No figures to show: the verdict line above says why.
        for (int row : {6, 7}) {
            table->setCellText(1, row,
                               QStringLiteral("<font color=\"#808080\">%1</font>").arg(DINCriteria::notAssessedText()));
            table->setCellText(2, row, QString());
            table->setCellJoined(1, row, 2, 1);
        }
    }
    for (int i = 0; i < notes.size(); ++i) {
        table->setCellText(0, 8 + i, notes.at(i));
        table->setCellJoined(0, 8 + i, 3, 1);
    }
    return table;
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
    if (m_results.resultCode == RC_InvalidInput) {
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
