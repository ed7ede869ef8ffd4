#include "ClimateSummaryPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include <model/Project.h>

ClimateSummaryPage::ClimateSummaryPage(const Project &project, QWidget *parent)
    : QWidget(parent), m_project(project), m_title(new QLabel(this)), m_values(new QLabel(this)) {
    setObjectName(QStringLiteral("climateSummaryPage"));
    auto *layout = new QVBoxLayout(this);
    m_title->setTextFormat(Qt::RichText);
    m_values->setTextFormat(Qt::RichText);
    m_values->setWordWrap(true);
    auto *note =
        new QLabel(tr("The climate and assessment editor will come here; until then the values are read-only."), this);
    note->setWordWrap(true);
    note->setEnabled(false);
    layout->addWidget(m_title);
    layout->addWidget(m_values);
    layout->addStretch(1);
    layout->addWidget(note);
}

void ClimateSummaryPage::setSide(Side side) {
    m_title->setText(
        QStringLiteral("<b>%1</b>").arg(side == WarmSide ? tr("Warm side climate") : tr("Cold side climate")));
    if (!m_project.hasDocument()) {
        m_values->clear();
        return;
    }
    const AssessmentConditions &conditions = m_project.document()->inputData().conditions();
    const ClimateRecord &winter = side == WarmSide ? conditions.interiorWinter() : conditions.exteriorWinter();
    const ClimateRecord &summer = side == WarmSide ? conditions.interiorSummer() : conditions.exteriorSummer();
    const QString row = QStringLiteral("<tr><td>%1</td><td align=right>%L2</td><td align=right>%L3</td></tr>");
    QString text =
        QStringLiteral("<table cellspacing=4><tr><td></td><th>%1</th><th>%2</th></tr>").arg(tr("Winter"), tr("Summer"));
    text += row.arg(tr("Temperature [°C]")).arg(winter.T, 0, 'f', 1).arg(summer.T, 0, 'f', 1);
    text += row.arg(tr("Relative humidity [%]")).arg(winter.rh, 0, 'f', 1).arg(summer.rh, 0, 'f', 1);
    text += row.arg(tr("Surface resistance [m²K/W]")).arg(winter.Rs, 0, 'f', 2).arg(summer.Rs, 0, 'f', 2);
    text += row.arg(tr("Period [d]")).arg(conditions.tT(), 0, 'f', 0).arg(conditions.tT_summer(), 0, 'f', 0);
    text += QStringLiteral("</table><p>%1</p>").arg(AssessmentConditions::typeName(conditions.type()));
    m_values->setText(text);
}
