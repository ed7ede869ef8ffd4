#include <QtTest>

#include <CoreEnums.h>

#include <ui/V2_UndoProjectCommands.h>

#include <QAction>
#include <QUndoStack>

#include <memory>

namespace {

MaterialLayer airLayer() {
    Material m("Air", Material::Miscellaneous, QString(), QString(), QString(), QString(), 1.2, 0.025, 1, 0, 0, 0, 2);
    m.setFlag(Material::Air, true);
    return MaterialLayer(m, 0.05);
}

MaterialLayer board() {
    return MaterialLayer(Material("Board", Material::BuildingBoards, QString(), QString(), QString(), QString(), 500,
                                  0.13, 50, 0.01, 0.5, 0, 1),
                         0.02);
}

} // namespace

// Exchange commands of project-wide settings on a local undo stack.
class tst_UndoProjectCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_project = std::make_unique<Project>();
        m_project->createNew();
        m_project->document()->inputData().layers() = {board(), airLayer(), board()};
        m_project->setModified(Project::ModificationType::AllModified);
        m_actions = std::make_unique<QActionGroup>(nullptr);
        for (int direction : {1, 2, 0}) {
            QAction *action = m_actions->addAction(QString::number(direction));
            action->setCheckable(true);
            action->setData(direction);
        }
    }

    void heatFlowDirectionRecalculatesAndChecksTheAction() {
        QSignalSpy spy(m_project.get(), &Project::modified);
        const CalculationResults horizontal = m_project->document()->calculation().results();
        QUndoStack stack;
        stack.push(new V2_UndoHeatFlowDirection(*m_project, m_actions.get(), HeatFlowDirection::Upwards));
        QCOMPARE(stack.text(0), QString(": Change heat flow direction to 0"));
        QCOMPARE(m_project->document()->projectInformation().m_heatFlowDirection, HeatFlowDirection::Upwards);
        QCOMPARE(m_actions->checkedAction()->data().toInt(), 0);
        QVERIFY(m_project->document()->calculation().results() != horizontal);
        stack.undo();
        QCOMPARE(m_project->document()->projectInformation().m_heatFlowDirection, HeatFlowDirection::Horizontal);
        QCOMPARE(m_actions->checkedAction()->data().toInt(), 2);
        QVERIFY(m_project->document()->calculation().results() == horizontal);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<Project::ModificationType>(), Project::ModificationType::AllModified);
    }

    void sameHeatFlowDirectionIsAnEntryThatChangesNothing() {
        QSignalSpy spy(m_project.get(), &Project::modified);
        QUndoStack stack;
        stack.push(new V2_UndoHeatFlowDirection(*m_project, m_actions.get(), HeatFlowDirection::Horizontal));
        stack.undo();
        stack.redo();
        QCOMPARE(stack.count(), 1);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_project->document()->projectInformation().m_heatFlowDirection, HeatFlowDirection::Horizontal);
    }

    void projectInformation_data() {
        QTest::addColumn<HeatFlowDirection>("direction");
        QTest::addColumn<QString>("company");
        QTest::addColumn<int>("signalCount");
        QTest::addColumn<Project::ModificationType>("modType");
        using Type = Project::ModificationType;
        const HeatFlowDirection horizontal = HeatFlowDirection::Horizontal;
        QTest::newRow("texts only") << horizontal << "Office" << 1 << Type::ProjectInfoModified;
        QTest::newRow("heat flow direction recalculates")
            << HeatFlowDirection::Downwards << "" << 1 << Type::AllModified;
        // no signal: the type is not looked at
        QTest::newRow("the same record changes nothing") << horizontal << "" << 0 << Type::AllModified;
    }

    void projectInformation() {
        QFETCH(HeatFlowDirection, direction);
        QFETCH(QString, company);
        QFETCH(int, signalCount);
        QFETCH(Project::ModificationType, modType);
        const ProjectInformation original = m_project->document()->projectInformation();
        ProjectInformation edited = original;
        edited.m_heatFlowDirection = direction;
        edited.m_company = company;
        QSignalSpy spy(m_project.get(), &Project::modified);
        QUndoStack stack;
        stack.push(new V2_UndoChangeProjectInfo(*m_project, edited));
        QCOMPARE(m_project->document()->projectInformation(), edited);
        stack.undo();
        QCOMPARE(m_project->document()->projectInformation(), original);
        QCOMPARE(spy.count(), 2 * signalCount);
        if (signalCount)
            QCOMPARE(spy.at(1).at(0).value<Project::ModificationType>(), modType);
    }

    void disclaimerIsExchanged() {
        QSignalSpy spy(m_project.get(), &Project::modified);
        QUndoStack stack;
        stack.push(new UndoChangeDisclaimer(*m_project, "<p>Remarks</p>"));
        const ProjectInformation &info = m_project->document()->projectInformation();
        QCOMPARE(info.m_disclaimerText, QString("<p>Remarks</p>"));
        stack.undo();
        QVERIFY(info.m_disclaimerText.isEmpty());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<Project::ModificationType>(), Project::ModificationType::ProjectInfoModified);
    }

private:
    std::unique_ptr<Project> m_project;
    std::unique_ptr<QActionGroup> m_actions;
};

QTEST_MAIN(tst_UndoProjectCommands)
#include "tst_UndoProjectCommands.moc"
