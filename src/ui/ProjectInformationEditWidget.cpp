#include "ProjectInformationEditWidget.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <model/ProjectInformation.h>

ProjectInformationEditWidget::ProjectInformationEditWidget(QWidget *parent) : QWidget(parent) {
    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_projectName = addLine(tr("Project name:"), "lineEditProjectName");
    m_constructionId = addLine(tr("Construction ID:"), "lineEditConstructionID");
    m_user = addLine(tr("Editor/User:"), "lineEditUser");
    m_company = addLine(tr("Company:"), "lineEditCompany");
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("textEditDescription"));
    auto *descriptionLabel = new QLabel(tr("Description:"), this);
    descriptionLabel->setBuddy(m_description);
    m_description->setAccessibleName(descriptionLabel->text());
    form->addRow(descriptionLabel, m_description);
}

QLineEdit *ProjectInformationEditWidget::addLine(const QString &label, const char *objectName) {
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    auto *labelWidget = new QLabel(label, this);
    labelWidget->setBuddy(edit);
    edit->setAccessibleName(label);
    qobject_cast<QFormLayout *>(layout())->addRow(labelWidget, edit);
    return edit;
}

void ProjectInformationEditWidget::setInfo(const ProjectInformation &info) {
    m_projectName->setText(info.m_projectName);
    m_constructionId->setText(info.m_constructionID);
    m_user->setText(info.m_userName);
    m_company->setText(info.m_company);
    m_description->setPlainText(info.m_description);
}

void ProjectInformationEditWidget::getInfo(ProjectInformation &info) const {
    info.m_projectName = m_projectName->text();
    info.m_constructionID = m_constructionId->text();
    info.m_userName = m_user->text();
    info.m_company = m_company->text();
    info.m_description = m_description->toPlainText();
}
