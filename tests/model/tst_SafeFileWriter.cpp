#include <QtTest>

#include <model/SafeFileWriter.h>

#include <QSaveFile>
#include <QTemporaryDir>

class tst_SafeFileWriter : public QObject {
    Q_OBJECT
private slots:
    // The rename at the end can fail (the target replaced by a directory, a network share gone): the write
    // must report it with the cause and leave the old file as it was.
    void failedCommitIsReportedAndKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("data.cmat");
        QVERIFY(SafeFileWriter::write(path, "old content"));
        QString error;
        // The step fails as a rename does: the temporary file is dropped and the old one stays.
        const bool written = SafeFileWriter::write(path, "new content", &error, [](QSaveFile &file, QString &reason) {
            file.cancelWriting();
            file.commit();
            reason = QStringLiteral("Device or resource busy");
            return false;
        });
        QVERIFY(!written);
        QCOMPARE(error, QStringLiteral("Error writing file '%1': Device or resource busy").arg(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.cmat"});
    }
};

QTEST_GUILESS_MAIN(tst_SafeFileWriter)
#include "tst_SafeFileWriter.moc"
