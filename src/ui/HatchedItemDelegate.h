#ifndef HatchedItemDelegateH
#define HatchedItemDelegateH

// Paints the cells of the layer table: the climate columns with their red (warm) or blue (cold) marker and
// label, every layer column in the layer's colour with its material name, horizontal where it fits, else
// vertical, else none. Reads the layers from the table, so it always shows what the table shows.

#include <QStyledItemDelegate>

class ConstructionTableWidget;

class HatchedItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /*! How a material name fits into a layer column. */
    enum LabelPlacement { NoLabel, VerticalLabel, HorizontalLabel };

    explicit HatchedItemDelegate(ConstructionTableWidget *table);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    /*! Horizontal when the column is wider than the text + 4 pixels, vertical when it is wider than a text line
        + 4 pixels, else none. */
    static LabelPlacement labelPlacement(int columnWidth, const QFontMetrics &metrics, const QString &text);
    /*! Text colour on a layer colour: white when its HSV value is below 200, else black. */
    static QColor textColor(const QColor &layerColor);

private:
    void paintClimate(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index, bool warm) const;
    void paintLayer(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index, int layer) const;
    /*! Draws \a text rotated by -90 degrees in \a rect, starting at its bottom, with \a alignment across. */
    static void drawVertical(QPainter *painter, const QRect &rect, const QString &text, Qt::Alignment alignment);

    ConstructionTableWidget *m_table;
};

#endif // HatchedItemDelegateH
