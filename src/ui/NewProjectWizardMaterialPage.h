#ifndef NewProjectWizardMaterialPageH
#define NewProjectWizardMaterialPageH

// Second page of the new project wizard: a template project, or the material or construction the new
// construction starts with. Complete as soon as one of them is chosen.

#include <QWizardPage>

class ConstructionList;
class MaterialConstructionTabWidget;
class MaterialList;
class QComboBox;

class NewProjectWizardMaterialPage : public QWizardPage {
    Q_OBJECT
public:
    NewProjectWizardMaterialPage(MaterialList &materials, ConstructionList &constructions,
                                 const QStringList &templateFiles, QWidget *parent = nullptr);

    bool isComplete() const override;
    /*! The chosen template file; empty when the construction starts from a material or construction. */
    QString templateFile() const;
    MaterialConstructionTabWidget *tabWidget() const { return m_tabs; }

private slots:
    void templateChosen(int index);
    void doubleClicked();

private:
    void showMoreMaterials();

    QComboBox *m_templates;
    MaterialConstructionTabWidget *m_tabs;
};

#endif // NewProjectWizardMaterialPageH
