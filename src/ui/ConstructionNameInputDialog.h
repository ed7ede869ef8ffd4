#ifndef ConstructionNameInputDialogH
#define ConstructionNameInputDialogH

// Asks for the name and notes of a construction of the construction database, when the main window adds the
// project's construction and when the browser renames one. OK stays disabled while the name is blank.

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

class ConstructionNameInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConstructionNameInputDialog(QWidget *parent = nullptr);

    void fill(const QString &name, const QString &notes);
    /*! The name as entered, without leading and trailing blanks. */
    QString name() const;
    QString notes() const;

private slots:
    void nameChanged(const QString &text);

private:
    QLineEdit *m_name;
    QPlainTextEdit *m_notes;
    QDialogButtonBox *m_buttons;
};

#endif // ConstructionNameInputDialogH
