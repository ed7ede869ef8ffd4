#ifndef QtExt_ValidatingLineEditH
#define QtExt_ValidatingLineEditH

// Numeric input field of every editor: parses its text in the user's locale, checks it against a range or an
// external validator, colours itself by its state (valid, invalid, read-only), shows why a value is invalid as
// tool tip and announces a finished valid edit with editingFinishedSuccessfully(). Undo commands read value().

#include "QtExt_ValidatingInputBase.h"

#include <QLineEdit>

namespace QtExt {

class ValidatingLineEdit : public QLineEdit, public ValidatingInputBase {
    Q_OBJECT
public:
    /*! Base colour of a valid, editable value. */
    static const QColor ValidColor;
    /*! Base colour of an invalid value. */
    static const QColor InvalidColor;
    /*! Base colour of a read-only field. */
    static const QColor ReadOnlyColor;

    explicit ValidatingLineEdit(QWidget *parent = nullptr);

    // The external number validator, not the line edit's text validator.
    using ValidatingInputBase::setValidator;
    using ValidatingInputBase::validator;

    /*! Shows \a value (formatter or number format) without emitting text signals and refreshes the colour. A
        read-only or disabled field also takes it as its last valid value. */
    void setValue(double value);
    /*! True when the current text holds a valid number; that number becomes the last valid value. */
    bool isValid();
    /*! Tool tip while the value is valid or the field is read-only; empty by default. An invalid value shows
        its error message instead. */
    void setDefaultToolTip(const QString &toolTip);
    /*! Checks the text again and refreshes colour and tool tip, for instance after a validator's reference
        value changed. */
    void updateColor();

signals:
    /*! Editing finished with a valid text. */
    void editingFinishedSuccessfully();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setBaseColor(const QColor &color);
    void onEditingFinished();

    QString m_defaultToolTip;
};

} // namespace QtExt

#endif // QtExt_ValidatingLineEditH
