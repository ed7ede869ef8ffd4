// The preferences: a directory that cannot hold the user databases keeps the dialog open on the general
// page and stores nothing; a good one is stored without leaving the probe file behind. The report defaults
// reach the settings and the next report preview.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <app/Settings.h>
#include <model/Project.h>
#include <model/ReportSettings.h>
#include <ui/ConfigDialog.h>
#include <ui/PrintDialog.h>

#include "ModalAnswerer.h"

class tst_ConfigDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void userDirectory_data();
    void userDirectory();
    void printDefaultsReachThePrintDialog();
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

void tst_ConfigDialog::printDefaultsReachThePrintDialog() {
    Settings settings;
    // An installed family, so that the report logs no missing font.
    settings.m_fontFamily = QFontDatabase().families().value(0);
    ConfigDialog dialog(settings);
    dialog.show();
    dialog.findChild<QCheckBox *>("checkBoxHeader_2")->setChecked(false);
    dialog.findChild<QCheckBox *>("checkBoxTPChart_2")->setChecked(true);
    dialog.findChild<QCheckBox *>("checkBoxPageNumbers_2")->setChecked(true);
    dialog.findChild<QComboBox *>("comboBoxMinHeatResVersion")->setCurrentIndex(0);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const ReportSettings &report = settings.m_reportSettings;
    QVERIFY(!report.m_frames.contains(ReportSettings::HeaderFrameId));
    QVERIFY(report.m_frames.contains(ReportSettings::VaporPressureDiagramFrameId));
    QVERIFY(report.m_pageNumbersVisible);
    QCOMPARE(report.m_minimumHeatResVersion, 0);

    Project project;
    PrintDialog preview(project, nullptr, settings);
    QVERIFY(!preview.findChild<QCheckBox *>("checkBoxHeader")->isChecked());
    QVERIFY(preview.findChild<QCheckBox *>("checkBoxTPChart")->isChecked());
    QVERIFY(preview.findChild<QCheckBox *>("checkBoxPageNumbers")->isChecked());
    QCOMPARE(preview.findChild<QComboBox *>("comboBoxMinHeatResVersion")->currentIndex(), 0);
}

QTEST_MAIN(tst_ConfigDialog)
#include "tst_ConfigDialog.moc"
