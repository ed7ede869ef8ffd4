#ifndef ResultTextsH
#define ResultTextsH

// The verdict line that tells in one sentence what a calculation found, per result code, and the plausibility
// notes on a result. Shared by the results panel, which paints them coloured, the report and the command-line
// tool; widget-free so that all can use it.

#include "model/MaterialLayer.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class CalculationResults;

class ResultTexts {
    Q_DECLARE_TR_FUNCTIONS(ResultTexts)
public:
    /*! Colour of the verdict line: "#0000FF" (blue) for the codes that are a finding (OneLayer, NoCondensation,
        and OnePlane to SeveralZones with a zone), "#FF0000" (red) for all others. */
    static QString verdictColor(const CalculationResults &results);
    /*! Translated verdict without markup. CalculationError gives the calculation messages, one per line;
        OnePlane to SeveralZones name the layer pairs of the condensation zones (indices + 1). A condensation
        code without any zone gives "Unknown result!" rather than a sentence without layer numbers. */
    static QString verdictText(const CalculationResults &results);
    /*! The verdict as rich text: the text wrapped in "<font color=...>"; for CalculationError each message is
        wrapped on its own, with a newline character between them. */
    static QString verdictHtml(const CalculationResults &results);
    /*! One plausibility note per layer of a condensation zone whose moisture-dependent moisture content exceeds
        the saturation moisture content of its material; with \a links the layer is a "layer-N" link. Notes
        only: the results stay as calculated. */
    static QStringList plausibilityNotes(const QVector<MaterialLayer> &layers, const CalculationResults &results,
                                         bool links);

private:
    static QString condensationText(const CalculationResults &results);
};

#endif // ResultTextsH
