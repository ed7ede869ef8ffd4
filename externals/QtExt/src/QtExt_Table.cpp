#include "QtExt_Table.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace QtExt {

Table::Table(QTextDocument *textDocument, int cols, int rows) : m_textDocument(textDocument) {
    setColumnsRows(cols, rows);
}

void Table::setColumnsRows(int cols, int rows) {
    m_cols = std::max(cols, 0);
    m_rows = std::max(rows, 0);
    m_cells = QVector<Cell>(m_cols * m_rows);
    m_colMinimumWidths = QVector<double>(m_cols, 0);
    m_layoutValid = false;
}

Table::Cell &Table::cell(int col, int row) {
    checkIndex(col, row);
    return m_cells[row * m_cols + col];
}

const Table::Cell &Table::cell(int col, int row) const {
    checkIndex(col, row);
    return m_cells[row * m_cols + col];
}

void Table::checkIndex(int col, int row) const {
    Q_ASSERT_X(col < m_cols, "Table", "col < m_cols");
    Q_ASSERT_X(row < m_rows, "Table", "row < m_rows");
    Q_UNUSED(col);
    Q_UNUSED(row);
}

void Table::setCellText(int col, int row, const QString &text) {
    cell(col, row).text = text;
    m_layoutValid = false;
}

QString Table::cellText(int col, int row) const {
    return cell(col, row).text;
}

void Table::setCellAlignment(int col, int row, Qt::Alignment alignment) {
    cell(col, row).alignment = alignment;
    m_layoutValid = false;
}

void Table::setCellOnBorder(int col, int row, Qt::Edge edge) {
    cell(col, row).borderEdge = edge;
    m_layoutValid = false;
}

void Table::setCellJoined(int col, int row, int numCols, int numRows) {
    Q_ASSERT_X(numCols > 1 || numRows > 1, "Table::setCellJoined", "numCols > 1 || numRows > 1");
    checkIndex(col + numCols - 1, row + numRows - 1);
    for (int r = row; r < row + numRows; ++r)
        for (int c = col; c < col + numCols; ++c)
            cell(c, r).covered = true;
    Cell &joined = cell(col, row);
    joined.covered = false;
    joined.colSpan = numCols;
    joined.rowSpan = numRows;
    m_layoutValid = false;
}

void Table::setColumnMinimumWidth(int col, double width) {
    Q_ASSERT_X(col < m_cols, "Table::setColumnMinimumWidth", "col < m_cols");
    m_colMinimumWidths[col] = width;
    m_layoutValid = false;
}

void Table::setTableWidth(double width) {
    Q_ASSERT_X(width > 0, "Table::setTableWidth", "tablewidth > 0");
    if (width != m_tableWidth)
        m_layoutValid = false;
    m_tableWidth = width;
}

QRectF Table::frameRect(QPaintDevice *device, double width) {
    if (device)
        m_textDocument->documentLayout()->setPaintDevice(device);
    setTableWidth(width);
    m_layoutValid = false;
    layout();
    const double height = m_rowY.isEmpty() ? 2 * m_outerBorder : m_rowY.last() + m_rowHeights.last() + m_outerBorder;
    return QRectF(0, 0, m_tableWidth, m_rows == 0 ? 0 : height);
}

QRectF Table::cellRect(int col, int row) const {
    const Cell &c = cell(col, row);
    if (!m_layoutValid)
        return QRectF();
    return QRectF(m_colX[col], m_rowY[row], spannedWidth(col, c.colSpan), spannedHeight(row, c.rowSpan));
}

double Table::rowTop(int row) const {
    if (row >= m_rows)
        return m_rowY.isEmpty() ? 0 : m_rowY.last() + m_rowHeights.last() + m_outerBorder;
    return m_rowY.value(row);
}

