#ifndef ReportOptionControlsH
#define ReportOptionControlsH

// The report option controls that the report preview dialog and the report defaults of the preferences both
// show: the one list of frame check boxes (frame id, object name, caption), the page number check box and the
// two combo boxes of the DIN 4108-2 minimum thermal resistance check.

#include <QCoreApplication>
#include <QVector>

class QCheckBox;
class QComboBox;
class QString;
class QToolBox;
class QWidget;

class ReportOptionControls {
    Q_DECLARE_TR_FUNCTIONS(ReportOptionControls)
public:
    /*! Frame ids of the check boxes, grouped as the option pages show them: general appearance, input data,
        diagrams, results, final remarks. */
    static QVector<int> generalFrames();
    static QVector<int> inputDataFrames();
    static QVector<int> diagramFrames();
    static QVector<int> resultFrames();
    /*! The final remarks frame. */
    static int finalRemarksFrame();

    /*! Check box of frame \a frameId, named after the frame followed by \a nameSuffix. */
    static QCheckBox *frameCheckBox(int frameId, const QString &nameSuffix, QWidget *parent);
    static QString frameCaption(int frameId);
    static QCheckBox *pageNumbersCheckBox(const QString &nameSuffix, QWidget *parent);

    static QString minimumResistanceCaption();
    /*! The edition combo "comboBoxMinHeatResVersion" with both editions (data: edition). */
    static QComboBox *minimumResistanceVersionCombo(QWidget *parent);
    /*! The construction kind combo "comboBoxMinHeatRes"; fill it with fillMinimumResistanceKinds(). */
    static QComboBox *minimumResistanceKindCombo(QWidget *parent);
    /*! Fills \a kinds (data: kind) with the kinds of the edition chosen in \a version, without signalling. */
    static void fillMinimumResistanceKinds(const QComboBox *version, QComboBox *kinds);

    /*! Makes the option pages' \a toolBox wide enough for its widest page, so that no page scrolls sideways. */
    static void fitWidthToPages(QToolBox *toolBox);
};

#endif // ReportOptionControlsH
