#ifndef V2_UndoProjectCommandsH
#define V2_UndoProjectCommandsH

// Undo commands of project-wide settings: the heat flow direction (main window), the project information
// (project information dialog) and the final remarks of the report (print dialog). All are exchange commands.

#include "V2_UndoCommandBase.h"

#include <model/ProjectInformation.h>

#include <QActionGroup>
#include <QCoreApplication>

/*! Exchanges the heat flow direction and checks the matching action (whose data is the direction's number). */
class V2_UndoHeatFlowDirection : public V2_UndoExchange<V2_UndoCommandBase> {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoHeatFlowDirection)
public:
    V2_UndoHeatFlowDirection(Project &project, QActionGroup *actions, HeatFlowDirection direction);

protected:
    void exchange() override;

private:
    QPointer<QActionGroup> m_actions;
    HeatFlowDirection m_direction;
};

/*! Exchanges the whole project information record. A changed heat flow direction recalculates; any other change
    refreshes the views that show the project information. */
class V2_UndoChangeProjectInfo : public V2_UndoExchange<V2_UndoCommandBase> {
    Q_DECLARE_TR_FUNCTIONS(V2_UndoChangeProjectInfo)
public:
    V2_UndoChangeProjectInfo(Project &project, const ProjectInformation &information);

protected:
    void exchange() override;

private:
    ProjectInformation m_information;
};

/*! Exchanges the final remarks of the report. */
class UndoChangeDisclaimer : public V2_UndoExchange<V2_UndoCommandBase> {
    Q_DECLARE_TR_FUNCTIONS(UndoChangeDisclaimer)
public:
    UndoChangeDisclaimer(Project &project, const QString &disclaimer);

protected:
    void exchange() override;

private:
    QString m_disclaimer;
};

#endif // V2_UndoProjectCommandsH