QVector<Table::Break> Table::breaks(int firstRow) const {
    QVector<Break> result;
    if (!m_layoutValid)
        return result;
    for (int row = std::max(firstRow, 1); row + 1 < m_rows; ++row) {
        bool crossed = false;
        Break b;
        b.end = b.resume = m_rowY[row] - m_innerBorder / 2;
        for (int col = 0; col < m_cols; ++col) {
            // a joined cell reaching over the line from above forbids the break
            for (int r = 0; r < row && !crossed; ++r) {
                const Cell &c = cell(col, r);
                crossed = !c.covered && c.rowSpan > 1 && r + c.rowSpan > row;
            }
            const Cell &below = cell(col, row);
            const Cell &above = cell(col, row - 1);
            const bool onLine = (!below.covered && below.borderEdge == Qt::TopEdge && !below.text.isEmpty()) ||
                                (!above.covered && above.borderEdge == Qt::BottomEdge && !above.text.isEmpty());
            if (onLine) {
                const double half = std::max(below.contentHeight, above.contentHeight) / 2;
                b.end = std::max(b.end, m_rowY[row] + half);
                b.resume = std::min(b.resume, m_rowY[row] - half);
            }
        }
        if (!crossed)
            result.push_back(b);
    }
    return result;
}

void Table::draw(QPainter *painter, const QPointF &topLeft) {
    draw(painter, topLeft, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
}

void Table::draw(QPainter *painter, const QPointF &topLeft, double fromY, double toY) {
    Q_ASSERT_X(painter != NULL, "Table::draw", "painter != NULL");
    Q_ASSERT_X(painter->device() != NULL, "Table::draw", "device != NULL");
    if (!m_layoutValid) {
        m_textDocument->documentLayout()->setPaintDevice(painter->device());
        layout();
    }
    painter->save();
    painter->translate(topLeft);
    // half a pixel of tolerance against the rounding of the band limits
    const double tolerance = 0.5;
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < m_cols; ++col) {
            const Cell &c = cell(col, row);
            if (c.covered || c.text.isEmpty())
                continue;
            const QRectF rect = cellRect(col, row);
            const double top = textTop(c, rect);
            if (top >= fromY - tolerance && top + c.contentHeight <= toY + tolerance)
                drawCell(painter, c, rect);
        }
    drawBorders(painter, fromY - tolerance, toY + tolerance);
    painter->restore();
}

void Table::layout() {
    Q_ASSERT_X(m_tableWidth > 0, "Table::layout", "tablewidth > 0");
    layoutColumns();
    layoutRows();
    m_layoutValid = true;
}

// Column widths: every column gets at least the width of its widest word and, as far as the table width
// allows, that of its longest line (see fillLevel); spare width goes to the columns in proportion to their
// longest lines. Joined cells widen the columns they cover, in proportion to their widths, when they need more.
void Table::layoutColumns() {
    const double padding = 2 * m_spacing;
    QVector<double> minWidth(m_cols, padding), maxWidth(m_cols, padding);
    for (int col = 0; col < m_cols; ++col) {
        minWidth[col] = std::max(padding, m_colMinimumWidths[col]);
        maxWidth[col] = minWidth[col];
    }
    for (int pass = 0; pass < 2; ++pass)
        for (int row = 0; row < m_rows; ++row)
            for (int col = 0; col < m_cols; ++col) {
                const Cell &c = cell(col, row);
                if (c.covered || c.text.isEmpty() || (pass == 0) != (c.colSpan == 1))
                    continue;
                const double inner = (c.colSpan - 1) * m_innerBorder;
                const double needMin = minimumTextWidth(c.text) + padding - inner;
                const double needMax = c.colSpan > 1 && !m_joinedCellsWiden
                                           ? needMin
                                           : std::ceil(textSize(c.text, -1).width()) + padding - inner;
                const double haveMin = std::accumulate(minWidth.begin() + col, minWidth.begin() + col + c.colSpan, 0.0);
                const double haveMax = std::accumulate(maxWidth.begin() + col, maxWidth.begin() + col + c.colSpan, 0.0);
                const double extraMin = std::max(0.0, needMin - haveMin);
                const double extraMax = std::max(0.0, needMax - haveMax);
                for (int k = col; k < col + c.colSpan; ++k) {
                    // Wider columns take the larger part, so that a joined caption does not widen a column of
                    // numbers.
                    const double share = haveMax > 0 ? maxWidth[k] / haveMax : 1.0 / c.colSpan;
                    minWidth[k] += extraMin * share;
                    maxWidth[k] = std::max(maxWidth[k] + extraMax * share, minWidth[k]);
                }
            }
    const double available = m_tableWidth - 2 * m_outerBorder - std::max(0, m_cols - 1) * m_innerBorder;
    const double sumMin = std::accumulate(minWidth.begin(), minWidth.end(), 0.0);
    const double sumMax = std::accumulate(maxWidth.begin(), maxWidth.end(), 0.0);
    const double level = sumMin <= available && available < sumMax ? fillLevel(minWidth, maxWidth, available) : 0;
    m_colWidths = QVector<double>(m_cols);
    for (int col = 0; col < m_cols; ++col) {
        if (sumMax <= 0)
            m_colWidths[col] = available / m_cols;
        else if (sumMax <= available)
            m_colWidths[col] = maxWidth[col] + (available - sumMax) * maxWidth[col] / sumMax;
        else if (sumMin <= available)
            m_colWidths[col] = std::clamp(level, minWidth[col], maxWidth[col]);
        else
            m_colWidths[col] = minWidth[col] * available / sumMin;
    }
    m_colX = QVector<double>(m_cols);
    double x = m_outerBorder;
    for (int col = 0; col < m_cols; ++col) {
        m_colX[col] = x;
        x += m_colWidths[col] + m_innerBorder;
    }
}

