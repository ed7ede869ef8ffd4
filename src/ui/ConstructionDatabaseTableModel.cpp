#include "ConstructionDatabaseTableModel.h"

#include <QLocale>

#include <model/ConstructionList.h>

ConstructionDatabaseTableModel::ConstructionDatabaseTableModel(ConstructionList &constructions, QObject *parent)
    : QAbstractTableModel(parent), m_constructions(constructions) {
    connect(&constructions, &ConstructionList::constructionAdded, this, &ConstructionDatabaseTableModel::listChanged);
    connect(&constructions, &ConstructionList::constructionRemoved, this, &ConstructionDatabaseTableModel::listChanged);
    connect(&constructions, &ConstructionList::constructionChanged, this, &ConstructionDatabaseTableModel::listChanged);
}

void ConstructionDatabaseTableModel::listChanged() {
    // The list has changed already; a reset makes the views ask for everything again.
    beginResetModel();
    endResetModel();
}

const Construction *ConstructionDatabaseTableModel::construction(int row) const {
    return row >= 0 && row < m_constructions.count() ? &m_constructions.at(row) : nullptr;
}

int ConstructionDatabaseTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_constructions.count();
}

int ConstructionDatabaseTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 1 + m_constructions.maxLayerCount();
}

QVariant ConstructionDatabaseTableModel::data(const QModelIndex &index, int role) const {
    const Construction *c = construction(index.row());
    if (!c || role != Qt::DisplayRole)
        return QVariant();
    if (index.column() == 0)
        return c->name();
    const int layer = index.column() - 1;
    if (layer >= c->layers().size())
        return QVariant();
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const MaterialLayer &l = c->layers()[layer];
    return tr("%1mm %2").arg(locale.toString(l.width() * 1000, 'g', 6), l.name());
}

QVariant ConstructionDatabaseTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Name");
    if (section == 1)
        return tr("Warm side\nLayer 1");
    if (section == columnCount() - 1)
        return tr("Cold side\nLayer %1").arg(section);
    return tr("\nLayer %1").arg(section);
}
