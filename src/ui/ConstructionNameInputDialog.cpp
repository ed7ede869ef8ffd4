#include "ConstructionNameInputDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ConstructionNameInputDialog::ConstructionNameInputDialog(QWidget *parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_notes(new QPlainTextEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Dialog"));
    m_name->setObjectName(QStringLiteral("lineEditName"));
    m_notes->setObjectName(QStringLiteral("plainTextEditNotes"));
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    auto *form = new QFormLayout;
    form->addRow(tr("Construction Name"), m_name);
    form->addRow(tr("Notes"), m_notes);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &ConstructionNameInputDialog::nameChanged);
    nameChanged(QString());
}

void ConstructionNameInputDialog::fill(const QString &name, const QString &notes) {
    m_name->setText(name);
    m_notes->setPlainText(notes);
}

QString ConstructionNameInputDialog::name() const {
    return m_name->text().trimmed();
}

QString ConstructionNameInputDialog::notes() const {
    return m_notes->toPlainText();
}

void ConstructionNameInputDialog::nameChanged(const QString &text) {
    // A nameless entry cannot be told apart from others in the list.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
}
