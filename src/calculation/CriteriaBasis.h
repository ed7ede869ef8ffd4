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

    explicit CriteriaBasis(const CalculationResults &results);

    bool isGlaser() const { return method == Method::Glaser; }
    /*! "moisture-dependent" or "glaser", the key of the command-line tool's JSON. */
    QString methodName() const;
    /*! Why rows are not judged (scope other than All): the calculation's messages, one per line, or the
        result text when there are none; empty otherwise. Rich text, layer links kept. */
    QString notAssessedReason() const;

    /*! Note shown wherever the Glaser figures are judged. */
    static QString glaserNote();
    /*! " (Glaser)" after the labels of the condensate and drying figures in the Glaser case, else empty. */
    QString labelSuffix() const;

    /*! Glaser interface zones [a, b] as the layer ranges they touch: a - 1 .. b (a plane k gives k - 1 .. k). */
    static std::vector<std::pair<int, int>> layerRanges(const std::vector<std::pair<int, int>> &interfaceZones);

    Method method = Method::MoistureDependent;
    Scope scope = Scope::All;
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
};

#endif // CriteriaBasisH
