#include "QtExt_MaterialDBItemDelegate.h"

#include "QtExt_MaterialTableModel.h"

#include <QPainter>

namespace QtExt {

const QColor MaterialDBItemDelegate::UserMaterialColor(0xe8, 0xf1, 0xff);

namespace {
const int SwatchMargin = 3;
}

MaterialDBItemDelegate::MaterialDBItemDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void MaterialDBItemDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(MaterialTableModel::UserDefinedRole).toBool() && !(option->state & QStyle::State_Selected))
        option->backgroundBrush = UserMaterialColor;
}

void MaterialDBItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant color = index.data(MaterialTableModel::ColorRole);
    if (color.userType() != QMetaType::QColor)
        return;
    const QRect swatch = option.rect.adjusted(SwatchMargin, SwatchMargin, -SwatchMargin, -SwatchMargin);
    painter->save();
    painter->setPen(Qt::black);
    painter->setBrush(color.value<QColor>());
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace QtExt
