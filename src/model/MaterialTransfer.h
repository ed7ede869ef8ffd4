#ifndef MaterialTransferH
#define MaterialTransferH

// Presents one material of the material database to the generic material table and selection widgets of
// QtExt: a copy of the material with its running index and whether it is a user material.

#include <QCoreApplication>

#include <QtExt_MaterialBase.h>

#include "Material.h"

class MaterialTransfer : public QtExt::MaterialBase {
    Q_DECLARE_TR_FUNCTIONS(MaterialTransfer)
public:
    MaterialTransfer(const Material &material, int index, bool userDefined)
        : m_material(material), m_index(index), m_userDefined(userDefined) {}

    const Material &material() const { return m_material; }

    int materialId() const override { return m_material.materialId(); }
    int index() const override { return m_index; }
    bool isUserDefined() const override { return m_userDefined; }
    QString name() const override { return m_material.name(); }
    QStringList otherNames() const override { return m_material.otherNames(); }
    int categoryId() const override { return m_material.category(); }
    QString category() const override { return Material::categoryName(m_material.category()); }
    QString productId() const override { return m_material.productName(); }
    QString producer() const override { return m_material.producer(); }
    QString dataSource() const override { return m_material.dataSource(); }
    QString notes() const override { return m_material.notes(); }
    QColor color() const override { return m_material.color(); }
    int flags() const override;

    double value(ParameterKind kind) const override;
    /*! Locale number format without group separators, precision by kind. */
    QString valueString(ParameterKind kind) const override;
    QString informationText() const override;

    /*! The display format of a value of the given kind; empty for kinds without a number. */
    static QString formatValue(ParameterKind kind, double value);

private:
    Material m_material;
    int m_index;
    bool m_userDefined;
};

#endif // MaterialTransferH
