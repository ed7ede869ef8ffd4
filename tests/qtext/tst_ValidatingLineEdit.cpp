#include <QtTest>

#include <QtExt_ValidatingLineEdit.h>

#include <limits>

namespace {

/*! Accepts values up to a limit, with a message of its own (or none). */
class LimitValidator : public QtExt::ValidatorBase {
public:
    LimitValidator(double limit, const QString &message) : m_limit(limit), m_message(message) {}
    bool isValid(double value) override { return value <= m_limit; }
    QString errorMessage() const override { return m_message; }

private:
    double m_limit;
    QString m_message;
};

class PercentFormatter : public QtExt::FormatterBase {
public:
    QString formatted(double value) const override { return QString("%1 %").arg(value * 100); }
};

QColor baseColor(const QWidget &widget) {
    return widget.palette().color(QPalette::Active, QPalette::Base);
}

const double Largest = std::numeric_limits<double>::max();

} // namespace

class tst_ValidatingLineEdit : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void validity_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<bool>("minimumInclusive");
        QTest::addColumn<bool>("maximumInclusive");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("exclusive lower bound") << "C" << 0.0 << 100.0 << false << false << "0" << false << 7.0;
        QTest::newRow("exclusive upper bound") << "C" << 0.0 << 100.0 << false << false << "100" << false << 7.0;
        QTest::newRow("inside exclusive bounds") << "C" << 0.0 << 100.0 << false << false << "0.5" << true << 0.5;
        QTest::newRow("inclusive lower bound") << "C" << 0.0 << 100.0 << true << false << "0" << true << 0.0;
        QTest::newRow("inclusive upper bound") << "C" << 0.0 << 100.0 << false << true << "100" << true << 100.0;
        QTest::newRow("below inclusive bound") << "C" << 0.0 << 100.0 << true << true << "-1e-9" << false << 7.0;
        QTest::newRow("decimal comma in German") << "de_DE" << 0.0 << 100.0 << false << false << "1,5" << true << 1.5;
        QTest::newRow("decimal point in German") << "de_DE" << 0.0 << 100.0 << false << false << "1.5" << true << 1.5;
        QTest::newRow("scientific in German") << "de_DE" << 0.0 << 100.0 << false << false << "2,5e1" << true << 25.0;
        QTest::newRow("group separator in English")
            << "en_US" << 0.0 << 1e6 << false << false << "1,000" << false << 7.0;
        QTest::newRow("decimal comma in English") << "en_US" << 0.0 << 100.0 << false << false << "1,5" << false << 7.0;
        QTest::newRow("word") << "C" << -Largest << Largest << false << false << "abc" << false << 7.0;
        QTest::newRow("blank") << "C" << -Largest << Largest << false << false << "  " << false << 7.0;
        QTest::newRow("infinity in open range") << "C" << -Largest << Largest << true << true << "inf" << false << 7.0;
        QTest::newRow("not a number in closed range") << "C" << 0.0 << 100.0 << true << true << "nan" << false << 7.0;
    }

    void validity() {
        QFETCH(QString, locale);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(bool, minimumInclusive);
        QFETCH(bool, maximumInclusive);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        QLocale::setDefault(QLocale(locale));
        QtExt::ValidatingLineEdit edit;
        edit.setup(minimum, maximum, "Out of range", minimumInclusive, maximumInclusive);
        edit.setText("7");
        QVERIFY(edit.isValid());
        edit.setText(text);
        QCOMPARE(edit.isValid(), valid);
        QCOMPARE(edit.value(), value);
        QCOMPARE(baseColor(edit),
                 valid ? QtExt::ValidatingLineEdit::ValidColor : QtExt::ValidatingLineEdit::InvalidColor);
        QCOMPARE(edit.toolTip(), valid ? QString() : QString("Out of range"));
    }

    void emptyTextWhenAccepted() {
        QtExt::ValidatingLineEdit edit;
        edit.setup(0, 10, "Range");
        edit.setText("5");
        edit.setText(" ");
        QVERIFY(!edit.isValid());
        edit.setAcceptEmpty(true);
        QVERIFY(edit.isValid());
        QCOMPARE(edit.value(), 5.0);
    }

    void integerMode() {
        QtExt::ValidatingLineEdit edit;
        edit.setIntegerMode(true);
        edit.setText("2.5");
        QVERIFY(!edit.isValid());
        edit.setText("3");
        QVERIFY(edit.isValid());
        QCOMPARE(edit.value(), 3.0);
    }

    void externalValidatorReplacesTheRange() {
        QtExt::ValidatingLineEdit edit;
        edit.setup(0, 1, "Own message");
        edit.setValidator(new LimitValidator(50, "Validator message"));
        edit.setText("40");
        QVERIFY(edit.isValid());
        edit.setText("60");
        QCOMPARE(edit.toolTip(), QString("Validator message"));
        edit.setValidator(new LimitValidator(50, QString()));
        edit.updateColor();
        QCOMPARE(edit.toolTip(), QString("Own message"));
        edit.setValidator(nullptr);
        edit.setText("0.5");
        QVERIFY(edit.isValid());
    }

    void stateColours() {
        QtExt::ValidatingLineEdit edit;
        edit.setup(0, 1, "Range");
        edit.setDefaultToolTip("Between 0 and 1");
        edit.setText("5");
        QCOMPARE(baseColor(edit), QtExt::ValidatingLineEdit::InvalidColor);
        QCOMPARE(edit.toolTip(), QString("Range"));
        edit.setReadOnly(true);
        QCOMPARE(baseColor(edit), QtExt::ValidatingLineEdit::ReadOnlyColor);
        QCOMPARE(edit.toolTip(), QString("Between 0 and 1"));
        edit.setReadOnly(false);
        edit.setEnabled(false);
        QCOMPARE(baseColor(edit), QLineEdit().palette().color(QPalette::Active, QPalette::Base));
        QCOMPARE(edit.toolTip(), QString("Between 0 and 1"));
        edit.setEnabled(true);
        QCOMPARE(baseColor(edit), QtExt::ValidatingLineEdit::InvalidColor);
    }

    void setValue_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<char>("format");
        QTest::addColumn<int>("precision");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("automatic, fixed") << "C" << 'a' << 0 << 0.1 << "0.1";
        QTest::newRow("automatic, scientific") << "C" << 'a' << 0 << 1.5e-7 << "1.5e-07";
        QTest::newRow("automatic, German") << "de_DE" << 'a' << 0 << 1234.5 << "1234,5";
        QTest::newRow("fixed with precision") << "en_US" << 'f' << 2 << 1234.5 << "1234.50";
    }

    void setValue() {
        QFETCH(QString, locale);
        QFETCH(char, format);
        QFETCH(int, precision);
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        QtExt::ValidatingLineEdit edit;
        edit.setFormat(format, precision);
        QSignalSpy spy(&edit, &QLineEdit::textChanged);
        edit.setValue(value);
        QCOMPARE(edit.text(), text);
        QCOMPARE(spy.count(), 0);
        QVERIFY(edit.isValid());
        QCOMPARE(edit.value(), value);
    }

    void setValueWithFormatter() {
        QtExt::ValidatingLineEdit edit;
        edit.setFormatter(new PercentFormatter);
        edit.setValue(0.25);
        QCOMPARE(edit.text(), QString("25 %"));
    }

    void readOnlyFieldTakesAnyValue() {
        QtExt::ValidatingLineEdit edit;
        edit.setup(0, 1, "Range");
        edit.setReadOnly(true);
        edit.setValue(5);
        QCOMPARE(edit.value(), 5.0);
        QCOMPARE(baseColor(edit), QtExt::ValidatingLineEdit::ReadOnlyColor);
    }

    void editingFinishedSuccessfullyOnlyWhenValid() {
        QtExt::ValidatingLineEdit edit;
        edit.setup(0, 10, "Range");
        QSignalSpy finished(&edit, &QLineEdit::editingFinished);
        QSignalSpy successfully(&edit, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully);
        edit.setText("20");
        QTest::keyClick(&edit, Qt::Key_Return);
        edit.setText("2");
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(successfully.count(), 1);
        QCOMPARE(edit.value(), 2.0);
    }
};

QTEST_MAIN(tst_ValidatingLineEdit)
#include "tst_ValidatingLineEdit.moc"
