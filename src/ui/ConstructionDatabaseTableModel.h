#ifndef ConstructionDatabaseTableModelH
#define ConstructionDatabaseTableModelH

// The construction database as a table: one row per construction, its name and then one column per layer
// ("240mm Brick"), as many layer columns as the longest construction has. Follows the list's changes.

#include <QAbstractTableModel>

class Construction;
class ConstructionList;

class ConstructionDatabaseTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ConstructionDatabaseTableModel(ConstructionList &constructions, QObject *parent = nullptr);

    /*! The construction of a row, nullptr when out of range. */
    const Construction *construction(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private slots:
    void listChanged();

private:
    ConstructionList &m_constructions;
};

#endif // ConstructionDatabaseTableModelH
