// The variant study dialog used as a user would: the inside insulation of the masonry example varied, the limit
// found and applied as one undo step, and undo restoring the width.

#include <QtTest>

#include <ui/VariantStudyDialog.h>

#include <model/Project.h>
#include <model/ReportSettings.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>

class tst_VariantStudyDialog : public QObject {
    Q_OBJECT
private slots:
    void findAndApplyLimit();
};

void tst_VariantStudyDialog::findAndApplyLimit() {
    Project project;
    QString error;
    QVERIFY2(project.read(HYGROLUX_EXAMPLES_DIR "/masonry-wall-inside-insulation.v2p", error), qPrintable(error));
    project.setModified(Project::ModificationType::AllModified);
    const double before = project.document()->inputData().layers()[1].width();
    QUndoStack stack;
    const ReportSettings criteria;
    VariantStudyDialog dialog(project, &stack, criteria);
    dialog.show();
    dialog.setLayer(1);
    dialog.findChild<QLineEdit *>("lineEditFrom")->setText("20");
    dialog.findChild<QLineEdit *>("lineEditTo")->setText("200");
    QCOMPARE(dialog.rows().size(), size_t(10));
    QCOMPARE(dialog.rows().front().value, 0.02);
    QCOMPARE(dialog.chart().points.size(), size_t(10));

    dialog.findChild<QPushButton *>("pushButtonFindLimit")->setChecked(true);
    QVERIFY(dialog.limit());
    QCOMPARE(dialog.limit()->changes.size(), size_t(1));
    QCOMPARE(dialog.chart().limits.size(), size_t(1));
    const double passing = dialog.limit()->changes.front().passing;
    const auto row = std::find_if(dialog.rows().begin(), dialog.rows().end(),
                                  [passing](const VariantStudy::Row &r) { return r.value == passing; });
    QVERIFY(row != dialog.rows().end());

    auto *table = dialog.findChild<QTableWidget *>();
    table->setCurrentCell(int(row - dialog.rows().begin()), 0);
    dialog.applyValue();
    QCOMPARE(stack.count(), 1);
    QCOMPARE(project.document()->inputData().layers()[1].width(), passing);
    stack.undo();
    QCOMPARE(project.document()->inputData().layers()[1].width(), before);
    stack.redo();
    QCOMPARE(project.document()->inputData().layers()[1].width(), passing);
}

QTEST_MAIN(tst_VariantStudyDialog)
#include "tst_VariantStudyDialog.moc"
