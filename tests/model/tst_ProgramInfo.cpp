#include <QtTest>

#include <model/ProgramInfo.h>

class tst_ProgramInfo : public QObject {
    Q_OBJECT
private slots:
    void versionHasThreeNumbers() {
        const QStringList parts = ProgramInfo::version().split('.');
        QCOMPARE(parts.size(), 3);
        for (const QString &p : parts) {
            bool ok = false;
            p.toInt(&ok);
            QVERIFY2(ok, qPrintable(p));
        }
        QCOMPARE(ProgramInfo::productName(), QStringLiteral("Hygrolux 2 Pro"));
    }
};

QTEST_GUILESS_MAIN(tst_ProgramInfo)
#include "tst_ProgramInfo.moc"
