#ifndef QtExt_MaterialDBItemDelegateH
#define QtExt_MaterialDBItemDelegateH

// Paints the cells of the material table: the parameter-view column as a swatch of the material colour, and
// the rows of user materials on a tinted background so that they stand out from the system materials.

#include <QStyledItemDelegate>

namespace QtExt {

class MaterialDBItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /*! Background of the rows of user materials. */
    static const QColor UserMaterialColor;

    explicit MaterialDBItemDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace QtExt

#endif // QtExt_MaterialDBItemDelegateH
