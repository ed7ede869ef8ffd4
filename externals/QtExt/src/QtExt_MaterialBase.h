#ifndef QtExt_MaterialBaseH
#define QtExt_MaterialBaseH

// Abstract view of one material for the material table model, its proxy filter and the material selection
// widget. The application implements it for its own material record (MaterialTransfer), so the widgets know
// nothing about the model. Header-only and free of widgets, so the core library can implement it.

#include <QColor>
#include <QString>
#include <QStringList>

namespace QtExt {

class MaterialBase {
public:
    /*! Parameter kinds shown by the columns of the material table. */
    enum ParameterKind {
        MC_ID = 0,
        MC_PARAMETERVIEW = 1,
        MC_NAME = 2,
        MC_CATEGORY = 3,
        MC_PRODUCTID = 4,
        MC_PRODUCER = 5,
        MC_SOURCE = 6,
        MC_RHO = 7,
        MC_CET = 8,
        MC_MEW = 9,
        MC_LAMBDA = 10,
        MC_W80 = 11,
        MC_WSAT = 12,
        MC_AW = 13,
        MC_SD = 14,
        MC_KAIR = 15,
        NUM_MC = 16
    };

    /*! Flag bits for the proxy model's flag mask. */
    enum FlagBits { FlagWood = 0x1, FlagWoodbased = 0x2, FlagAir = 0x4, FlagFoil = 0x8 };

    virtual ~MaterialBase() = default;

    /*! Identifier of the material in its database. */
    virtual int materialId() const = 0;
    /*! Running index of the material in the list the table shows. */
    virtual int index() const = 0;
    /*! True for materials the user may edit or remove. */
    virtual bool isUserDefined() const = 0;

    virtual QString name() const = 0;
    /*! The material's names in the other languages of its catalogue; the name filter finds these too. */
    virtual QStringList otherNames() const { return QStringList(); }
    virtual int categoryId() const = 0;
    /*! Translated category name. */
    virtual QString category() const = 0;
    virtual QString productId() const = 0;
    virtual QString producer() const = 0;
    virtual QString dataSource() const = 0;
    virtual QString notes() const = 0;
    virtual QColor color() const = 0;
    /*! Combination of FlagBits. */
    virtual int flags() const = 0;

    /*! Raw numeric value of a parameter kind (for sorting); 0 when the material has none. */
    virtual double value(ParameterKind kind) const = 0;
    /*! Value of a parameter kind formatted for display; empty when the kind has no number. */
    virtual QString valueString(ParameterKind kind) const = 0;
    /*! Multi-line information text for tool tips and remarks. */
    virtual QString informationText() const = 0;
};

} // namespace QtExt

#endif // QtExt_MaterialBaseH
