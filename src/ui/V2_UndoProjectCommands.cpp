#include "V2_UndoProjectCommands.h"

#include <QAction>

#include <utility>

V2_UndoHeatFlowDirection::V2_UndoHeatFlowDirection(Project &project, QActionGroup *actions, HeatFlowDirection direction)
    : V2_UndoExchange(project, tr("Change heat flow direction to %1").arg(int(direction))), m_actions(actions),
      m_direction(direction) {}

void V2_UndoHeatFlowDirection::exchange() {
    applyChange(Project::ModificationType::AllModified, [&](Document &document) {
        HeatFlowDirection &direction = document.projectInformation().m_heatFlowDirection;
        if (direction == m_direction)
            return false;
        if (m_actions) {
            for (QAction *action : m_actions->actions())
                action->setChecked(action->data().toInt() == int(m_direction));
        }
        std::swap(direction, m_direction);
        return true;
    });
}

V2_UndoChangeProjectInfo::V2_UndoChangeProjectInfo(Project &project, const ProjectInformation &information)
    : V2_UndoExchange(project, tr("Undo change of project informations.")), m_information(information) {}

void V2_UndoChangeProjectInfo::exchange() {
    const Document *document = m_project.document();
    if (!document || document->projectInformation() == m_information)
        return;
    const bool directionChanged =
        document->projectInformation().m_heatFlowDirection != m_information.m_heatFlowDirection;
    applyChange(directionChanged ? Project::ModificationType::AllModified
                                 : Project::ModificationType::ProjectInfoModified,
                [&](Document &changed) {
                    std::swap(changed.projectInformation(), m_information);
                    return true;
                });
}

UndoChangeDisclaimer::UndoChangeDisclaimer(Project &project, const QString &disclaimer)
    : V2_UndoExchange(project, tr("Undo change final remarks.")), m_disclaimer(disclaimer) {}

void UndoChangeDisclaimer::exchange() {
    applyChange(Project::ModificationType::ProjectInfoModified, [&](Document &document) {
        QString &disclaimer = document.projectInformation().m_disclaimerText;
        if (disclaimer == m_disclaimer)
            return false;
        std::swap(disclaimer, m_disclaimer);
        return true;
    });
}
