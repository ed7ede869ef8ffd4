// The log viewer shows the log or, without one, where it looked, and copies what it shows; the about box's
// contact links reach the desktop services; the rich-text editor's heading buttons format one paragraph.

#include <QtTest>

#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <ui/AboutDialog.h>
#include <ui/ShowLogfile.h>
#include <ui/TextEditWidget.h>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class tst_SmallDialogs : public QObject {
    Q_OBJECT
private slots:
    void logViewer_data();
    void logViewer();
    void aboutLinksOpen();
    void headingButtons_data();
    void headingButtons();
};

void tst_SmallDialogs::logViewer_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("log file") << true;
    QTest::newRow("missing log file") << false;
}

void tst_SmallDialogs::logViewer() {
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = dir.filePath("Hygrolux2.log");
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("first line\nsecond line\n");
    }
    ShowLogfile viewer(nullptr, path);
    const QString expected = exists ? QStringLiteral("first line\nsecond line")
                                    : QStringLiteral("No logfile found at position\n %1").arg(path);
    QCOMPARE(viewer.textEdit()->toPlainText(), expected);
    QApplication::clipboard()->clear();
    viewer.findChild<QPushButton *>("pushButtonCopyToClipboard")->click();
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

void tst_SmallDialogs::aboutLinksOpen() {
    UrlRecorder recorder;
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    AboutDialog about;
    auto *label = about.findChild<QLabel *>("label");
    QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    int links = 0;
    for (auto match = href.globalMatch(label->text()); match.hasNext(); ++links)
        emit label->linkActivated(match.next().captured(1));
    QCOMPARE(links, 3);
    QCOMPARE(recorder.urls.size(), 3);
    for (const QUrl &url : recorder.urls)
        QVERIFY2(url.isValid() && !(url.scheme() == "mailto" ? url.path() : url.host()).isEmpty(),
                 qPrintable(url.toString()));
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void tst_SmallDialogs::headingButtons_data() {
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("level");
    QTest::newRow("H1") << QStringList{"toolButtonH1"} << 1;
    QTest::newRow("H3") << QStringList{"toolButtonH3"} << 3;
    QTest::newRow("H1 then H2") << QStringList{"toolButtonH1", "toolButtonH2"} << 2;
    QTest::newRow("H2 then Normal") << QStringList{"toolButtonH2", "toolButtonNormal"} << 0;
}

void tst_SmallDialogs::headingButtons() {
    QFETCH(QStringList, buttons);
    QFETCH(int, level);
    TextEditWidget editor;
    editor.textEdit()->setPlainText(QStringLiteral("First & last\nSecond"));
    QTextCursor cursor(editor.textEdit()->document()->findBlockByNumber(1));
    editor.textEdit()->setTextCursor(cursor);
    for (const QString &name : buttons)
        editor.findChild<QToolButton *>(name)->click();
    const QTextDocument *document = editor.textEdit()->document();
    QCOMPARE(document->toPlainText(), QStringLiteral("First & last\nSecond"));
    QCOMPARE(document->findBlockByNumber(1).blockFormat().headingLevel(), level);
    QCOMPARE(document->findBlockByNumber(0).blockFormat().headingLevel(), 0);
    QCOMPARE(editor.html().contains(QStringLiteral("<h%1").arg(level)), level > 0);
}

QTEST_MAIN(tst_SmallDialogs)
#include "tst_SmallDialogs.moc"
