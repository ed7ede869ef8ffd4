#ifndef DINCriteriaResultH
#define DINCriteriaResultH

// Classification of the layers that lie in condensation zones for the DIN 4108-3 criteria: non-capillary
// layers (A_w at or below the edition's limit) and wood or wood-based layers with their admissible condensate
// masses. Built on demand by the criteria evaluation and discarded afterwards.

#include "model/MaterialLayer.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>
#include <utility>
#include <vector>

class ReportSettings;

class DINCriteriaResult {
    Q_DECLARE_TR_FUNCTIONS(DINCriteriaResult)
public:
    /*! Classifies every layer f..s of every zone (f, s), layers counted from 0 on the warm side. A layer in two
        zones is listed twice. awLayerLimit in kg/(m2 s^0.5), see layerAwLimit. */
    DINCriteriaResult(const QVector<MaterialLayer> &layers, const std::vector<std::pair<int, int>> &zones,
                      double awLayerLimit);

    /*! True when there is no wood layer in a zone or its admissible mass exceeds Mc (kg/m2). */
    bool woodOk(double Mc) const;
    /*! True when there is no wood-based layer in a zone or its admissible mass exceeds Mc (kg/m2). */
    bool woodBasedOk(double Mc) const;
    /*! True when a non-capillary layer lies within one of the zones (first <= index <= last). */
    bool nonCapillaryInZones(const std::vector<std::pair<int, int>> &zones) const;
    bool hasWoodOrWoodBased() const { return !woodLayers.empty() || !woodBasedLayers.empty(); }
    /*! Admissible condensate mass of DIN 4108-3, kg/m2: 0.5 with a non-capillary layer at the condensate, else
        1.0. */
    static double condensateLimit(bool nonCapillary) { return nonCapillary ? 0.5 : 1.0; }
    /*! Number of DIN 4108-3 rows of the report table: 4 with a wood row, else 3. */
    int criteriaRowCount() const { return hasWoodOrWoodBased() ? 4 : 3; }

    /*! A_w limit in kg/(m2 s^0.5) that marks a layer as non-capillary: the edition's limit (per h^0.5) / 60
        for the editions 2001, 2014 and 2018, the user's value for the user-defined edition. */
    static double layerAwLimit(int edition, double nonCapillarAw);
    /*! Heading of the condensate check of a DIN 4108-3 edition. */
    static QString editionHeading(int edition);
    /*! Note for the report when user-defined limits replace the standard's A_w limit; empty otherwise. */
    static QString awNotice(const ReportSettings &settings);

    /*! Smallest d * rho * 0.05 (kg/m2) of the wood layers in zones; largest double when none. */
    double woodLimit;
    /*! Smallest d * rho * 0.03 (kg/m2) of the wood-based layers in zones; largest double when none. */
    double woodBasedLimit;
    std::vector<int> nonCapillaryLayers;
    std::vector<int> woodLayers;
    std::vector<int> woodBasedLayers;
};

#endif // DINCriteriaResultH
