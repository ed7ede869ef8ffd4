#ifndef DINCriterionH
#define DINCriterionH

// One evaluated requirement of the DIN criteria: what the report's conclusions print in one row and what the
// command-line tool writes as JSON. Produced only by DINCriteria::evaluate, so that every verdict has a
// single source.

#include <QString>

struct DINCriterion {
    enum Kind {
        MinimumResistance,
        TemperatureFactor,
        CondensateMass,
        Wood,
        DryingTime,
        DryingReserve,
        SurfaceCondensation
    };

    Kind kind = MinimumResistance;
    /*! Row printed above the criterion without a verdict (the DIN 4108-3 edition of the non-capillary check);
        empty for all others. */
    QString heading;
    /*! Rich-text caption of the verdict row. */
    QString caption;
    /*! Rich-text value shown beside the caption (f_Rsi of the construction); empty for all others. */
    QString valueText;

    /*! Required value: R_min (m2K/W), f_Rsi,min, Mc limit (kg/m2), admissible wood mass (kg/m2), 90 (d) or the
        drying reserve (kg/(m2 a)). */
    double required = 0;
    /*! Value judged against it: R_layers (m2K/W), f_Rsi, Mc (kg/m2) for condensate and wood, drying time (d),
        drying mass (kg/m2). */
    double value = 0;

    /*! Minimum resistance only: table edition, construction kind and the table row label. */
    int version = 0;
    int constructionKind = 0;
    QString rowLabel;
    /*! Condensate only: a non-capillary layer lies in a condensation zone (limit 0.5 instead of 1.0). */
    bool nonCapillary = false;
    /*! Wood only: judged by the wood-based limit (3 %) rather than the wood limit (5 %). */
    bool woodBased = false;
    /*! Surface condensation only: dew on the warm (interior) surface rather than on the cold one. */
    bool warmSide = false;

    /*! False where the calculation gives nothing to judge (invalid input, no result): the row keeps its values
        but has no verdict. */
    bool assessed = true;
    /*! Meaningful only when assessed. */
    bool fulfilled = false;
    /*! "Requirement fulfilled", "Requirement not fulfilled" or "Not assessed", translated. */
    QString verdict;
};

#endif // DINCriterionH
