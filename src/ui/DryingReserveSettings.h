#ifndef DryingReserveSettingsH
#define DryingReserveSettingsH

// Option panel of the drying reserve check of DIN 68800-2: none, 100 g/(m²a) for ceilings and walls,
// 250 g/(m²a) for roofs or a custom value. Embedded by the print dialog and the preferences; signals the chosen
// reserve in kg/(m²a). It never changes the project.

#include <QWidget>

namespace Ui {
class DryingReserveSettings;
}

class DryingReserveSettings : public QWidget {
    Q_OBJECT
public:
    explicit DryingReserveSettings(QWidget *parent = nullptr);
    ~DryingReserveSettings() override;

    /*! Chooses the option of \a value in g/(m²a): none up to 1e-10, 100 or 250 within 1e-10, else custom. */
    void setDryingReserve(double value);
    /*! The chosen reserve in kg/(m²a). */
    double dryingReserve() const;
    /*! Without condensation no reserve applies: only "none" can be chosen and a message says why. */
    void setNoCondensation(bool noCondensation);

signals:
    void dryingReserveChanged(double value);

public slots:
    void radioButtonClicked();
    void on_pushButtonUpdate_clicked();

private:
    void updateState();

    Ui::DryingReserveSettings *m_ui;
};

#endif // DryingReserveSettingsH
