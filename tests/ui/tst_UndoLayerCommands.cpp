#include <QtTest>

#include <ui/V2_UndoLayerCommands.h>

#include <QAction>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace {

MaterialLayer layer(const QString &name, double width, double mu = 10) {
    Material m(name, Material::BuildingBoards, QString(), QString(), QString(), QString(), 500, 0.2, mu, 0.01, 0.5, 0,
               1);
    m.setColor(Qt::gray);
    return MaterialLayer(m, width);
}

/*! The layers as "name width/mm" pairs, so that a test sees materials and widths travel together. */
QString layersText(const Project &project) {
    QStringList parts;
    for (const MaterialLayer &l : project.document()->inputData().layers())
        parts << QString("%1 %2").arg(l.name()).arg(l.width(MaterialLayer::Millimetre));
    return parts.join(", ");
}

/*! Builds a command for the project and the layer table. */
using CommandFactory = std::function<QUndoCommand *(Project &, QTableWidget *)>;

} // namespace

Q_DECLARE_METATYPE(CommandFactory)

// Layer list commands pushed on a local undo stack against a project of three layers "A 10, B 20, C 30" (mm).
class tst_UndoLayerCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_project = std::make_unique<Project>();
        m_project->createNew();
        m_project->document()->inputData().layers() = {layer("A", 0.01), layer("B", 0.02), layer("C", 0.03)};
        m_project->setModified(Project::ModificationType::AllModified);
        m_table = std::make_unique<QTableWidget>(1, 10);
    }

    void redoUndoRedo_data() {
        QTest::addColumn<CommandFactory>("factory");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("redoColumn");
        QTest::addColumn<int>("undoColumn");
        const MaterialLayer x = layer("X", 0.1, 50);
        const Construction twoLayers("Pair", {layer("X", 0.1), layer("Y", 0.2)});
        QTest::newRow("add left of the first layer")
            << CommandFactory([=](Project &p, QTableWidget *t) { return new V2_UndoAddLayerLeft(p, t, 0, x); })
            << "Add layer left to no. 1"
            << "X 100, A 10, B 20, C 30" << 1 << 0;
        QTest::newRow("add right of the last layer")
            << CommandFactory([=](Project &p, QTableWidget *t) { return new V2_UndoAddLayerRight(p, t, 2, x); })
            << "Add layer right to no. 3"
            << "A 10, B 20, C 30, X 100" << 4 << 3;
        QTest::newRow("add construction left of layer 2") << CommandFactory([=](Project &p, QTableWidget *t) {
            return new V2_UndoAddConstructionLeft(p, t, 1, twoLayers);
        }) << "Add construction left to no. 2"
                                                          << "A 10, X 100, Y 200, B 20, C 30" << 2 << 2;
        QTest::newRow("add construction right of layer 2") << CommandFactory([=](Project &p, QTableWidget *t) {
            return new V2_UndoAddConstructionRight(p, t, 1, twoLayers);
        }) << "Add construction right to no. 2"
                                                           << "A 10, B 20, X 100, Y 200, C 30" << 3 << 2;
        QTest::newRow("remove the middle layer")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoRemoveLayer(p, t, 1); })
            << "Remove layer no. 2"
            << "A 10, C 30" << 1 << 2;
        QTest::newRow("remove the last layer")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoRemoveLayer(p, t, 2); })
            << "Remove layer no. 3"
            << "A 10, B 20" << 2 << 3;
        QTest::newRow("move layer 2 left")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoMoveLayerLeft(p, t, 1); })
            << "Move layer no. 2 to left"
            << "B 20, A 10, C 30" << 1 << 2;
        QTest::newRow("move layer 2 right")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoMoveLayerRight(p, t, 1); })
            << "Move layer no. 2 to right"
            << "A 10, C 30, B 20" << 3 << 2;
        QTest::newRow("change material of layer 2 keeps the width")
            << CommandFactory([=](Project &p, QTableWidget *t) { return new V2_UndoChangeMaterial(p, t, 1, x); })
            << "Change material on layer no. 2"
            << "A 10, X 20, C 30" << 2 << 2;
    }

    void redoUndoRedo() {
        QFETCH(CommandFactory, factory);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(int, redoColumn);
        QFETCH(int, undoColumn);
        const Document original = *m_project->document();
        QSignalSpy spy(m_project.get(), &Project::modified);
        QUndoStack stack;
        std::unique_ptr<QAction> undoAction(stack.createUndoAction(nullptr, "Undo"));

        stack.push(factory(*m_project, m_table.get()));
        QCOMPARE(undoAction->text(), "Undo : " + text);
        QCOMPARE(layersText(*m_project), after);
        QCOMPARE(m_table->currentColumn(), redoColumn);
        const Document changed = *m_project->document();
        QVERIFY(changed.calculation().results() != original.calculation().results());

        stack.undo();
        QVERIFY(m_project->document()->inputData() == original.inputData());
        QVERIFY(m_project->document()->calculation().results() == original.calculation().results());
        QCOMPARE(m_table->currentColumn(), undoColumn);

        stack.redo();
        QVERIFY(m_project->document()->inputData() == changed.inputData());
        QCOMPARE(spy.count(), 3);
        for (const QList<QVariant> &signal : spy)
            QCOMPARE(signal.at(0).value<Project::ModificationType>(), Project::ModificationType::AllModified);
    }

    void commandsForMissingLayersChangeNothing_data() {
        QTest::addColumn<CommandFactory>("factory");
        QTest::newRow("remove layer 5") << CommandFactory(
            [](Project &p, QTableWidget *t) { return new V2_UndoRemoveLayer(p, t, 4); });
        QTest::newRow("move the first layer left")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoMoveLayerLeft(p, t, 0); });
        QTest::newRow("move the last layer right")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoMoveLayerRight(p, t, 2); });
        QTest::newRow("add right of layer 5") << CommandFactory(
            [](Project &p, QTableWidget *t) { return new V2_UndoAddLayerRight(p, t, 4, layer("X", 0.1)); });
        QTest::newRow("change the material of layer 4") << CommandFactory(
            [](Project &p, QTableWidget *t) { return new V2_UndoChangeMaterial(p, t, 3, layer("X", 0.1)); });
        QTest::newRow("colour of layer 0")
            << CommandFactory([](Project &p, QTableWidget *t) { return new V2_UndoLayerColor(p, t, -1, Qt::red); });
        QTest::newRow("empty construction") << CommandFactory(
            [](Project &p, QTableWidget *t) { return new V2_UndoAddConstructionLeft(p, t, 0, Construction("None")); });
    }

    void commandsForMissingLayersChangeNothing() {
        QFETCH(CommandFactory, factory);
        const InputData original = m_project->document()->inputData();
        QSignalSpy spy(m_project.get(), &Project::modified);
        QUndoStack stack;
        stack.push(factory(*m_project, m_table.get()));
        stack.undo();
        stack.redo();
        QVERIFY(m_project->document()->inputData() == original);
        QCOMPARE(spy.count(), 0);
    }

    void commandsWithoutDocumentChangeNothing() {
        QUndoStack stack;
        stack.push(new V2_UndoRemoveLayer(*m_project, m_table.get(), 0));
        m_project->close();
        QSignalSpy spy(m_project.get(), &Project::modified);
        stack.undo();
        stack.redo();
        stack.push(new V2_UndoAddLayerLeft(*m_project, m_table.get(), 0, layer("X", 0.1)));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!m_project->hasDocument());
    }

    void tableMayBeGone() {
        QUndoStack stack;
        stack.push(new V2_UndoMoveLayerRight(*m_project, m_table.get(), 0));
        m_table.reset();
        stack.undo();
        QCOMPARE(layersText(*m_project), QString("A 10, B 20, C 30"));
    }

    void materialWithSdValueFixesTheWidthUntilUndone() {
        MaterialLayer foil = layer("Foil", 0.001, 20000);
        foil.setSd_value(2);
        QUndoStack stack;
        stack.push(new V2_UndoChangeMaterial(*m_project, m_table.get(), 2, foil.material()));
        QCOMPARE(layersText(*m_project), QString("A 10, B 20, Foil 0.1"));
        stack.undo();
        QCOMPARE(layersText(*m_project), QString("A 10, B 20, C 30"));
        QCOMPARE(m_project->document()->inputData().layers()[2].sd_value(), 0.0);
    }

    void layerColourIsExchanged() {
        QSignalSpy spy(m_project.get(), &Project::modified);
        QUndoStack stack;
        stack.push(new V2_UndoLayerColor(*m_project, m_table.get(), 1, Qt::red));
        const QVector<MaterialLayer> &layers = m_project->document()->inputData().layers();
        QCOMPARE(layers[1].color(), QColor(Qt::red));
        QCOMPARE(m_table->currentColumn(), 2);
        stack.undo();
        QCOMPARE(layers[1].color(), QColor(Qt::gray));
        stack.redo();
        QCOMPARE(layers[1].color(), QColor(Qt::red));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(2).at(0).value<Project::ModificationType>(),
                 Project::ModificationType::LayerAppearanceModified);
    }

private:
    std::unique_ptr<Project> m_project;
    std::unique_ptr<QTableWidget> m_table;
};

QTEST_MAIN(tst_UndoLayerCommands)
#include "tst_UndoLayerCommands.moc"
