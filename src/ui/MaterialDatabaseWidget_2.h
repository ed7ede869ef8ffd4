#ifndef MaterialDatabaseWidget_2H
#define MaterialDatabaseWidget_2H

// The "Materials" page of the material and construction database dialog: the filterable material table with
// the commands that maintain the user materials (add, copy, edit, remove, import). Every change is written to
// the user database at once.

#include <QWidget>

class Material;
class MaterialList;

namespace QtExt {
class MaterialDatabaseSelectionWidget;
}

namespace Ui {
class MaterialDatabaseWidget_2;
}

class MaterialDatabaseWidget_2 : public QWidget {
    Q_OBJECT
public:
    explicit MaterialDatabaseWidget_2(MaterialList &materials, QWidget *parent = nullptr);
    ~MaterialDatabaseWidget_2() override;

    /*! The selected material, nullptr when none. */
    const Material *selectedMaterial() const;
    /*! Rebuilds the table from the material database, keeping the selection. */
    void updateMaterials();
    void selectMaterial(int materialId);
    QtExt::MaterialDatabaseSelectionWidget *selectionWidget() const;

    /*! Adds the materials of a "txt" or "cmat" file to the user materials and tells the user the outcome. */
    void importFile(const QString &fileName);

signals:
    void materialSelected(int materialId);
    void doubleClicked(int materialId);

public slots:
    void on_actionAddMaterial_triggered();
    void on_actionCopyMaterial_triggered();
    void on_actionEditMaterial_triggered();
    void on_actionRemoveMaterial_triggered();
    void on_toolButtonImport_clicked();

private slots:
    void onMaterialSelected(int materialId);

private:
    /*! Edits \a material in the material edit dialog and adds it as a new user material on acceptance. */
    void addEdited(const Material &material);
    void saveUserDatabase();

    Ui::MaterialDatabaseWidget_2 *m_ui;
    MaterialList &m_materials;
};

#endif // MaterialDatabaseWidget_2H
