#ifndef DINCriteriaSettingsH
#define DINCriteriaSettingsH

// Option panel of the DIN 4108-3 validity check: the edition (or user defined limits), the water absorption
// limits of non-capillary and capillary-active materials (shown per h^0.5, kept per s^0.5) and the one- or
// two-sided check. Embedded by the print dialog and the preferences; fills and reads the criteria fields of a
// report settings record on request and signals every change. It never changes the project.

#include <QWidget>

namespace Ui {
class DINCriteriaSettings;
}

class ReportSettings;

class DINCriteriaSettings : public QWidget {
    Q_OBJECT
public:
    /*! Shows the default criteria settings until setSettings() is called. */
    explicit DINCriteriaSettings(QWidget *parent = nullptr);
    ~DINCriteriaSettings() override;

    /*! Shows the edition, the side check and both limits of \a settings. */
    void setSettings(const ReportSettings &settings);
    /*! Writes the shown edition, side check and limits into \a settings; other fields stay. */
    void getSettings(ReportSettings &settings) const;

signals:
    void DINCriteriaSettingsChanged();

public slots:
    void on_radioButtonUserDefined_clicked();
    void on_radioButtonDIN4108_3_2001_clicked();
    void on_radioButtonDIN4108_3_2014_clicked();
    void on_radioButtonDIN4108_3_2018_clicked();
    void valueChanged();
    void valueTextChanged(const QString &text);

private:
    /*! Puts the edition's standard limit into the read-only non-capillary field and signals. */
    void chooseStandardEdition(int edition);

    Ui::DINCriteriaSettings *m_ui;
};

#endif // DINCriteriaSettingsH
