#ifndef ConfigPageGeneralH
#define ConfigPageGeneralH

// Preferences page "General Settings": unit of the water absorption coefficient, start-up mode, unit of
// layer widths and the directory of the user databases.

#include <QWidget>

class QComboBox;
class QLineEdit;
class Settings;

class ConfigPageGeneral : public QWidget {
    Q_OBJECT
public:
    explicit ConfigPageGeneral(QWidget *parent = nullptr);

    void fill(const Settings &settings);
    /*! Stores the page into \a settings; false (after telling the user why, nothing stored) when the
        directory cannot hold the user databases. */
    bool store(Settings &settings);

private slots:
    void chooseDirectory();

private:
    /*! Empty when \a directory can hold the user databases, else the title and text of the refusal. */
    static QStringList directoryProblem(const QString &directory);

    QComboBox *m_awUnit = nullptr;
    QComboBox *m_startUp = nullptr;
    QComboBox *m_widthUnit = nullptr;
    QLineEdit *m_userDirectory = nullptr;
};

#endif // ConfigPageGeneralH
