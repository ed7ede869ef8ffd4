#ifndef DINCriteriaSettingsH
#define DINCriteriaSettingsH

// Option panel of the DIN 4108-3 validity check: the edition (or user defined limits), the water absorption
// limits of non-capillary and capillary-active materials (shown per h^0.5, kept per s^0.5) and the one- or
// two-sided check. Embedded by the print dialog (the project's choices) and the preferences (the defaults);
// fills and reads an assessment choices record on request and signals every finished change. It never changes
// the project.

#include <QWidget>

namespace Ui {
class DINCriteriaSettings;
}

class AssessmentChoices;

class DINCriteriaSettings : public QWidget {
    Q_OBJECT
public:
    /*! Shows the default criteria settings until setSettings() is called. */
    explicit DINCriteriaSettings(QWidget *parent = nullptr);
    ~DINCriteriaSettings() override;

    /*! Shows the edition, the side check and both limits of \a settings; a standard edition shows its own
        non-capillary limit, the user-defined one that of \a settings. */
    void setSettings(const AssessmentChoices &settings);
    /*! Writes the shown edition, side check and limits into \a settings; the non-capillary limit only for the
        user-defined edition, which alone uses it. Other fields stay. */
    void getSettings(AssessmentChoices &settings) const;

signals:
    void DINCriteriaSettingsChanged();

public slots:
    void on_radioButtonUserDefined_clicked();
    void on_radioButtonDIN4108_3_2001_clicked();
    void on_radioButtonDIN4108_3_2014_clicked();
    void on_radioButtonDIN4108_3_2018_clicked();
    void valueChanged();

private:
    /*! Puts the edition's standard limit into the read-only non-capillary field and signals. */
    void chooseStandardEdition(int edition);

    Ui::DINCriteriaSettings *m_ui;
    /*! User-defined non-capillary limit in kg/(m2 h^0.5), shown again when "User defined" is chosen. */
    double m_userDefinedAw = 0;
};

#endif // DINCriteriaSettingsH
