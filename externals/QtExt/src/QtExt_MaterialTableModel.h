#ifndef QtExt_MaterialTableModelH
#define QtExt_MaterialTableModelH

// Table of materials for the material database browser: one row per material, one column per parameter kind.
// The owner chooses which kinds are shown and in which order. The display role gives the formatted value, the
// user role the raw value (identifier, flags, text or number) for sorting and selection.

#include "QtExt_MaterialBase.h"

#include <QAbstractTableModel>
#include <QVector>

#include <memory>
#include <vector>

namespace QtExt {

class MaterialTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Kind = MaterialBase::ParameterKind;
    using MaterialVector = std::vector<std::unique_ptr<MaterialBase>>;

    /*! Role under which every cell gives whether its material is a user material. */
    static const int UserDefinedRole = Qt::UserRole + 1;
    /*! Role under which the parameter-view column gives the material colour (painted by the delegate). */
    static const int ColorRole = Qt::UserRole + 2;

    explicit MaterialTableModel(QObject *parent = nullptr);

    /*! Replaces all rows. */
    void setMaterials(MaterialVector materials);
    /*! Replaces the columns by the kinds given, in that order. */
    void setColumns(const QVector<Kind> &columns);
    const QVector<Kind> &columns() const { return m_columns; }
    /*! Column showing \a kind, -1 when it is not shown. */
    int columnOf(Kind kind) const { return m_columns.indexOf(kind); }

    /*! Material of a row, nullptr when out of range. */
    const MaterialBase *material(int row) const;
    /*! Row of the material with the identifier, -1 when there is none. */
    int rowOfMaterialId(int materialId) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /*! Settings key of the kind's column width, e.g. "MaterialName". */
    static QString columnKey(Kind kind);
    static QString headerText(Kind kind);
    /*! Columns shown until the owner chooses others. */
    static QVector<Kind> defaultColumns();

private:
    QVariant displayValue(const MaterialBase &material, Kind kind) const;
    QVariant rawValue(const MaterialBase &material, Kind kind) const;

    MaterialVector m_materials;
    QVector<Kind> m_columns;
};

} // namespace QtExt

#endif // QtExt_MaterialTableModelH
