#include "ColorButton.h"

#include <QColorDialog>
#include <QPainter>

namespace {
// Room between the button's frame and the colour field, in pixels.
const int FieldInset = 4;
} // namespace

ColorButton::ColorButton(QWidget *parent) : QToolButton(parent) {
    connect(this, &QToolButton::clicked, this, &ColorButton::chooseColor);
}

void ColorButton::setColor(const QColor &color) {
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit colorChanged(m_color);
}

void ColorButton::paintEvent(QPaintEvent *event) {
    QToolButton::paintEvent(event);
    QPainter painter(this);
    const QRect field = rect().adjusted(FieldInset, FieldInset, -FieldInset, -FieldInset);
    painter.fillRect(field, isEnabled() ? m_color : palette().color(QPalette::Disabled, QPalette::Button));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(field.adjusted(0, 0, -1, -1));
}

void ColorButton::chooseColor() {
    const QColor color = QColorDialog::getColor(m_color, this);
    if (color.isValid())
        setColor(color);
}
