#ifndef ColorButtonH
#define ColorButtonH

// A tool button filled with its colour. A click lets the user choose another one in the colour dialog.

#include <QColor>
#include <QToolButton>

class ColorButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget *parent = nullptr);

    const QColor &color() const { return m_color; }
    /*! Shows \a color; emits colorChanged() when it differs from the current one. */
    void setColor(const QColor &color);

signals:
    void colorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void chooseColor();

    QColor m_color = Qt::black;
};

#endif // ColorButtonH
