#ifndef AboutDialogH
#define AboutDialogH

// The about box: program name, version, subtitle and the contact links in white on the start picture, which
// continues below the picture as a darkening band. Links open through the desktop services.

#include <QDialog>
#include <QImage>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void label_linkActivated(const QString &link);
    void on_actionHelp_triggered();

private:
    QImage m_picture;
};

#endif // AboutDialogH
