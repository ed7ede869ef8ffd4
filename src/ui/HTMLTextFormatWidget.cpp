#include "HTMLTextFormatWidget.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

HTMLTextFormatWidget::HTMLTextFormatWidget(QWidget *parent) : QWidget(parent), m_buttons(new QButtonGroup(this)) {
    const struct {
        const char *name;
        QString text;
        QString toolTip;
    } buttons[] = {{"toolButtonH1", tr("H1"), tr("Heading 1")},      {"toolButtonH2", tr("H2"), tr("Heading 2")},
                   {"toolButtonH3", tr("H3"), tr("Heading 3")},      {"toolButtonH4", tr("H4"), tr("Heading 4")},
                   {"toolButtonNormal", tr("N"), tr("Normal text")}, {"toolButtonSmall", tr("S"), tr("Small text")}};
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    int id = 0;
    for (const auto &b : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(b.name));
        button->setText(b.text);
        button->setToolTip(b.toolTip);
        button->setAccessibleName(b.toolTip);
        button->setCheckable(true);
        m_buttons->addButton(button, id++);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(m_buttons, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &HTMLTextFormatWidget::buttonClicked);
}

int HTMLTextFormatWidget::format() const {
    return qMax(0, m_buttons->checkedId());
}

void HTMLTextFormatWidget::setFormat(int format) {
    if (QAbstractButton *button = m_buttons->button(format)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it lets all go only while not exclusive.
    m_buttons->setExclusive(false);
    for (QAbstractButton *button : m_buttons->buttons())
        button->setChecked(false);
    m_buttons->setExclusive(true);
}

void HTMLTextFormatWidget::buttonClicked() {
    emit changed();
}
