#ifndef MaterialDatabaseDialogH
#define MaterialDatabaseDialogH

// The material and construction database dialog. In selection mode the layer commands of the main window
// ask it for a material or a construction; in editing mode the user maintains the databases. The main
// window keeps one, created on first use.

#include <QDialog>

#include <model/Construction.h>
#include <model/Material.h>

class ConstructionList;
class MaterialConstructionTabWidget;
class MaterialList;
class QDialogButtonBox;
class QPushButton;

class MaterialDatabaseDialog : public QDialog {
    Q_OBJECT
public:
    /*! Outcomes of select(). */
    enum Selection { MaterialChosen = 0, ConstructionChosen = 1, NothingChosen = 2 };

    MaterialDatabaseDialog(MaterialList &materials, ConstructionList &constructions, QWidget *parent = nullptr);

    /*! Runs modal with OK and Cancel; a double click chooses. A material that cannot be calculated (thermal
        conductivity or diffusion resistance not above 0) and a construction without layers count as nothing. */
    Selection select();
    /*! Runs modal with a close button only. */
    void edit();

    /*! The material chosen by the last select(). */
    const Material &material() const { return m_material; }
    /*! The construction chosen by the last select(). */
    const Construction &construction() const { return m_construction; }
    MaterialConstructionTabWidget *tabWidget() const { return m_tabs; }

signals:
    /*! The user asked for the help on material properties. */
    void helpRequested();

public slots:
    void on_actionHelp_triggered();
    void on_pushButtonInformation_clicked();
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();
    void doubleClick();

private:
    Selection chosen();

    MaterialConstructionTabWidget *m_tabs;
    QPushButton *m_information;
    QDialogButtonBox *m_buttons;
    bool m_selecting = false;
    Material m_material;
    Construction m_construction;
};

#endif // MaterialDatabaseDialogH
