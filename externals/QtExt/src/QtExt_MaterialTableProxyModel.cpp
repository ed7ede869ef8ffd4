#include "QtExt_MaterialTableProxyModel.h"

#include "QtExt_MaterialBase.h"
#include "QtExt_MaterialTableModel.h"

namespace QtExt {

namespace {

const int CategoryCount = 13;

bool anyFound(const QVector<QRegularExpression> &words, const QString &text) {
    for (const QRegularExpression &word : words) {
        if (word.match(text).hasMatch())
            return true;
    }
    return false;
}

bool anyFound(const QVector<QRegularExpression> &words, const QStringList &texts) {
    for (const QString &text : texts) {
        if (anyFound(words, text))
            return true;
    }
    return false;
}

} // namespace

MaterialTableProxyModel::MaterialTableProxyModel(QObject *parent) : QSortFilterProxyModel(parent) {
    setSortRole(Qt::UserRole);
}

QVector<QRegularExpression> MaterialTableProxyModel::patterns(const QString &text) {
    QVector<QRegularExpression> result;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // Unanchored: a word matches anywhere inside the field.
        QString pattern = QRegularExpression::escape(word);
        pattern.replace(QLatin1String("\\*"), QLatin1String(".*"));
        pattern.replace(QLatin1String("\\?"), QLatin1String("."));
        QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
        expression.optimize();
        result.append(expression);
    }
    return result;
}

void MaterialTableProxyModel::setCategory(int category) {
    m_category = category;
    filterChanged();
}

void MaterialTableProxyModel::setNameFilter(const QString &text) {
    m_name = patterns(text);
    filterChanged();
}

void MaterialTableProxyModel::setProducerFilter(const QString &text) {
    m_producer = patterns(text);
    filterChanged();
}

void MaterialTableProxyModel::setSourceFilter(const QString &text) {
    m_source = patterns(text);
    filterChanged();
}

void MaterialTableProxyModel::setCommentFilter(const QString &text) {
    m_comment = patterns(text);
    filterChanged();
}

void MaterialTableProxyModel::setFlagMask(int mask) {
    m_flagMask = mask;
    filterChanged();
}

void MaterialTableProxyModel::filterChanged() {
    // Emits the row changes the views need; no separate layout signal, which would lose their selection.
    invalidateFilter();
}

bool MaterialTableProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const {
    const auto *model = qobject_cast<const MaterialTableModel *>(sourceModel());
    const MaterialBase *material = model ? model->material(sourceRow) : nullptr;
    return material && accepts(*material);
}

bool MaterialTableProxyModel::accepts(const MaterialBase &material) const {
    if (m_category >= 0 && m_category < CategoryCount && material.categoryId() != m_category)
        return false;
    if (!m_name.isEmpty() &&
        !anyFound(m_name, QStringList{material.name(), material.productId()} + material.otherNames()))
        return false;
    if (!m_producer.isEmpty() && !anyFound(m_producer, material.producer()))
        return false;
    if (!m_source.isEmpty() && !anyFound(m_source, material.dataSource()))
        return false;
    if (!m_comment.isEmpty() && !anyFound(m_comment, material.notes()))
        return false;
    return m_flagMask <= 0 || (material.flags() & m_flagMask) == m_flagMask;
}

} // namespace QtExt
