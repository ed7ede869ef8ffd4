#ifndef MaterialEditDialogH
#define MaterialEditDialogH

// Modal dialog in which the material database browser creates, copies and edits user materials. OK is
// enabled only while every field is valid and the material built from them passes the material check.

#include <model/Material.h>

#include <QDialog>

namespace Ui {
class MaterialEditDialog;
}

class MaterialEditDialog : public QDialog {
    Q_OBJECT
public:
    /*! Type combo entries; only a foil is given by an sd-value. */
    enum Type { StandardType = 0, WoodType = 1, WoodBasedType = 2, FoilType = 3 };

    explicit MaterialEditDialog(const Material &material, QWidget *parent = nullptr);
    ~MaterialEditDialog() override;

    /*! The edited material (identity, dates and air flag kept from the material given). */
    Material material() const;

signals:
    /*! The user asked for the help on material properties. */
    void helpRequested();

public slots:
    void init();
    void on_pushButtonColor_clicked();
    void on_pushButton_InfoMatProps_clicked();
    void checkMaterial(const QString &text);
    void checkMaterial();
    void onActionHelp_triggered();
    void doubleEditingFinished();
    void setSdVisible(bool hasSd);
    void on_comboBoxType_currentIndexChanged(int index);

private:
    void showColor();
    bool fieldsValid();

    Ui::MaterialEditDialog *m_ui;
    Material m_material;
    QColor m_color;
};

#endif // MaterialEditDialogH