// A cell on a border line needs half its height on each side of the line, in its own column; the other rows
// need the height of their content. Joined rows grow evenly when a joined cell needs more.
void Table::layoutRows() {
    const double padding = 2 * m_spacing;
    QVector<double> own(m_rows * m_cols, 0), above(m_rows * m_cols, 0), below(m_rows * m_cols, 0);
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < m_cols; ++col) {
            Cell &c = cell(col, row);
            if (c.covered)
                continue;
            c.contentHeight = c.text.isEmpty() ? 0 : textSize(c.text, spannedWidth(col, c.colSpan) - padding).height();
            const double half = (c.contentHeight + padding) / 2;
            for (int k = col; k < col + c.colSpan; ++k) {
                if (c.borderEdge == Qt::TopEdge) {
                    above[row * m_cols + k] = std::max(above[row * m_cols + k], half);
                    if (row > 0)
                        below[(row - 1) * m_cols + k] = std::max(below[(row - 1) * m_cols + k], half);
                }
                else if (c.borderEdge == Qt::BottomEdge) {
                    below[row * m_cols + k] = std::max(below[row * m_cols + k], half);
                    if (row + 1 < m_rows)
                        above[(row + 1) * m_cols + k] = std::max(above[(row + 1) * m_cols + k], half);
                }
                else if (c.rowSpan == 1 && !c.text.isEmpty())
                    own[row * m_cols + k] = std::max(own[row * m_cols + k], c.contentHeight + padding);
            }
        }
    m_rowHeights = QVector<double>(m_rows, 0);
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < m_cols; ++col) {
            const int i = row * m_cols + col;
            m_rowHeights[row] = std::max(m_rowHeights[row], above[i] + own[i] + below[i]);
        }
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < m_cols; ++col) {
            const Cell &c = cell(col, row);
            if (c.covered || c.rowSpan == 1 || c.borderEdge != 0)
                continue;
            const double missing = c.contentHeight + padding - spannedHeight(row, c.rowSpan);
            for (int k = row; missing > 0 && k < row + c.rowSpan; ++k)
                m_rowHeights[k] += missing / c.rowSpan;
        }
    m_rowY = QVector<double>(m_rows);
    double y = m_outerBorder;
    for (int row = 0; row < m_rows; ++row) {
        m_rowY[row] = y;
        y += m_rowHeights[row] + m_innerBorder;
    }
}

// Short columns get their whole line, the long ones share what is left equally: every column gets its width
// clamped to [min_i, max_i] around one common level L, with sum(clamp(L, min_i, max_i)) = available.
double Table::fillLevel(const QVector<double> &minWidth, const QVector<double> &maxWidth, double available) {
    const auto total = [&](double level) {
        double sum = 0;
        for (int col = 0; col < minWidth.size(); ++col)
            sum += std::clamp(level, minWidth[col], maxWidth[col]);
        return sum;
    };
    double low = 0;
    double high = *std::max_element(maxWidth.begin(), maxWidth.end());
    for (int i = 0; i < 60 && high - low > 0.01; ++i) {
        const double level = (low + high) / 2;
        (total(level) < available ? low : high) = level;
    }
    return low;
}

