#include "VariantStudyDialog.h"

#include "V2_UndoStudyCommands.h"

#include <calculation/VariantStudyCsv.h>
#include <model/Project.h>
#include <model/ReportSettings.h>
#include <model/SafeFileWriter.h>
#include <visualisation/StudyChartView.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

using Q = VariantStudy::Quantity;

const Q Quantities[] = {Q::Width, Q::SdValue, Q::Lambda, Q::Mu, Q::Aw, Q::InsideTemperature, Q::InsideHumidity};

/*! A number typed in the window's language or with a decimal point. */
std::optional<double> number(const QString &text) {
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

/*! The project's current value of \a quantity in the model's units, as VariantStudy::apply() sets it. */
double currentValue(const InputData &input, Q quantity, int layerIndex) {
    const AssessmentConditions &conditions = input.conditions();
    if (quantity == Q::InsideHumidity)
        return conditions.interiorWinter().rh;
    if (quantity == Q::InsideTemperature)
        return conditions.interiorWinter().T;
    const MaterialLayer &layer = input.layers()[layerIndex];
    switch (quantity) {
    case Q::Width: return layer.width();
    case Q::SdValue: return layer.sd_value() > 0 ? layer.sd_value() : layer.mu() * layer.width();
    case Q::Lambda: return layer.material().lambda();
    case Q::Mu: return layer.mu();
    case Q::Aw: return layer.Aw() * 60; // per h^0.5
    default: return 0;
    }
}

QString shown(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

VariantStudyDialog::VariantStudyDialog(Project &project, QUndoStack *undoStack, const ReportSettings &criteria,
                                       QWidget *parent)
    : QDialog(parent), m_project(project), m_undoStack(undoStack), m_criteria(criteria) {
    setWindowTitle(tr("Variant study"));
    buildForm();
    // Every edit of the project, an applied value included, gives a new base for the study.
    connect(&m_project, &Project::modified, this, [this](Project::ModificationType type) {
        if (type == Project::ModificationType::AllModified && isVisible())
            calculate();
    });
    updateUnits();
    suggestRange();
}

void VariantStudyDialog::buildForm() {
    m_quantity = new QComboBox;
    for (Q quantity : Quantities)
        m_quantity->addItem(VariantStudy::quantityText(quantity), int(quantity));
    m_layer = new QSpinBox;
    m_layer->setMinimum(1);
    m_rangeMode = new QRadioButton(tr("Range from"));
    m_rangeMode->setChecked(true);
    auto *listMode = new QRadioButton(tr("Values"));
    m_from = new QLineEdit;
    m_to = new QLineEdit;
    m_steps = new QSpinBox;
    m_steps->setRange(2, 1000);
    m_steps->setValue(10);
    m_list = new QLineEdit;
    m_list->setPlaceholderText(tr("for example 20; 40; 60"));
    m_unit = new QLabel;

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Quantity")), 0, 0);
    grid->addWidget(m_quantity, 0, 1);
    grid->addWidget(new QLabel(tr("Layer")), 0, 2);
    grid->addWidget(m_layer, 0, 3);
    grid->addWidget(m_unit, 0, 4, 1, 3);
    grid->addWidget(m_rangeMode, 1, 0);
    grid->addWidget(m_from, 1, 1);
    grid->addWidget(new QLabel(tr("to")), 1, 2);
    grid->addWidget(m_to, 1, 3);
    grid->addWidget(new QLabel(tr("Steps")), 1, 4);
    grid->addWidget(m_steps, 1, 5);
    grid->addWidget(listMode, 2, 0);
    grid->addWidget(m_list, 2, 1, 1, 5);

    auto *calculateButton = new QPushButton(tr("Calculate"));
    m_findLimit = new QPushButton(tr("Find limit"));
    m_findLimit->setCheckable(true);
    m_apply = new QPushButton(tr("Apply value"));
    m_apply->setToolTip(tr("Sets the value of the selected row in the project (undoable)"));
    auto *exportTable = new QPushButton(tr("Export table..."));
    auto *exportChart = new QPushButton(tr("Export chart..."));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {calculateButton, m_findLimit, m_apply, exportTable, exportChart})
        buttons->addWidget(button);
    buttons->addStretch();
    // Object names as in the program's forms, for the window's tests.
    m_quantity->setObjectName(QStringLiteral("comboBoxQuantity"));
    m_from->setObjectName(QStringLiteral("lineEditFrom"));
    m_to->setObjectName(QStringLiteral("lineEditTo"));
    m_list->setObjectName(QStringLiteral("lineEditValues"));
    m_steps->setObjectName(QStringLiteral("spinBoxSteps"));
    m_findLimit->setObjectName(QStringLiteral("pushButtonFindLimit"));

    m_chart = new StudyChartView;
    m_table = new QTableWidget;
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_chart);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    m_message = new QLabel;
    m_message->setWordWrap(true);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_message);
    layout->addWidget(close);
    resize(900, 760);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(calculateButton, &QPushButton::clicked, this, &VariantStudyDialog::calculate);
    connect(m_findLimit, &QPushButton::toggled, this, &VariantStudyDialog::calculate);
    connect(m_apply, &QPushButton::clicked, this, &VariantStudyDialog::applyValue);
    connect(exportTable, &QPushButton::clicked, this, &VariantStudyDialog::exportCsv);
    connect(exportChart, &QPushButton::clicked, this, &VariantStudyDialog::exportPlot);
    connect(m_quantity, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        updateUnits();
        suggestRange();
    });
    connect(m_layer, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] {
        updateUnits();
        suggestRange();
    });
    connect(m_steps, QOverload<int>::of(&QSpinBox::valueChanged), this, &VariantStudyDialog::calculate);
    for (QLineEdit *edit : {m_from, m_to, m_list})
        connect(edit, &QLineEdit::textChanged, this, &VariantStudyDialog::calculate);
    connect(m_rangeMode, &QRadioButton::toggled, this, &VariantStudyDialog::calculate);
}

