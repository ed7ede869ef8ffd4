#ifndef QtExt_MaterialDatabaseSelectionWidgetH
#define QtExt_MaterialDatabaseSelectionWidgetH

// The filterable table of materials of the material database browser: category and text filters over a
// sortable table, the name and remarks of the selected material, and column widths kept in the settings
// store under the owner's organisation, application and group.

#include "QtExt_MaterialTableModel.h"

#include <QItemSelection>
#include <QWidget>

namespace QtExt {

class MaterialTableProxyModel;

namespace Ui {
class MaterialDatabaseSelectionWidget;
}

class MaterialDatabaseSelectionWidget : public QWidget {
    Q_OBJECT
public:
    explicit MaterialDatabaseSelectionWidget(QWidget *parent = nullptr);
    ~MaterialDatabaseSelectionWidget() override;

    /*! Where the column widths are stored. */
    void setSettingsLocation(const QString &organization, const QString &application, const QString &group);
    /*! Entries of the category filter after "All": the category names in id order. */
    void setCategoryNames(const QStringList &names);
    /*! Replaces the materials; the selection is kept when its material is still there. */
    void setMaterials(MaterialTableModel::MaterialVector materials);
    /*! Offers add, edit and remove of user materials in the table's context menu. */
    void setEditable(bool editable) { m_editable = editable; }

    /*! Selects the material with the identifier (clearing the filters when they hide it). */
    void selectMaterial(int materialId);
    /*! The selected material, nullptr when none. */
    const MaterialBase *selectedMaterial() const;

    MaterialTableModel *model() const { return m_model; }
    MaterialTableProxyModel *proxyModel() const { return m_proxy; }

signals:
    void materialSelected(int materialId);
    void doubleClickMaterials(int materialId);
    void removeMaterial();
    void addMaterial();
    void changeMaterial();

public slots:
    void onMaterialSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void onMaterialDoubleClicked(const QModelIndex &index);
    void on_comboBoxCategories_currentIndexChanged(int index);
    void on_lineEditMaterialNameFilter_textChanged(const QString &arg1);
    void on_lineEditProducerFilter_textChanged(const QString &arg1);
    void on_lineEditSourceFilter_textChanged(const QString &arg1);
    void on_lineEditCommentFilter_textChanged(const QString &arg1);
    void columnSizeChanged(int logicalIndex, int oldSize, int newSize);
    void columnClicked(int logicalIndex);
    void updateColumnSizes();
    /*! True when column widths were stored before. */
    bool hasSettings() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void contextMenu(const QPoint &pos);

private:
    void showDetails(const MaterialBase *material);
    void readColumnWidths();
    void writeColumnWidths() const;
    QString settingsKey(int column) const;

    Ui::MaterialDatabaseSelectionWidget *m_ui;
    MaterialTableModel *m_model;
    MaterialTableProxyModel *m_proxy;
    QString m_organization;
    QString m_application;
    QString m_group;
    bool m_editable = false;
    bool m_widthsChanged = false;
};

} // namespace QtExt

#endif // QtExt_MaterialDatabaseSelectionWidgetH
