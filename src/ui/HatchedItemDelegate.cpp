#include "HatchedItemDelegate.h"

#include "ConstructionTableWidget.h"

#include <QPainter>

HatchedItemDelegate::HatchedItemDelegate(ConstructionTableWidget *table) : QStyledItemDelegate(table), m_table(table) {}

void HatchedItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const QVector<MaterialLayer> *layers = m_table->shownLayers();
    if (!layers)
        return;
    const int column = index.column();
    painter->save();
    painter->setPen(Qt::black);
    if (column == 0)
        paintClimate(painter, option, index, true);
    else if (column - 1 < layers->size())
        paintLayer(painter, option, index, column - 1);
    else if (column == m_table->columnCount() - 1)
        paintClimate(painter, option, index, false);
    painter->restore();
}

HatchedItemDelegate::LabelPlacement HatchedItemDelegate::labelPlacement(int columnWidth, const QFontMetrics &metrics,
                                                                        const QString &text) {
    if (columnWidth > metrics.horizontalAdvance(text) + 4)
        return HorizontalLabel;
    if (columnWidth > metrics.height() + 4)
        return VerticalLabel;
    return NoLabel;
}

QColor HatchedItemDelegate::textColor(const QColor &layerColor) {
    return layerColor.value() < 200 ? QColor(Qt::white) : QColor(Qt::black);
}

void HatchedItemDelegate::paintClimate(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                                       bool warm) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QRect &r = option.rect;
    const int w = r.width() / 4;
    const int h = r.height() / 4;
    painter->fillRect(warm ? QRect(r.left(), r.top(), w, h) : QRect(r.left() + 3 * w, r.top(), w, h),
                      warm ? Qt::red : Qt::blue);
    drawVertical(painter, r, warm ? tr("warm") : tr("cold"), Qt::AlignLeft);
}

void HatchedItemDelegate::paintLayer(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                                     int layer) const {
    const MaterialLayer &l = (*m_table->shownLayers())[layer];
    const QRect &r = option.rect;
    painter->fillRect(r, l.color());
    painter->setPen(textColor(l.color()));
    if ((option.state & QStyle::State_Selected) && m_table->hasFocus()) {
        QStyledItemDelegate::paint(painter, option, index);
        painter->setPen(Qt::white);
    }
    const QFontMetrics metrics(option.font);
    painter->setFont(option.font);
    switch (labelPlacement(r.width(), metrics, l.name())) {
    case HorizontalLabel:
        painter->drawText(QRect(r.left() + 2, r.top() + 5, r.width() - 4, metrics.height()), Qt::AlignHCenter,
                          l.name());
        break;
    case VerticalLabel:
        // Hangs from 4 pixels below the top; a name longer than the cell is elided.
        drawVertical(painter, r.adjusted(2, 4, -2, 0), metrics.elidedText(l.name(), Qt::ElideRight, r.height() - 8),
                     Qt::AlignRight);
        break;
    case NoLabel: break;
    }
}

void HatchedItemDelegate::drawVertical(QPainter *painter, const QRect &rect, const QString &text,
                                       Qt::Alignment alignment) {
    painter->save();
    painter->translate(rect.left(), rect.bottom() + 1);
    painter->rotate(-90);
    painter->drawText(QRect(0, 0, rect.height(), rect.width()), alignment | Qt::AlignVCenter, text);
    painter->restore();
}
