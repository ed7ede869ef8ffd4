// The preferences: a directory that cannot hold the user databases keeps the dialog open on the general
// page and stores nothing; a good one is stored without leaving the probe file behind.

#include <QtTest>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <app/Settings.h>
#include <ui/ConfigDialog.h>

#include "ModalAnswerer.h"

class tst_ConfigDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void userDirectory_data();
    void userDirectory();
};

void tst_ConfigDialog::userDirectory_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a file") << "file"
                            << "Directory not valid.";
    QTest::newRow("below a file") << "below file"
                                  << "Directory not valid.";
    QTest::newRow("not writable") << "proc"
                                  << "Directory not writebale.";
    QTest::newRow("new directory") << "new" << QString();
}

void tst_ConfigDialog::userDirectory() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    QFile file(dir.filePath("databases"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString directory = kind == "file"         ? file.fileName()
                              : kind == "below file" ? file.fileName() + "/sub"
                              : kind == "proc"       ? QStringLiteral("/proc")
                                                     : dir.filePath("new/databases");

    Settings settings;
    settings.m_layerWidthUnit = 1000;
    ConfigDialog dialog(settings);
    dialog.show();
    auto *list = dialog.findChild<QListWidget *>();
    list->setCurrentRow(1);
    dialog.findChild<QComboBox *>("comboBoxWidthUnit")->setCurrentIndex(1);
    dialog.findChild<QLineEdit *>("lineEditUserMatDir")->setText(directory);
    ModalAnswerer answerer;
    answerer.clickButton(QMessageBox::Ok);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

    if (refusal.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.m_userMaterialsDirectory, directory);
        QCOMPARE(settings.m_layerWidthUnit, 100);
        QVERIFY(QFileInfo(directory).isDir());
        QVERIFY(!QFile::exists(directory + "/text.tst"));
        return;
    }
    QTRY_COMPARE(answerer.titles(), QStringList{refusal});
    QVERIFY(dialog.isVisible());
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(settings.m_layerWidthUnit, 1000);
    QVERIFY(settings.m_userMaterialsDirectory.isEmpty());
}

QTEST_MAIN(tst_ConfigDialog)
#include "tst_ConfigDialog.moc"
