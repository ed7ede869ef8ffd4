#include "ConfigPageGeneral.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>

#include <app/Settings.h>
#include <model/UserDirectories.h>

namespace {

const int WidthUnits[] = {1000, 100, 10, 1};

QComboBox *addCombo(QFormLayout *form, const QString &label, const char *objectName, const QStringList &entries) {
    auto *combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->addItems(entries);
    combo->setAccessibleName(label);
    form->addRow(label, combo);
    return combo;
}

} // namespace

ConfigPageGeneral::ConfigPageGeneral(QWidget *parent) : QWidget(parent) {
    auto *form = new QFormLayout(this);
    const QString square = QStringLiteral("²"), root = QStringLiteral("½");
    m_awUnit = addCombo(
        form, tr("Water absorption coefficient:"), "comboBoxAwUnitSeconds",
        {tr("Use kg/m%1s%2 as unit for Aw").arg(square, root), tr("Use kg/m%1h%2 as unit for Aw").arg(square, root)});
    m_startUp = addCombo(form, tr("Start-up:"), "comboBoxDefaultStartUp",
                         {tr("Start Program without project"), tr("Start Program with last recent project")});
    m_widthUnit = addCombo(form, tr("Layer widths:"), "comboBoxWidthUnit",
                           {tr("Construction layer width in [mm]"), tr("Construction layer width in [cm]"),
                            tr("Construction layer width in [dm]"), tr("Construction layer width in [m]")});

    m_userDirectory = new QLineEdit(this);
    m_userDirectory->setObjectName(QStringLiteral("lineEditUserMatDir"));
    const QString directoryLabel = tr("Directory for user material database:");
    m_userDirectory->setAccessibleName(directoryLabel);
    auto *browse = new QToolButton(this);
    browse->setObjectName(QStringLiteral("toolButtonUserMaterialDir"));
    browse->setText(QStringLiteral("..."));
    browse->setToolTip(tr("Choose the directory"));
    connect(browse, &QToolButton::clicked, this, &ConfigPageGeneral::chooseDirectory);
    auto *row = new QHBoxLayout;
    row->addWidget(m_userDirectory);
    row->addWidget(browse);
    form->addRow(new QLabel(directoryLabel, this));
    form->addRow(row);
}

void ConfigPageGeneral::fill(const Settings &settings) {
    m_userDirectory->setText(QDir::toNativeSeparators(settings.userMaterialsDir()));
    m_userDirectory->setToolTip(m_userDirectory->text());
    m_awUnit->setCurrentIndex(settings.m_awInSeconds ? 0 : 1);
    const auto unit = std::find(std::begin(WidthUnits), std::end(WidthUnits), settings.m_layerWidthUnit);
    m_widthUnit->setCurrentIndex(unit == std::end(WidthUnits) ? 0 : int(unit - std::begin(WidthUnits)));
    m_startUp->setCurrentIndex(settings.m_defaultRestartMode == 0 ? 0 : 1);
}

bool ConfigPageGeneral::store(Settings &settings) {
    // The directory is checked first, so that a refused page stores nothing and Cancel still undoes all.
    const QString directory = QDir::fromNativeSeparators(m_userDirectory->text().trimmed());
    if (!directory.isEmpty()) {
        const QStringList problem = directoryProblem(directory);
        if (!problem.isEmpty()) {
            QMessageBox::critical(this, problem[0], problem[1]);
            return false;
        }
    }
    settings.m_awInSeconds = m_awUnit->currentIndex() == 0;
    settings.m_defaultRestartMode = m_startUp->currentIndex();
    settings.m_layerWidthUnit = WidthUnits[std::max(0, m_widthUnit->currentIndex())];
    // The default directory is stored as empty, so that it follows the user data directory.
    const bool isDefault = QDir(directory) == QDir(UserDirectories::defaultUserMaterialsDir());
    settings.m_userMaterialsDirectory = directory.isEmpty() || isDefault ? QString() : directory;
    return true;
}

QStringList ConfigPageGeneral::directoryProblem(const QString &directory) {
    const QFileInfo info(directory);
    if (info.exists() && !info.isDir())
        return {tr("Directory not valid."), tr("There exist a file with the same name.")};
    if (!QDir().mkpath(directory))
        return {tr("Directory not valid."), tr("The given text cannot be used as directory.")};
    QFile probe(QDir(directory).filePath(QStringLiteral("text.tst")));
    if (!probe.open(QIODevice::WriteOnly))
        return {tr("Directory not writebale."), tr("The material database cannot be stored here.")};
    // The probe has served its purpose; it must not litter the user's directory.
    probe.remove();
    return {};
}

void ConfigPageGeneral::chooseDirectory() {
    const QString directory =
        QFileDialog::getExistingDirectory(this, tr("User material directory"), m_userDirectory->text());
    if (directory.isEmpty())
        return;
    m_userDirectory->setText(QDir::toNativeSeparators(directory));
    m_userDirectory->setToolTip(m_userDirectory->text());
}
