#include "TextEditWidget.h"

#include "ColorButton.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TextEditWidget::TextEditWidget(QWidget *parent)
    : QWidget(parent), m_textEdit(new QTextEdit(this)), m_fontComboBox(new QFontComboBox(this)),
      m_comboBoxFontSize(new QComboBox(this)), m_color(new ColorButton(this)) {
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    m_textEdit->setAccessibleName(tr("Text"));
    m_fontComboBox->setObjectName(QStringLiteral("fontComboBox"));
    m_fontComboBox->setAccessibleName(tr("Font"));
    m_comboBoxFontSize->setObjectName(QStringLiteral("comboBoxFontSize"));
    m_comboBoxFontSize->setAccessibleName(tr("Font size"));
    m_comboBoxFontSize->setEditable(true);
    for (int size : QFontDatabase::standardSizes())
        m_comboBoxFontSize->addItem(QString::number(size));
    m_bold = addToggle("toolButtonBold", tr("B"), tr("Bold"));
    m_italic = addToggle("toolButtonItalic", tr("I"), tr("Italic"));
    m_underline = addToggle("toolButtonUnderline", tr("U"), tr("Underline"));
    m_color->setObjectName(QStringLiteral("toolButtonColor"));
    m_color->setToolTip(tr("Text colour"));
    m_color->setAccessibleName(tr("Text colour"));

    // Two rows, so that the editor does not widen the option pages it sits on.
    auto *fonts = new QHBoxLayout;
    fonts->addWidget(m_fontComboBox, 1);
    fonts->addWidget(m_comboBoxFontSize);
    auto *tools = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{m_bold, m_italic, m_underline, m_color})
        tools->addWidget(w);
    addHeadingButtons(tools);
    tools->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fonts);
    layout->addLayout(tools);
    layout->addWidget(m_textEdit);

    connect(m_fontComboBox, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        QTextCharFormat format;
        format.setFontFamily(font.family());
        mergeFormat(format);
    });
    connect(m_comboBoxFontSize, &QComboBox::textActivated, this, [this](const QString &text) {
        const double size = text.toDouble();
        if (size <= 0)
            return;
        QTextCharFormat format;
        format.setFontPointSize(size);
        mergeFormat(format);
    });
    connect(m_bold, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(format);
    });
    connect(m_italic, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        mergeFormat(format);
    });
    connect(m_underline, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        mergeFormat(format);
    });
    connect(m_color, &ColorButton::colorChanged, this, [this](const QColor &color) {
        QTextCharFormat format;
        format.setForeground(color);
        mergeFormat(format);
    });
    connect(m_textEdit, &QTextEdit::currentCharFormatChanged, this, &TextEditWidget::showFormat);
    QMetaObject::connectSlotsByName(this);
    showFormat(m_textEdit->currentCharFormat());
}

QString TextEditWidget::html() const {
    return m_textEdit->toHtml();
}

void TextEditWidget::setHtml(const QString &html) {
    const QSignalBlocker blocker(m_textEdit);
    m_textEdit->setHtml(html);
}

void TextEditWidget::on_textEdit_textChanged() {
    emit textChanged();
}

void TextEditWidget::addHeadingButtons(QHBoxLayout *tools) {
    const std::pair<const char *, int> headings[] = {
        {"toolButtonH1", 1}, {"toolButtonH2", 2}, {"toolButtonH3", 3}, {"toolButtonNormal", 0}};
    for (const auto &heading : headings) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(heading.first));
        const int level = heading.second;
        button->setText(level ? tr("H%1").arg(level) : tr("N"));
        const QString toolTip = level ? tr("Heading %1").arg(level) : tr("Normal text");
        button->setToolTip(toolTip);
        button->setAccessibleName(toolTip);
        connect(button, &QToolButton::clicked, this, [this, level] { setParagraphHeading(level); });
        tools->addWidget(button);
    }
}

void TextEditWidget::setParagraphHeading(int level) {
    // The formats the HTML reader gives "<hN>text</hN>", so that the paragraph is saved as that heading.
    QTextBlockFormat blockFormat;
    QTextCharFormat charFormat;
    if (level > 0) {
        QTextDocument sample;
        sample.setHtml(QStringLiteral("<h%1>x</h%1>").arg(level));
        blockFormat = sample.firstBlock().blockFormat();
        charFormat = sample.firstBlock().begin().fragment().charFormat();
    }
    QTextCursor cursor = m_textEdit->textCursor();
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(charFormat);
    cursor.setCharFormat(charFormat);
    cursor.endEditBlock();
    m_textEdit->setFocus();
}

QToolButton *TextEditWidget::addToggle(const char *name, const QString &text, const QString &toolTip) {
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setCheckable(true);
    return button;
}

void TextEditWidget::mergeFormat(const QTextCharFormat &format) {
    QTextCursor cursor = m_textEdit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_textEdit->mergeCurrentCharFormat(format);
    m_textEdit->setFocus();
}

void TextEditWidget::showFormat(const QTextCharFormat &format) {
    const QSignalBlocker fontBlocker(m_fontComboBox);
    const QSignalBlocker colorBlocker(m_color);
    m_fontComboBox->setCurrentFont(format.font());
    m_comboBoxFontSize->setCurrentText(QString::number(format.font().pointSize()));
    m_bold->setChecked(format.font().bold());
    m_italic->setChecked(format.font().italic());
    m_underline->setChecked(format.font().underline());
    m_color->setColor(format.foreground().color());
}
