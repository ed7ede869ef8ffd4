#include "AssessmentClimateWidget.h"

#include "AssessmentTypeWidget.h"
#include "ClimateEditWidget.h"

#include <QVBoxLayout>

AssessmentClimateWidget::AssessmentClimateWidget(Project &project, QUndoStack &undoStack, QWidget *parent)
    : QWidget(parent), m_assessmentTypeWidget(new AssessmentTypeWidget(project, undoStack, this)),
      m_climateEditWidget(new ClimateEditWidget(project, undoStack, this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_assessmentTypeWidget);
    layout->addWidget(m_climateEditWidget);
    layout->addStretch(1);
    m_assessmentTypeWidget->setClimateEditWidget(m_climateEditWidget);

    const int captionWidth = qMax(m_assessmentTypeWidget->captionWidth(), m_climateEditWidget->captionWidth());
    m_assessmentTypeWidget->setCaptionWidth(captionWidth);
    m_climateEditWidget->setCaptionWidth(captionWidth);
}

void AssessmentClimateWidget::setLayerTable(QTableWidget *table) {
    m_climateEditWidget->setLayerTable(table);
}

void AssessmentClimateWidget::setSide(bool isWarmSide) {
    m_climateEditWidget->init(isWarmSide);
    m_assessmentTypeWidget->updateFromProject();
}
