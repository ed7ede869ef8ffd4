#include "QtExt_MaterialTableModel.h"

namespace QtExt {

MaterialTableModel::MaterialTableModel(QObject *parent) : QAbstractTableModel(parent), m_columns(defaultColumns()) {}

void MaterialTableModel::setMaterials(MaterialVector materials) {
    beginResetModel();
    m_materials = std::move(materials);
    endResetModel();
}

void MaterialTableModel::setColumns(const QVector<Kind> &columns) {
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

const MaterialBase *MaterialTableModel::material(int row) const {
    if (row < 0 || row >= int(m_materials.size()))
        return nullptr;
    return m_materials[size_t(row)].get();
}

int MaterialTableModel::rowOfMaterialId(int materialId) const {
    for (size_t row = 0; row < m_materials.size(); ++row) {
        if (m_materials[row]->materialId() == materialId)
            return int(row);
    }
    return -1;
}

int MaterialTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_materials.size());
}

int MaterialTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant MaterialTableModel::data(const QModelIndex &index, int role) const {
    const MaterialBase *m = material(index.row());
    if (!m || index.column() < 0 || index.column() >= m_columns.size())
        return QVariant();
    const Kind kind = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole: return displayValue(*m, kind);
    case Qt::UserRole: return rawValue(*m, kind);
    case UserDefinedRole: return m->isUserDefined();
    case ColorRole: return kind == MaterialBase::MC_PARAMETERVIEW ? QVariant(m->color()) : QVariant();
    case Qt::ToolTipRole: return kind == MaterialBase::MC_NAME ? QVariant(m->informationText()) : QVariant();
    case Qt::TextAlignmentRole:
        return kind >= MaterialBase::MC_RHO ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default: return QVariant();
    }
}

QVariant MaterialTableModel::displayValue(const MaterialBase &material, Kind kind) const {
    switch (kind) {
    case MaterialBase::MC_ID: return material.materialId();
    case MaterialBase::MC_PARAMETERVIEW: return QVariant();
    case MaterialBase::MC_NAME: return material.name();
    case MaterialBase::MC_CATEGORY: return material.category();
    case MaterialBase::MC_PRODUCTID: return material.productId();
    case MaterialBase::MC_PRODUCER: return material.producer();
    case MaterialBase::MC_SOURCE: return material.dataSource();
    default: return material.valueString(kind);
    }
}

QVariant MaterialTableModel::rawValue(const MaterialBase &material, Kind kind) const {
    switch (kind) {
    case MaterialBase::MC_ID: return material.materialId();
    case MaterialBase::MC_PARAMETERVIEW: return material.flags();
    case MaterialBase::MC_CATEGORY: return material.categoryId();
    case MaterialBase::MC_NAME:
    case MaterialBase::MC_PRODUCTID:
    case MaterialBase::MC_PRODUCER:
    case MaterialBase::MC_SOURCE: return displayValue(material, kind);
    default: return material.value(kind);
    }
}

QVariant MaterialTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return headerText(m_columns[section]);
    return QVariant();
}

QString MaterialTableModel::columnKey(Kind kind) {
    static const char *const keys[MaterialBase::NUM_MC] = {
        "MaterialID",        "MaterialParaView", "MaterialName",   "MaterialCategory",
        "MaterialProductID", "MaterialProducer", "MaterialSource", "MaterialRho",
        "MaterialCet",       "MaterialMew",      "MaterialLambda", "MaterialW80",
        "MaterialWSat",      "MaterialAw",       "MaterialSd",     "MaterialKair"};
    return kind >= 0 && kind < MaterialBase::NUM_MC ? QString::fromLatin1(keys[kind]) : QString();
}

QString MaterialTableModel::headerText(Kind kind) {
    switch (kind) {
    case MaterialBase::MC_NAME: return tr("Name");
    case MaterialBase::MC_CATEGORY: return tr("Category");
    case MaterialBase::MC_PRODUCTID: return tr("ProductName");
    case MaterialBase::MC_PRODUCER: return tr("Producer");
    case MaterialBase::MC_SOURCE: return tr("DataSource");
    case MaterialBase::MC_RHO: return tr("%1 [kg/m%2]").arg(QChar(0x03C1)).arg(QChar(0x00B3));
    case MaterialBase::MC_CET: return tr("cp [J/kgK]");
    case MaterialBase::MC_MEW: return tr("%1 [-]").arg(QChar(0x03BC));
    case MaterialBase::MC_LAMBDA: return tr("%1 [W/mK]").arg(QChar(0x03BB));
    // The materials hold moisture contents in m3/m3, so the columns say so.
    case MaterialBase::MC_W80: return tr("W80 [m%1/m%1]").arg(QChar(0x00B3));
    case MaterialBase::MC_WSAT: return tr("WSat [m%1/m%1]").arg(QChar(0x00B3));
    case MaterialBase::MC_AW: return tr("Aw\n[kg/m%1s%2]").arg(QChar(0x00B2)).arg(QChar(0x00BD));
    case MaterialBase::MC_SD: return tr("sd [m]");
    case MaterialBase::MC_KAIR: return tr("Kair [s/m]");
    default: return QString();
    }
}

QVector<MaterialTableModel::Kind> MaterialTableModel::defaultColumns() {
    return {MaterialBase::MC_ID,       MaterialBase::MC_PARAMETERVIEW, MaterialBase::MC_NAME, MaterialBase::MC_CATEGORY,
            MaterialBase::MC_PRODUCER, MaterialBase::MC_RHO,           MaterialBase::MC_MEW,  MaterialBase::MC_LAMBDA,
            MaterialBase::MC_W80,      MaterialBase::MC_WSAT,          MaterialBase::MC_AW,   MaterialBase::MC_SD,
            MaterialBase::MC_SOURCE};
}

} // namespace QtExt