double Table::spannedWidth(int col, int span) const {
    return std::accumulate(m_colWidths.begin() + col, m_colWidths.begin() + col + span, 0.0) +
           (span - 1) * m_innerBorder;
}

double Table::spannedHeight(int row, int span) const {
    double height = (span - 1) * m_innerBorder;
    for (int k = row; k < row + span; ++k)
        height += m_rowHeights.value(k);
    return height;
}

QSizeF Table::textSize(const QString &text, double width) const {
    m_textDocument->setHtml(text);
    m_textDocument->setTextWidth(width);
    return QSizeF(m_textDocument->idealWidth(), m_textDocument->size().height());
}

double Table::minimumTextWidth(const QString &text) const {
    // Wrapped at every opportunity, the widest line is the widest word.
    m_textDocument->setHtml(text);
    m_textDocument->setTextWidth(0);
    return std::ceil(m_textDocument->idealWidth());
}

double Table::textTop(const Cell &c, const QRectF &rect) const {
    const QRectF inner = rect.adjusted(m_spacing, m_spacing, -m_spacing, -m_spacing);
    if (c.borderEdge == Qt::TopEdge)
        return rect.top() - c.contentHeight / 2;
    if (c.borderEdge == Qt::BottomEdge)
        return rect.bottom() - c.contentHeight / 2;
    if (c.alignment & Qt::AlignBottom)
        return inner.bottom() - c.contentHeight;
    if (c.alignment & Qt::AlignVCenter)
        return inner.top() + (inner.height() - c.contentHeight) / 2;
    return inner.top();
}

QTextOption Table::loadCell(const Cell &c, double width) const {
    QTextOption option = m_textDocument->defaultTextOption();
    const QTextOption previousOption = option;
    option.setAlignment(c.alignment & Qt::AlignHorizontal_Mask);
    m_textDocument->setDefaultTextOption(option);
    m_textDocument->setHtml(c.text);
    m_textDocument->setTextWidth(width - 2 * m_spacing);
    return previousOption;
}

void Table::drawCell(QPainter *painter, const Cell &c, const QRectF &rect) const {
    const QRectF inner = rect.adjusted(m_spacing, m_spacing, -m_spacing, -m_spacing);
    const QTextOption previousOption = loadCell(c, rect.width());
    painter->save();
    painter->translate(inner.left(), textTop(c, rect));
    m_textDocument->drawContents(painter);
    painter->restore();
    m_textDocument->setDefaultTextOption(previousOption);
}

QString Table::anchorAt(const QPointF &pos) const {
    for (int row = 0; row < m_rows; ++row) {
        for (int col = 0; col < m_cols; ++col) {
            const Cell &c = cell(col, row);
            const QRectF rect = cellRect(col, row);
            if (c.covered || !rect.contains(pos))
                continue;
            const QTextOption previousOption = loadCell(c, rect.width());
            const QPointF textTopLeft(rect.left() + m_spacing, textTop(c, rect));
            const QString anchor = m_textDocument->documentLayout()->anchorAt(pos - textTopLeft);
            m_textDocument->setDefaultTextOption(previousOption);
            return anchor;
        }
    }
    return QString();
}

void Table::drawBorders(QPainter *painter, double fromY, double toY) const {
    painter->setBrush(Qt::NoBrush);
    if (m_innerBorder > 0) {
        painter->setPen(QPen(Qt::black, m_innerBorder));
        for (int row = 0; row < m_rows; ++row)
            for (int col = 0; col < m_cols; ++col) {
                const QRectF rect = cellRect(col, row);
                if (!cell(col, row).covered && rect.top() >= fromY && rect.bottom() <= toY)
                    painter->drawRect(
                        rect.adjusted(-m_innerBorder / 2, -m_innerBorder / 2, m_innerBorder / 2, m_innerBorder / 2));
            }
    }
    if (m_outerBorder > 0 && m_rows > 0) {
        // a part of a split table gets its own frame around the rows it shows
        painter->setPen(QPen(Qt::black, m_outerBorder));
        const double top = std::max(fromY, 0.0) + m_outerBorder / 2;
        const double bottom = std::min(toY, rowTop(m_rows)) - m_outerBorder / 2;
        if (bottom > top)
            painter->drawRect(QRectF(m_outerBorder / 2, top, m_tableWidth - m_outerBorder, bottom - top));
    }
}

} // namespace QtExt
