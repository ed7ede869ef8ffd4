#ifndef UserLogoSettingsWidgetH
#define UserLogoSettingsWidgetH

// The user's logo in the report: where it goes (none, page header, beside the project information), its image
// file and its width or height. Used by the print dialog and the report defaults of the preferences; signals
// every change.

#include <model/UserLogoSettings.h>

#include <QWidget>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

class UserLogoSettingsWidget : public QWidget {
    Q_OBJECT
public:
    explicit UserLogoSettingsWidget(QWidget *parent = nullptr);

    /*! Shows \a settings without signalling. */
    void setSettings(const UserLogoSettings &settings);
    UserLogoSettings settings() const;
    /*! Takes \a path as the logo's image file and signals. */
    void setLogoPath(const QString &path);

signals:
    void changed();

private slots:
    void on_toolButtonLogoPath_clicked();

private:
    void updateState();
    void emitChanged();

    QComboBox *m_position;
    QLabel *m_path;
    QRadioButton *m_width;
    QRadioButton *m_height;
    QSpinBox *m_widthSize;
    QSpinBox *m_heightSize;
    bool m_signalling = true;
};

#endif // UserLogoSettingsWidgetH
