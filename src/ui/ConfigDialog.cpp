#include "ConfigDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <app/Settings.h>

#include "ConfigPageGeneral.h"
#include "ConfigPageProjectInformation.h"
#include "ConfigPrintDefaults.h"

ConfigDialog::ConfigDialog(Settings &settings, QWidget *parent) : QDialog(parent), m_settings(settings) {
    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("listWidget"));
    m_pageList->setAccessibleName(tr("Preference pages"));
    m_pageList->setIconSize(QSize(32, 32));
    m_pages = new QStackedWidget(this);
    m_general = new ConfigPageGeneral(this);
    m_projectInformation = new ConfigPageProjectInformation(this);
    addPage(m_general, QStringLiteral(":/icons/config.png"), tr("General Settings"));
    m_printDefaults = new ConfigPrintDefaults(this);
    addPage(m_projectInformation, QStringLiteral(":/icons/update.png"), tr("Default Project Info"));
    addPage(m_printDefaults, QStringLiteral(":/icons/update.png"), tr("Default Print Config"));
    // As wide as its longest entry: a wide page must not squeeze the list.
    m_pageList->setFixedWidth(m_pageList->sizeHintForColumn(0) + 2 * m_pageList->frameWidth());
    connect(m_pageList, &QListWidget::currentItemChanged, this, &ConfigDialog::pageChanged);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfigDialog::changesAccepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *pagesRow = new QHBoxLayout;
    pagesRow->addWidget(m_pageList);
    pagesRow->addWidget(m_pages, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pagesRow);
    layout->addWidget(buttons);
    m_pageList->setCurrentRow(0);
}

void ConfigDialog::addPage(QWidget *page, const QString &icon, const QString &text) {
    new QListWidgetItem(QIcon(icon), text, m_pageList);
    m_pages->addWidget(page);
}

void ConfigDialog::showEvent(QShowEvent *event) {
    m_general->fill(m_settings);
    m_projectInformation->fill(m_settings);
    m_printDefaults->fill(m_settings);
    QDialog::showEvent(event);
}

void ConfigDialog::pageChanged(QListWidgetItem *current, QListWidgetItem *previous) {
    QListWidgetItem *item = current ? current : previous;
    if (!item)
        return;
    m_pages->setCurrentIndex(m_pageList->row(item));
    setWindowTitle(item->text());
}

void ConfigDialog::changesAccepted() {
    if (!m_general->store(m_settings)) {
        m_pageList->setCurrentRow(m_pages->indexOf(m_general));
        return;
    }
    m_projectInformation->store(m_settings);
    m_printDefaults->store(m_settings);
    accept();
}
