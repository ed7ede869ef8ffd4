#include "ShowLogfile.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <app/Settings.h>

ShowLogfile::ShowLogfile(QWidget *parent, const QString &logFile) : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Log File"));
    resize(800, 500);
    m_text->setObjectName(QStringLiteral("plainTextEdit"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setAccessibleName(tr("Log file"));
    auto *copyButton = new QPushButton(tr("Copy to Clipboard"), this);
    copyButton->setObjectName(QStringLiteral("pushButtonCopyToClipboard"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(copyButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    QMetaObject::connectSlotsByName(this);

    const QString path = logFile.isEmpty() ? Settings::logFile() : logFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_text->setPlainText(tr("No logfile found at position\n %1").arg(path));
        return;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    m_text->setPlainText(text);
}

void ShowLogfile::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // The newest lines are the ones a user looks for; long lines must not hide their beginning.
    m_text->moveCursor(QTextCursor::End);
    m_text->moveCursor(QTextCursor::StartOfLine);
    m_text->ensureCursorVisible();
    m_text->horizontalScrollBar()->setValue(0);
}

void ShowLogfile::on_pushButtonCopyToClipboard_clicked() {
    QApplication::clipboard()->setText(m_text->toPlainText());
}
