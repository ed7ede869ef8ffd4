#ifndef ModalAnswererH
#define ModalAnswererH

// Test helper: answers the modal dialogs a window opens while the test waits, one after the other, and
// records the title of every dialog it answered. Each answer is a function that gets the dialog.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog *)>;

    ModalAnswerer() {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(10);
    }

    /*! Queues an answer for the next modal dialog. */
    void add(const Answer &answer) { m_answers.append(answer); }

    /*! Clicks \a button of the next message box. */
    void clickButton(QMessageBox::StandardButton button) {
        add([button](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box && box->button(button))
                box->button(button)->click();
            else
                dialog->reject();
        });
    }

    /*! Chooses \a fileName in the next file dialog. */
    void chooseFile(const QString &fileName) {
        add([fileName](QDialog *dialog) {
            auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
            if (!fileDialog) {
                dialog->reject();
                return;
            }
            fileDialog->selectFile(fileName);
            dialog->accept(); // through QDialog: the file dialog keeps its override protected
        });
    }

    const QStringList &titles() const { return m_titles; }
    int pending() const { return m_answers.size(); }

private:
    void poll() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        m_titles.append(dialog->windowTitle());
        if (m_answers.isEmpty()) {
            dialog->reject();
            return;
        }
        m_answers.takeFirst()(dialog);
    }

    QTimer m_timer;
    QList<Answer> m_answers;
    QStringList m_titles;
};

#endif // ModalAnswererH
