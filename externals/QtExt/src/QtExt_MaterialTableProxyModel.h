#ifndef QtExt_MaterialTableProxyModelH
#define QtExt_MaterialTableProxyModelH

// Filter and sort stage between the material table model and its view. A row passes when it matches the
// category, every text filter and the flag mask. A text filter is split at blanks into words; each word is a
// case-insensitive wildcard pattern ("*", "?") and the filter matches when any word is found in the field.

#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QVector>

namespace QtExt {

class MaterialBase;

class MaterialTableProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit MaterialTableProxyModel(QObject *parent = nullptr);

    /*! -1: all categories, else the category number the material must have. */
    void setCategory(int category);
    /*! Words searched in the name, the names in other languages and the product identifier. */
    void setNameFilter(const QString &text);
    void setProducerFilter(const QString &text);
    void setSourceFilter(const QString &text);
    void setCommentFilter(const QString &text);
    /*! 0: no condition, else every bit of the mask must be set in the material's flags. */
    void setFlagMask(int mask);

    int category() const { return m_category; }
    int flagMask() const { return m_flagMask; }

    /*! The words of a filter text as patterns; empty for a text of blanks only. */
    static QVector<QRegularExpression> patterns(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool accepts(const MaterialBase &material) const;
    void filterChanged();

    int m_category = -1;
    QVector<QRegularExpression> m_name;
    QVector<QRegularExpression> m_producer;
    QVector<QRegularExpression> m_source;
    QVector<QRegularExpression> m_comment;
    int m_flagMask = 0;
};

} // namespace QtExt

#endif // QtExt_MaterialTableProxyModelH
