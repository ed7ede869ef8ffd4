#include "QtExt_ValidatingLineEdit.h"

#include <QEvent>
#include <QSignalBlocker>

namespace QtExt {

const QColor ValidatingLineEdit::ValidColor("#f9f6c8");
const QColor ValidatingLineEdit::InvalidColor("#ff7777");
const QColor ValidatingLineEdit::ReadOnlyColor("#d6e9ff");

ValidatingLineEdit::ValidatingLineEdit(QWidget *parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &ValidatingLineEdit::updateColor);
    connect(this, &QLineEdit::editingFinished, this, &ValidatingLineEdit::onEditingFinished);
    updateColor();
}

void ValidatingLineEdit::setValue(double value) {
    {
        const QSignalBlocker blocker(this);
        setText(formattedText(value));
    }
    if (isReadOnly() || !isEnabled())
        m_value = value;
    updateColor();
}

bool ValidatingLineEdit::isValid() {
    return isValidText(text());
}

void ValidatingLineEdit::setDefaultToolTip(const QString &toolTip) {
    m_defaultToolTip = toolTip;
    updateColor();
}

void ValidatingLineEdit::updateColor() {
    if (!isEnabled()) {
        setPalette(QPalette());
        setToolTip(m_defaultToolTip);
    }
    else if (isReadOnly()) {
        setBaseColor(ReadOnlyColor);
        setToolTip(m_defaultToolTip);
    }
    else if (isValid()) {
        setBaseColor(ValidColor);
        setToolTip(m_defaultToolTip);
    }
    else {
        setBaseColor(InvalidColor);
        setToolTip(invalidMessage());
    }
}

void ValidatingLineEdit::changeEvent(QEvent *event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ReadOnlyChange)
        updateColor();
}

void ValidatingLineEdit::setBaseColor(const QColor &color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void ValidatingLineEdit::onEditingFinished() {
    if (isValid())
        emit editingFinishedSuccessfully();
}

} // namespace QtExt
