#include "LayerSummaryPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <app/Settings.h>
#include <model/Project.h>

namespace {

QString widthUnitName(int unit) {
    switch (unit) {
    case 1: return QStringLiteral("m");
    case 10: return QStringLiteral("dm");
    case 100: return QStringLiteral("cm");
    default: return QStringLiteral("mm");
    }
}

} // namespace

LayerSummaryPage::LayerSummaryPage(const Project &project, QWidget *parent)
    : QWidget(parent), m_project(project), m_title(new QLabel(this)), m_values(new QLabel(this)),
      m_widthLabel(new QLabel(this)), m_widthEdit(new QLineEdit(this)) {
    setObjectName(QStringLiteral("layerSummaryPage"));
    m_widthEdit->setObjectName(QStringLiteral("lineEditWidth"));
    m_widthEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_widthEdit->setReadOnly(true);
    m_widthLabel->setBuddy(m_widthEdit);
    m_title->setTextFormat(Qt::RichText);
    m_title->setWordWrap(true);
    m_values->setTextFormat(Qt::RichText);
    m_values->setWordWrap(true);
    auto *note = new QLabel(tr("The layer editor (material values, name and colour) will come here; "
                               "until then the values are read-only."),
                            this);
    note->setWordWrap(true);
    note->setEnabled(false);
    auto *form = new QFormLayout;
    form->addRow(m_widthLabel, m_widthEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(form);
    layout->addWidget(m_values);
    layout->addStretch(1);
    layout->addWidget(note);
}

void LayerSummaryPage::setLayer(int index) {
    m_layerIndex = index;
    if (!m_project.hasDocument() || index < 0 || index >= m_project.document()->inputData().layers().size())
        return;
    const Document &document = *m_project.document();
    const MaterialLayer &layer = document.inputData().layers()[index];
    const int unit = Settings::instance().m_layerWidthUnit;
    m_title->setText(tr("<b>Layer %L1:</b> %2").arg(index + 1).arg(layer.name().toHtmlEscaped()));
    m_widthLabel->setText(tr("Layer width [%1]:").arg(widthUnitName(unit)));
    m_widthEdit->setAccessibleName(m_widthLabel->text());
    const QSignalBlocker blocker(m_widthEdit);
    m_widthEdit->setText(QLocale().toString(layer.width() * unit, 'g', 15));
    const QString row = QStringLiteral("<tr><td>%1</td><td align=right>%L2</td></tr>");
    QString text = QStringLiteral("<table cellspacing=3>");
    text += row.arg(tr("Thermal conductivity [W/(m·K)]"))
                .arg(layer.lambda(document.projectInformation().m_heatFlowDirection), 0, 'g', 4);
    text += row.arg(tr("Vapour diffusion resistance factor [-]")).arg(layer.mu(), 0, 'g', 6);
    text += row.arg(tr("Density [kg/m³]")).arg(layer.rho(), 0, 'g', 6);
    m_values->setText(text + QStringLiteral("</table>"));
}
