#include <QtTest>

#include <CoreEnums.h>

#include <model/Project.h>

namespace {

MaterialLayer layer(double width, double lambda, double mu, bool air = false) {
    Material m("Layer", Material::BuildingBoards, QString(), QString(), QString(), QString(), 500, lambda, mu, 0.01,
               0.5, 0, 1);
    m.setFlag(Material::Air, air);
    return MaterialLayer(m, width);
}

/*! Wall with condensation in one plane, at interface 2, in the default climate. */
void fillCondensingWall(Document &document) {
    QVector<MaterialLayer> &layers = document.inputData().layers();
    layers = {layer(0.0125, 0.25, 8), layer(0.16, 0.04, 1), layer(0.015, 0.13, 200)};
}

} // namespace

class tst_Project : public QObject {
    Q_OBJECT
private slots:
    void createNewAndClose() {
        Project project;
        QVERIFY(!project.hasDocument());
        QVERIFY(project.document() == nullptr);
        project.setFileName("/tmp/old.v2p");
        ProjectInformation defaults;
        defaults.m_company = "Planning office";
        defaults.m_heatFlowDirection = HeatFlowDirection::Upwards;
        project.createNew(defaults);
        QVERIFY(project.hasDocument());
        QVERIFY(project.fileName().isEmpty());
        QCOMPARE(project.document()->projectInformation(), defaults);
        QVERIFY(project.document()->inputData().layers().isEmpty());
        QCOMPARE(project.document()->inputData().conditions().type(), 2);
        project.close();
        QVERIFY(!project.hasDocument());
    }

    void instanceIsOneObject() { QCOMPARE(&Project::instance(), &Project::instance()); }

    void modificationZeroRecalculates() {
        Project project;
        project.createNew();
        fillCondensingWall(*project.document());
        QSignalSpy spy(&project, &Project::modified);
        project.setModified(Project::ModificationType::AllModified);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        const CalculationResults &r = project.document()->calculation().results();
        QCOMPARE(r.glaserResultCode, ResultCode::OnePlane);
        QCOMPARE(r.glaserFirstPlane, 2);
        QVERIFY(r.glaserMc > 0);
    }

    void modificationZeroChecksInput() {
        Project project;
        project.createNew();
        fillCondensingWall(*project.document());
        project.document()->inputData().layers()[1].setWidth(0);
        project.setModified(Project::ModificationType::AllModified);
        QCOMPARE(project.document()->inputData().inputStatus(), InputStatus::InvalidWidth);
        QCOMPARE(project.document()->calculation().results().resultCode, ResultCode::InvalidInput);
        QCOMPARE(project.document()->calculation().results().messages,
                 QStringList{"Invalid width 0 of <a href=\"layer-2\">layer #2</a>."});
    }

    void otherModificationsChangeNoResult_data() {
        QTest::addColumn<Project::ModificationType>("modType");
        QTest::newRow("layer appearance") << Project::ModificationType::LayerAppearanceModified;
        QTest::newRow("project information") << Project::ModificationType::ProjectInfoModified;
    }

    void otherModificationsChangeNoResult() {
        QFETCH(Project::ModificationType, modType);
        Project project;
        project.createNew();
        fillCondensingWall(*project.document());
        project.setModified(Project::ModificationType::AllModified);
        const CalculationResults before = project.document()->calculation().results();
        project.document()->inputData().layers()[2].setWidth(0.03);
        project.document()->inputData().layers()[2].setColor(Qt::red);
        QSignalSpy spy(&project, &Project::modified);
        project.setModified(modType);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<Project::ModificationType>(), modType);
        QVERIFY(project.document()->calculation().results() == before);
    }

    void heatFlowDirectionOfTheDocumentIsUsed() {
        Project project;
        project.createNew();
        QVector<MaterialLayer> &layers = project.document()->inputData().layers();
        layers = {layer(0.0125, 0.25, 8), layer(0.05, 0.025, 1, true), layer(0.0125, 0.25, 8)};
        project.document()->projectInformation().m_heatFlowDirection = HeatFlowDirection::Upwards;
        project.setModified(Project::ModificationType::AllModified);
        QCOMPARE(project.document()->inputData().inputStatus(), InputStatus::Valid);
        const double upwards = project.document()->calculation().results().R[1];
        project.document()->projectInformation().m_heatFlowDirection = HeatFlowDirection::Downwards;
        project.setModified(Project::ModificationType::AllModified);
        const double downwards = project.document()->calculation().results().R[1];
        QCOMPARE(upwards, 0.05 / layers[1].lambda(HeatFlowDirection::Upwards));
        QCOMPARE(downwards, 0.05 / layers[1].lambda(HeatFlowDirection::Downwards));
        QVERIFY(upwards != downwards);
    }

    void setModifiedWithoutDocumentOnlySignals() {
        Project project;
        QSignalSpy spy(&project, &Project::modified);
        project.setModified(Project::ModificationType::AllModified);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!project.hasDocument());
    }

    void setDocumentDataCopiesAllParts() {
        Document source;
        fillCondensingWall(source);
        source.projectInformation().m_projectName = "House";
        source.recalculate();
        Project project;
        project.setDocumentData(source);
        QVERIFY(project.hasDocument());
        QVERIFY(project.document()->inputData() == source.inputData());
        QVERIFY(project.document()->calculation().results() == source.calculation().results());
        QCOMPARE(project.document()->projectInformation(), source.projectInformation());
        source.inputData().layers().clear();
        QCOMPARE(project.document()->inputData().layers().size(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_Project.moc"
