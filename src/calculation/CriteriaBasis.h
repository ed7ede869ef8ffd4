#ifndef CriteriaBasisH
#define CriteriaBasisH

// What the criteria can judge after a calculation, and on which figures. Normally the moisture criteria judge
// the moisture-dependent results. Where that method finds no stationary state because condensate collects in a
// plane between layers without capillary transport, the Glaser step of the same calculation has found the
// plane, its mass and its drying; those are judged instead, as DIN 4108-3 describes for such constructions.
// Invalid input and a calculation without any result leave rows unjudged rather than failed. The results
// record itself is never changed: the criteria, the results panel, the report and the command-line tool read
// the figures from here.

#include <QCoreApplication>
#include <QString>

#include <utility>
#include <vector>

class CalculationResults;

class CriteriaBasis {
    Q_DECLARE_TR_FUNCTIONS(CriteriaBasis)
public:
    enum class Method { MoistureDependent, Glaser };
    /*! Which criterion rows can be judged: all of them; only the thermal ones (minimum resistance, f_Rsi)
        because the calculation has no moisture result; none because the input is invalid. */
    enum class Scope { All, ThermalOnly, Nothing };
    /*! Where the calculation stopped at dew on a surface: none, the warm (interior) or the cold (exterior)
        surface. Nothing of the interstitial condensate is computed then. */
    enum class Surface { None, Warm, Cold };

    explicit CriteriaBasis(const CalculationResults &results);

    bool isGlaser() const { return method == Method::Glaser; }
    /*! True when the project gets a verdict: every row can be judged, or the dew on the warm surface fails it
        although the condensate rows cannot be judged. */
    bool judged() const { return scope == Scope::All || surface == Surface::Warm; }
    /*! "moisture-dependent" or "glaser", the key of the command-line tool's JSON. */
    QString methodName() const;
    /*! Why rows are not judged (scope other than All): the calculation's messages, one per line, or the
        result text when there are none; empty otherwise. Rich text, layer links kept. */
    QString notAssessedReason() const;

    /*! Note shown wherever the Glaser figures are judged because condensate forms between layers without
        capillary transport. */
    static QString glaserNote();
    /*! Why the Glaser figures are judged, in the words of the real cause: glaserNote(), or where the
        moisture-dependent method stopped at a limit of its plane search, that limit. Empty on the moisture-
        dependent basis. */
    QString glaserReason() const;
    /*! The basis in words: "by the Glaser scheme of DIN 4108-3" or "by the moisture-dependent method". */
    QString basisText() const;
    /*! One sentence for the frames and diagrams of the moisture-dependent method when they stay empty because
        the Glaser figures are judged. */
    static QString moistureMethodEmptyNote();
    /*! True when the Glaser step produced profiles (result codes 6, 7, 9, 10 and 11). */
    static bool hasGlaserProfiles(const CalculationResults &results);
    /*! " (Glaser)" after the labels of the condensate and drying figures in the Glaser case, else empty. */
    QString labelSuffix() const;

    /*! Glaser interface zones [a, b] as the layer ranges they touch: a - 1 .. b (a plane k gives k - 1 .. k). */
    static std::vector<std::pair<int, int>> layerRanges(const std::vector<std::pair<int, int>> &interfaceZones);

    Method method = Method::MoistureDependent;
    Scope scope = Scope::All;
    Surface surface = Surface::None;
    /*! Condensate mass after the condensation period (kg/m2). */
    double Mc = 0;
    /*! Drying time (s). */
    double dryingTime = 0;
    /*! Mass that can evaporate in the drying period (kg/m2). */
    double dryingMass = 0;
    /*! Condensate before any time scaling exists (presence test of the drying reserve). */
    bool hasCondensate = false;
    /*! Condensation zones as layer ranges (first, last), layers counted from 0 on the warm side. */
    std::vector<std::pair<int, int>> zones;

private:
    QString m_reason;
    /*! The calculation's messages where its plane search stopped at a limit; empty otherwise. */
    QString m_searchLimit;
};

#endif // CriteriaBasisH
