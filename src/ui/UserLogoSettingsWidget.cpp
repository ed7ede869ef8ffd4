#include "UserLogoSettingsWidget.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace {
// Logo sizes in screen pixels: up to about the width of a page body.
const int MaximumLogoSize = 2000;
const int DefaultLogoSize = 100;

QSpinBox *sizeBox(QWidget *parent, const char *name, const QString &accessibleName) {
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, MaximumLogoSize);
    box->setSuffix(UserLogoSettingsWidget::tr(" px"));
    box->setAccessibleName(accessibleName);
    return box;
}
} // namespace

UserLogoSettingsWidget::UserLogoSettingsWidget(QWidget *parent)
    : QWidget(parent), m_position(new QComboBox(this)), m_path(new QLabel(this)),
      m_width(new QRadioButton(tr("Width"), this)), m_height(new QRadioButton(tr("Height"), this)),
      m_widthSize(sizeBox(this, "spinBoxWidth", tr("Logo width"))),
      m_heightSize(sizeBox(this, "spinBoxHeight", tr("Logo height"))) {
    m_position->setObjectName(QStringLiteral("comboBoxPosition"));
    m_position->setAccessibleName(tr("Position"));
    m_position->addItems({tr("No user logo"), tr("Logo in page header"), tr("Logo right from project informations")});
    m_path->setObjectName(QStringLiteral("labelUserLogoPath"));
    m_path->setWordWrap(true);
    auto *pathButton = new QToolButton(this);
    pathButton->setObjectName(QStringLiteral("toolButtonLogoPath"));
    pathButton->setText(QStringLiteral("..."));
    pathButton->setToolTip(tr("Choose the image file of the logo"));
    pathButton->setAccessibleName(tr("Choose logo file"));
    m_width->setObjectName(QStringLiteral("radioButtonWidth"));
    m_height->setObjectName(QStringLiteral("radioButtonHeight"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Position"), this), 0, 0);
    layout->addWidget(m_position, 0, 1, 1, 2);
    layout->addWidget(m_path, 1, 0, 1, 2);
    layout->addWidget(pathButton, 1, 2);
    layout->addWidget(m_width, 2, 0);
    layout->addWidget(m_widthSize, 2, 1);
    layout->addWidget(m_height, 3, 0);
    layout->addWidget(m_heightSize, 3, 1);
    layout->setColumnStretch(1, 1);

    setSettings(UserLogoSettings());
    connect(m_position, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &UserLogoSettingsWidget::emitChanged);
    // The two buttons are exclusive: one of them signals each switch.
    connect(m_width, &QRadioButton::toggled, this, &UserLogoSettingsWidget::emitChanged);
    for (QSpinBox *box : {m_widthSize, m_heightSize})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &UserLogoSettingsWidget::emitChanged);
    QMetaObject::connectSlotsByName(this);
}

void UserLogoSettingsWidget::setSettings(const UserLogoSettings &settings) {
    m_signalling = false;
    m_position->setCurrentIndex(qBound(0, settings.m_position, m_position->count() - 1));
    m_path->setText(settings.m_path);
    (settings.m_widthSetting ? m_width : m_height)->setChecked(true);
    const int size = settings.m_size > 0 ? settings.m_size : DefaultLogoSize;
    m_widthSize->setValue(size);
    m_heightSize->setValue(size);
    updateState();
    m_signalling = true;
}

UserLogoSettings UserLogoSettingsWidget::settings() const {
    UserLogoSettings settings;
    settings.m_position = m_position->currentIndex();
    settings.m_path = m_path->text();
    settings.m_widthSetting = m_width->isChecked();
    settings.m_size = settings.m_widthSetting ? m_widthSize->value() : m_heightSize->value();
    return settings;
}

void UserLogoSettingsWidget::setLogoPath(const QString &path) {
    m_path->setText(path);
    emitChanged();
}

void UserLogoSettingsWidget::on_toolButtonLogoPath_clicked() {
    const QString current = m_path->text();
    const QString path = QFileDialog::getOpenFileName(this, tr("Select user logo"), QFileInfo(current).absolutePath(),
                                                      tr("Images (*.png *.xpm *.jpg)"));
    if (!path.isEmpty())
        setLogoPath(path);
}

void UserLogoSettingsWidget::updateState() {
    const bool logo = m_position->currentIndex() != UserLogoSettings::NoLogo;
    for (QWidget *w : std::initializer_list<QWidget *>{m_path, m_width, m_height})
        w->setEnabled(logo);
    m_widthSize->setEnabled(logo && m_width->isChecked());
    m_heightSize->setEnabled(logo && m_height->isChecked());
}

void UserLogoSettingsWidget::emitChanged() {
    updateState();
    if (m_signalling)
        emit changed();
}
