#include <QtTest>

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>

#include <QtExt_ConstructionView.h>
#include <QtExt_ConstructionViewWidget.h>
#include <QtExt_GraphicsRectItemWithHatch.h>

#include <model/ConstructionList.h>
#include <ui/ConstructionDatabaseTableModel.h>
#include <ui/ConstructionDatabaseWidget.h>
#include <ui/ConstructionEditDialog.h>
#include <ui/ConstructionTableWidget.h>
#include <ui/V2_UndoLayerCommands.h>

#include "ModalAnswerer.h"

#include <memory>

namespace {

MaterialLayer layer(const QString &name, double width) {
    return MaterialLayer(Material(name, Material::BuildingBrick, "", "", "", "", 1800, 0.8, 10, 0.02, 0.3, 0.005, 1),
                         width);
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int sketchLayers(ConstructionDatabaseWidget &widget) {
    auto *preview = widget.findChild<QtExt::ConstructionViewWidget *>("widgetConstructionView");
    int count = 0;
    for (QGraphicsItem *item : preview->view()->scene()->items())
        count += dynamic_cast<QtExt::GraphicsRectItemWithHatch *>(item) ? 1 : 0;
    return count;
}

} // namespace

// The construction browser on a database of its own: the table, the preview, and every command through to
// the database file.
class tst_ConstructionDatabase : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tableShowsLayersOfLongestConstruction();
    void deletingLastConstructionClearsPreview();
    void copyIsNewEntryWithOwnName();
    void editedLayers_data();
    void editedLayers();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ConstructionList> m_list;
};

void tst_ConstructionDatabase::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_list = std::make_unique<ConstructionList>("en", m_dir->path());
    m_list->addConstruction(Construction(
        "Wall", {layer("Plaster", 0.015), layer("Brick", 0.24), layer("Insulation", 0.1), layer("Render", 0.01)}));
    m_list->addConstruction(Construction("Roof", {layer("Board", 0.02), layer("Wood fibre", 0.12)}));
    QVERIFY(m_list->write());
}

void tst_ConstructionDatabase::cleanup() {
    m_list.reset();
    m_dir.reset();
}

void tst_ConstructionDatabase::tableShowsLayersOfLongestConstruction() {
    ConstructionDatabaseTableModel model(*m_list);
    QStringList headers;
    for (int c = 0; c < model.columnCount(); ++c)
        headers << model.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"Name", "Warm side\nLayer 1", "\nLayer 2", "\nLayer 3", "Cold side\nLayer 4"}));
    QCOMPARE(model.index(0, 2).data().toString(), QString("240mm Brick"));
    QCOMPARE(model.index(0, 1).data().toString(), QString("15mm Plaster"));
    QCOMPARE(model.index(1, 0).data().toString(), QString("Roof"));
    QVERIFY(model.index(1, 3).data().isNull());
}

void tst_ConstructionDatabase::deletingLastConstructionClearsPreview() {
    ConstructionDatabaseWidget widget(*m_list);
    widget.resize(800, 500);
    widget.show();
    for (int remaining = 1; remaining >= 0; --remaining) {
        widget.selectRow(0);
        QCOMPARE(sketchLayers(widget), remaining == 1 ? 4 : 2);
        widget.findChild<QPushButton *>("buttonRemove")->click();
        QCOMPARE(m_list->count(), remaining);
    }
    QCOMPARE(widget.tableView()->model()->rowCount(), 0);
    QCOMPARE(sketchLayers(widget), 0);
    QVERIFY(widget.findChild<QLabel *>("labelSelectedConstruction")->text().isEmpty());
    QVERIFY(!widget.findChild<QPushButton *>("buttonRemove")->isEnabled());
}

void tst_ConstructionDatabase::copyIsNewEntryWithOwnName() {
    ConstructionDatabaseWidget widget(*m_list);
    for (int copies = 1; copies <= 2; ++copies) {
        widget.selectRow(1);
        widget.findChild<QPushButton *>("buttonCopy")->click();
    }
    ConstructionList reread("en", m_dir->path());
    QVERIFY(reread.read());
    QCOMPARE(reread.count(), 4);
    QCOMPARE(reread.at(2).name(), QString("Roof (copy)"));
    QCOMPARE(reread.at(3).name(), QString("Roof (copy 2)"));
    QCOMPARE(reread.at(3).layers().size(), 2);
}

void tst_ConstructionDatabase::editedLayers_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("cancelled") << false;
    QTest::newRow("saved") << true;
}

void tst_ConstructionDatabase::editedLayers() {
    QFETCH(bool, save);
    const QByteArray before = fileBytes(m_list->filePath());
    QVERIFY(!before.isEmpty());
    ConstructionDatabaseWidget widget(*m_list);
    widget.selectRow(0);
    ModalAnswerer answerer;
    answerer.add([save](QDialog *d) {
        auto *dialog = qobject_cast<ConstructionEditDialog *>(d);
        dialog->undoStack().push(new V2_UndoRemoveLayer(dialog->project(), dialog->table(), 0));
        QCOMPARE(dialog->table()->columnCount(), 5);
        d->findChild<QDialogButtonBox *>("buttonBox")
            ->button(save ? QDialogButtonBox::Save : QDialogButtonBox::Cancel)
            ->click();
    });
    widget.findChild<QPushButton *>("buttonEditLayers")->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(m_list->at(0).layers().size(), save ? 3 : 4);
    if (save)
        QVERIFY(fileBytes(m_list->filePath()) != before);
    else
        QCOMPARE(fileBytes(m_list->filePath()), before);
}

QTEST_MAIN(tst_ConstructionDatabase)
#include "tst_ConstructionDatabase.moc"
