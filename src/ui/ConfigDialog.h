#ifndef ConfigDialogH
#define ConfigDialogH

// The preferences: a list of pages on the left, the chosen page on the right. Every page fills itself from
// the settings when the dialog is shown; accepting stores the pages in order and stays open on the first
// page that refuses its values.

#include <QDialog>

class ConfigPageGeneral;
class ConfigPageProjectInformation;
class ConfigPrintDefaults;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class Settings;

class ConfigDialog : public QDialog {
    Q_OBJECT
public:
    ConfigDialog(Settings &settings, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void pageChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void changesAccepted();

private:
    void addPage(QWidget *page, const QString &icon, const QString &text);

    Settings &m_settings;
    QListWidget *m_pageList = nullptr;
    QStackedWidget *m_pages = nullptr;
    ConfigPageGeneral *m_general = nullptr;
    ConfigPageProjectInformation *m_projectInformation = nullptr;
    ConfigPrintDefaults *m_printDefaults = nullptr;
};

#endif // ConfigDialogH
