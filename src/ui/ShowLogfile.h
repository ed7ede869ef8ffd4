#ifndef ShowLogfileH
#define ShowLogfileH

// The log viewer: the program's log file, read-only, with a button that copies it to the clipboard.

#include <QDialog>

class QPlainTextEdit;

class ShowLogfile : public QDialog {
    Q_OBJECT
public:
    /*! Loads \a logFile; by default the log file of this run. */
    explicit ShowLogfile(QWidget *parent = nullptr, const QString &logFile = QString());

    const QPlainTextEdit *textEdit() const { return m_text; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_pushButtonCopyToClipboard_clicked();

private:
    QPlainTextEdit *m_text;
};

#endif // ShowLogfileH
