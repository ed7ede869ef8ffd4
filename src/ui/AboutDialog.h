#ifndef AboutDialogH
#define AboutDialogH

// The about box: program name, version and subtitle on the start picture.

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

#endif // AboutDialogH
