#ifndef MaterialPickDialogH
#define MaterialPickDialogH

// Chooses one material of the material database by name until the material database dialog is built:
// a filter field over the list of all system and user materials.

#include <QDialog>

class Material;
class MaterialList;
class QLineEdit;
class QListWidget;

class MaterialPickDialog : public QDialog {
    Q_OBJECT
public:
    MaterialPickDialog(const MaterialList &materials, QWidget *parent = nullptr);

    /*! The chosen material; nullptr when none is selected. */
    const Material *selectedMaterial() const;
    QListWidget *list() const { return m_list; }

private slots:
    void filterChanged(const QString &text);

private:
    const MaterialList &m_materials;
    QLineEdit *m_filter;
    QListWidget *m_list;
};

#endif // MaterialPickDialogH