void VariantStudyDialog::setLayer(int layerIndex) {
    m_layer->setValue(layerIndex + 1);
}

const StudyChart::Content &VariantStudyDialog::chart() const {
    return m_chart->content();
}

Q VariantStudyDialog::quantity() const {
    return Q(m_quantity->currentData().toInt());
}

double VariantStudyDialog::displayFactor() const {
    return quantity() == Q::Width ? 1000 : 1;
}

void VariantStudyDialog::updateUnits() {
    const Document *document = m_project.document();
    const int layers = document ? document->inputData().layers().size() : 0;
    m_layer->setMaximum(std::max(1, layers));
    const bool layerQuantity = VariantStudy::isLayerQuantity(quantity());
    m_layer->setEnabled(layerQuantity);
    QString text = tr("Unit: %1").arg(quantity() == Q::Width ? QStringLiteral("mm") : VariantStudy::unit(quantity()));
    if (layerQuantity && document && m_layer->value() <= layers)
        text += QStringLiteral("   ") + document->inputData().layers()[m_layer->value() - 1].name();
    m_unit->setText(text);
}

void VariantStudyDialog::suggestRange() {
    const Document *document = m_project.document();
    const Q q = quantity();
    if (!document || (VariantStudy::isLayerQuantity(q) && m_layer->value() > document->inputData().layers().size()))
        return;
    const double current = currentValue(document->inputData(), q, m_layer->value() - 1) * displayFactor();
    double from = current / 2, to = current * 2;
    if (q == Q::InsideHumidity) {
        from = 40;
        to = 80;
    }
    else if (q == Q::InsideTemperature) {
        from = current - 5;
        to = current + 5;
    }
    else if (!(current > 0)) {
        from = 0;
        to = 1;
    }
    // One calculation for the pair, not one per field.
    {
        const QSignalBlocker blockFrom(m_from);
        m_from->setText(QLocale().toString(from, 'g', 4));
    }
    m_to->setText(QLocale().toString(to, 'g', 4));
}

std::vector<double> VariantStudyDialog::values(QString &errorText) const {
    std::vector<double> result;
    const double factor = displayFactor();
    if (m_rangeMode->isChecked()) {
        const std::optional<double> from = number(m_from->text());
        const std::optional<double> to = number(m_to->text());
        if (!from || !to || !std::isfinite(*to - *from)) {
            errorText = tr("Enter the first and the last value of the range.");
            return result;
        }
        return VariantStudy::linearValues(*from / factor, *to / factor, m_steps->value());
    }
    // Semicolons separate the values, so that a decimal comma stays a decimal comma.
    for (const QString &item : m_list->text().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const std::optional<double> value = number(item);
        if (!value) {
            errorText = tr("'%1' is not a number.").arg(item.trimmed());
            return {};
        }
        result.push_back(*value / factor);
    }
    if (result.empty())
        errorText = tr("Enter values separated by semicolons.");
    return result;
}

void VariantStudyDialog::calculate() {
    const Document *document = m_project.document();
    QString errorText;
    const std::vector<double> studyValues = values(errorText);
    m_rows.clear();
    m_limit.reset();
    if (!document || studyValues.empty()) {
        fillTable();
        showMessage(errorText);
        return;
    }
    VariantStudy study(document->inputData(), document->projectInformation().m_heatFlowDirection, m_criteria,
                       quantity(), m_layer->value());
    if (!study.problem().isEmpty()) {
        fillTable();
        showMessage(study.problem());
        return;
    }
    m_rows = study.run(studyValues);
    QString message = study.warning();
    if (m_findLimit->isChecked()) {
        m_limit = study.findLimit(m_rows);
        // The refined values join the table, so that the limit can be applied like any other row.
        for (const VariantStudy::Change &change : m_limit->changes) {
            m_rows.push_back(study.evaluate(change.passing));
            m_rows.push_back(study.evaluate(change.failing));
        }
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const VariantStudy::Row &a, const VariantStudy::Row &b) { return a.value < b.value; });
    const QString layerName = VariantStudy::isLayerQuantity(quantity())
                                  ? document->inputData().layers()[m_layer->value() - 1].name()
                                  : QString();
    StudyChart::Content content =
        StudyChart::content(m_rows, m_limit ? &*m_limit : nullptr, quantity(),
                            VariantStudy::isLayerQuantity(quantity()) ? m_layer->value() : 0, layerName);
    m_chart->setContent(content);
    fillTable();
    if (m_limit) {
        const QString unit = quantity() == Q::Width ? QStringLiteral("mm") : VariantStudy::unit(quantity());
        QStringList lines;
        for (const VariantStudy::Change &change : m_limit->changes)
            lines << tr("Limit: fulfilled at %1 %3, not fulfilled at %2 %3 (%4).")
                         .arg(QLocale().toString(change.passing * displayFactor(), 'g', 6),
                              QLocale().toString(change.failing * displayFactor(), 'g', 6), unit,
                              VariantStudy::flippedText(change));
        if (lines.isEmpty())
            lines << (m_limit->kind == VariantStudy::Limit::AllPass ? tr("Every judged value fulfils all requirements.")
                      : m_limit->kind == VariantStudy::Limit::NonePass ? tr("No judged value fulfils all requirements.")
                                                                       : tr("No value could be judged."));
        message += (message.isEmpty() ? QString() : QStringLiteral("\n")) + lines.join(QLatin1Char('\n'));
    }
    showMessage(message);
}

