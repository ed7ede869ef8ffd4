#ifndef MaterialConstructionTabWidgetH
#define MaterialConstructionTabWidgetH

// The two pages of the material and construction database dialog, "Materials" and "Constructions", with
// their selection and double-click signals forwarded to the dialog.

#include <QTabWidget>

class ConstructionDatabaseWidget;
class ConstructionList;
class MaterialDatabaseWidget_2;
class MaterialList;

class MaterialConstructionTabWidget : public QTabWidget {
    Q_OBJECT
public:
    enum Tab { MaterialsTab = 0, ConstructionsTab = 1 };

    MaterialConstructionTabWidget(MaterialList &materials, ConstructionList &constructions, QWidget *parent = nullptr);

    /*! What the current tab offers: a material that can be calculated (thermal conductivity and diffusion
        resistance above 0), a construction with layers, or nothing. */
    enum Selection { MaterialSelected = 0, ConstructionSelected = 1, NothingSelected = 2 };
    Selection selection() const;

    MaterialDatabaseWidget_2 *materialsWidget() const { return m_materials; }
    ConstructionDatabaseWidget *constructionsWidget() const { return m_constructions; }

signals:
    void tabChanged(int index);
    void selectionChanged();
    void doubleClicked();

private:
    MaterialDatabaseWidget_2 *m_materials;
    ConstructionDatabaseWidget *m_constructions;
};

#endif // MaterialConstructionTabWidgetH
