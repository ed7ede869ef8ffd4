#ifndef ConfigPrintDefaultsH
#define ConfigPrintDefaultsH

// Preferences page "Default Print Config": the report options (frames, page numbers, user logo, minimum
// thermal resistance, criteria options, default final remarks) with the same controls as the report preview.

#include <QHash>
#include <QWidget>

class DINCriteriaSettings;
class DryingReserveSettings;
class QCheckBox;
class QComboBox;
class QToolBox;
class Settings;
class TextEditWidget;
class UserLogoSettingsWidget;

class ConfigPrintDefaults : public QWidget {
    Q_OBJECT
public:
    explicit ConfigPrintDefaults(QWidget *parent = nullptr);

    void fill(const Settings &settings);
    bool store(Settings &settings);

private slots:
    void on_comboBoxMinHeatResVersion_currentIndexChanged(int index);

private:
    QWidget *generalAppearancePage();
    QWidget *inputDataPage();
    QWidget *resultsPage();
    QWidget *diagramsPage();
    QWidget *finalRemarksPage();
    /*! The check boxes of \a frameIds, entered in the check box map. */
    QList<QWidget *> frameCheckBoxes(const QVector<int> &frameIds);

    QToolBox *m_toolBox = nullptr;
    QHash<QCheckBox *, int> m_frameCheckBoxes;
    QCheckBox *m_pageNumbers = nullptr;
    UserLogoSettingsWidget *m_userLogo = nullptr;
    QComboBox *m_minHeatResVersion = nullptr;
    QComboBox *m_minHeatRes = nullptr;
    DINCriteriaSettings *m_criteriaSettings = nullptr;
    DryingReserveSettings *m_dryingReserve = nullptr;
    TextEditWidget *m_finalRemarks = nullptr;
};

#endif // ConfigPrintDefaultsH