void VariantStudyDialog::fillTable() {
    const QString unit = quantity() == Q::Width ? QStringLiteral("mm") : VariantStudy::unit(quantity());
    const QStringList heads{VariantStudy::quantityText(quantity()) + QStringLiteral(" [") + unit + QLatin1Char(']'),
                            tr("U [W/(m²K)]"),
                            tr("M_c [kg/m²]"),
                            tr("Drying time [d]"),
                            tr("Basis"),
                            tr("All fulfilled"),
                            tr("Result")};
    m_table->clear();
    m_table->setColumnCount(heads.size());
    m_table->setHorizontalHeaderLabels(heads);
    m_table->setRowCount(int(m_rows.size()));
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const VariantStudy::Row &row = m_rows[size_t(i)];
        bool limitRow = false;
        if (m_limit)
            for (const VariantStudy::Change &change : m_limit->changes)
                limitRow = limitRow || row.value == change.passing || row.value == change.failing;
        const bool figures = row.isValid() && row.basis.scope == CriteriaBasis::Scope::All &&
                             row.resultCode != ResultCode::CondensationLeftSurface &&
                             row.resultCode != ResultCode::CondensationRightSurface;
        const QStringList cells{QLocale().toString(row.value * displayFactor(), 'g', 6),
                                row.isValid() ? shown(row.U, 3) : QString(),
                                figures ? shown(row.Mc, 3) : QString(),
                                figures ? shown(row.dryingTimeDays, 1) : QString(),
                                row.isValid() ? (row.basis.isGlaser() ? tr("Glaser") : tr("moisture-dependent"))
                                              : QString(),
                                VariantStudyCsv::verdict(row.allFulfilled),
                                (limitRow ? tr("limit: ") : QString()) + VariantStudy::resultText(row)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            QFont font = item->font();
            font.setBold(limitRow);
            item->setFont(font);
            if (column == 5 && row.allFulfilled)
                item->setForeground(*row.allFulfilled ? QColor(0, 120, 0) : QColor(200, 0, 0));
            m_table->setItem(i, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
}

void VariantStudyDialog::showMessage(const QString &text) {
    m_message->setText(text);
}

void VariantStudyDialog::applyValue() {
    const int index = m_table->currentRow();
    if (index < 0 || index >= int(m_rows.size()) || !m_project.document()) {
        showMessage(tr("Select the row whose value is to be applied."));
        return;
    }
    const double value = m_rows[size_t(index)].value;
    const QString text =
        tr("%1 set to %2")
            .arg(VariantStudy::quantityText(quantity()), QLocale().toString(value * displayFactor(), 'g', 6));
    m_undoStack->push(new V2_UndoStudyValue(m_project, text, quantity(), m_layer->value() - 1, value));
}

void VariantStudyDialog::exportCsv() {
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Export study table"), QString(), tr("CSV files (*.csv)"));
    if (fileName.isEmpty())
        return;
    const QString header = VariantStudy::quantityText(quantity()) + QStringLiteral(" [") +
                           VariantStudy::unit(quantity()) + QLatin1Char(']');
    QString errorText;
    if (!SafeFileWriter::write(fileName, VariantStudyCsv::text(header, m_rows, m_limit ? &*m_limit : nullptr),
                               &errorText))
        QMessageBox::critical(this, tr("Export study table"), errorText);
}

void VariantStudyDialog::exportPlot() {
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Export study chart"), QString(), tr("Pictures (*.png *.svg *.pdf)"));
    if (fileName.isEmpty())
        return;
    QByteArray picture;
    QString errorText = tr("Choose a file name ending in .png, .svg or .pdf.");
    if (!StudyChart::encode(QFileInfo(fileName).suffix().toLower(), StudyChart::Paper(), m_chart->content(), picture) ||
        !SafeFileWriter::write(fileName, picture, &errorText))
        QMessageBox::critical(this, tr("Export study chart"), errorText);
}
