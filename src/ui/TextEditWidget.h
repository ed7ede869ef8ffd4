#ifndef TextEditWidgetH
#define TextEditWidgetH

// A small rich-text editor: font, size, bold, italic, underline and colour of the selection (or of what is typed
// next) and the heading level of the paragraph above the text. The print dialog and the preferences edit the
// report's final remarks with it.

#include <QWidget>

class ColorButton;
class QComboBox;
class QFontComboBox;
class QHBoxLayout;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

class TextEditWidget : public QWidget {
    Q_OBJECT
public:
    explicit TextEditWidget(QWidget *parent = nullptr);

    QString html() const;
    /*! Shows \a html without signalling a change. */
    void setHtml(const QString &html);
    QTextEdit *textEdit() const { return m_textEdit; }

signals:
    /*! The user changed the text or its formatting. */
    void textChanged();

private slots:
    void on_textEdit_textChanged();

private:
    /*! H1, H2, H3 and Normal: the format of the paragraph at the cursor. */
    void addHeadingButtons(QHBoxLayout *tools);
    /*! Makes the paragraph at the cursor a heading <h1>…<h3> for \a level 1…3; level 0 makes it plain text. */
    void setParagraphHeading(int level);
    QToolButton *addToggle(const char *name, const QString &text, const QString &toolTip);
    /*! Applies \a format to the selection, or to the word under the cursor when nothing is selected. */
    void mergeFormat(const QTextCharFormat &format);
    /*! Shows the format at the cursor in the controls. */
    void showFormat(const QTextCharFormat &format);

    QTextEdit *m_textEdit;
    QFontComboBox *m_fontComboBox;
    QComboBox *m_comboBoxFontSize;
    QToolButton *m_bold;
    QToolButton *m_italic;
    QToolButton *m_underline;
    ColorButton *m_color;
};

#endif // TextEditWidgetH
