#include "MaterialConstructionTabWidget.h"

#include <QVBoxLayout>

#include <model/Construction.h>
#include <model/Material.h>
#include <model/ProjectInformation.h>

#include "ConstructionDatabaseWidget.h"
#include "MaterialDatabaseWidget_2.h"

namespace {

/*! Width and heat flow direction at which a material's own values are checked. */
const double NoWidth = 0;
const HeatFlowDirection HorizontalHeatFlow = HeatFlowDirection::Horizontal;

/*! A tab page holding \a content without margins. */
QWidget *page(const QString &objectName, QWidget *content) {
    auto *tab = new QWidget;
    tab->setObjectName(objectName);
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(content);
    return tab;
}

} // namespace

MaterialConstructionTabWidget::MaterialConstructionTabWidget(MaterialList &materials, ConstructionList &constructions,
                                                             QWidget *parent)
    : QTabWidget(parent), m_materials(new MaterialDatabaseWidget_2(materials)),
      m_constructions(new ConstructionDatabaseWidget(constructions)) {
    addTab(page(QStringLiteral("tabMaterials"), m_materials), tr("Materials"));
    addTab(page(QStringLiteral("tabConstructions"), m_constructions), tr("Constructions"));
    connect(this, &QTabWidget::currentChanged, this, &MaterialConstructionTabWidget::tabChanged);
    connect(m_materials, &MaterialDatabaseWidget_2::materialSelected, this,
            &MaterialConstructionTabWidget::selectionChanged);
    connect(m_materials, &MaterialDatabaseWidget_2::doubleClicked, this, &MaterialConstructionTabWidget::doubleClicked);
    connect(m_constructions, &ConstructionDatabaseWidget::selectionChanged, this,
            &MaterialConstructionTabWidget::selectionChanged);
    connect(m_constructions, &ConstructionDatabaseWidget::doubleClicked, this,
            &MaterialConstructionTabWidget::doubleClicked);
}

MaterialConstructionTabWidget::Selection MaterialConstructionTabWidget::selection() const {
    if (currentIndex() == ConstructionsTab) {
        const Construction *construction = m_constructions->selectedConstruction();
        return construction && !construction->layers().isEmpty() ? ConstructionSelected : NothingSelected;
    }
    const Material *material = m_materials->selectedMaterial();
    if (!material || material->effectiveLambda(NoWidth, HorizontalHeatFlow) <= 0 || material->effectiveMu(NoWidth) <= 0)
        return NothingSelected;
    return MaterialSelected;
}
