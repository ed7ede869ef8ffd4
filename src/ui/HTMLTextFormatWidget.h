#ifndef HTMLTextFormatWidgetH
#define HTMLTextFormatWidgetH

// A row of exclusive buttons choosing a text format: headings H1 to H4, normal or small text. Its value is the
// index of the checked button (H1 0 ... Small 5), the order of Report::TextFormat.

#include <QWidget>

class QButtonGroup;

class HTMLTextFormatWidget : public QWidget {
    Q_OBJECT
public:
    explicit HTMLTextFormatWidget(QWidget *parent = nullptr);

    /*! Index of the checked button; 0 when none is checked. */
    int format() const;
    /*! Checks the button of \a format without signalling; an index out of range checks none. */
    void setFormat(int format);

signals:
    void changed();

private slots:
    void buttonClicked();

private:
    QButtonGroup *m_buttons;
};

#endif // HTMLTextFormatWidgetH
