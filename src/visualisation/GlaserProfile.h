#ifndef GlaserProfileH
#define GlaserProfileH

// The classic Glaser diagram of DIN 4108-3: saturation and vapour pressure over the diffusion-equivalent air
// layer thickness sd, where the undisturbed pressure is a straight line and the pressure with condensation
// consists of the tangents from the interior and exterior pressure to the saturation line. Condensation planes
// and zones are marked and labelled with the layer numbers on both sides. Used by DiagramScene for its Glaser
// type; the x positions of the geometry are then proportional to sd.

#include "DiagramPart.h"

#include <QCoreApplication>
#include <QPolygonF>

#include <utility>
#include <vector>

class CalculationResults;
class InputData;

class GlaserProfile : public DiagramPart {
    Q_DECLARE_TR_FUNCTIONS(GlaserProfile)
public:
    GlaserProfile(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                  const InputData &input, const CalculationResults &results);

    /*! Draws the saturation line, the straight line without condensation, the real pressure, the right-hand
        axis and its title. */
    void draw(QGraphicsTextItem *title) const;
    /*! Marks and labels the condensation planes and zones, drawn after the layer boundaries they lie on. */
    void drawCondensationMarks() const;
    /*! The legend, drawn after the temperature profile so that it covers no curve. */
    void drawLegend() const;

    /*! Interfaces (0..n) the real pressure passes through, warm side first: the first and last interface of each
        condensation zone. Empty without condensation. */
    static std::vector<int> tangentPoints(const std::vector<std::pair<int, int>> &zones);
    /*! "3|4": the layers (counted from 1) on both sides of interface k. */
    static QString planeLabel(int k);

private:
    double y(double p) const;
    void drawSaturation() const;
    void drawRealPressure() const;
    void drawAxis(QGraphicsTextItem *title) const;

    const CalculationResults &m_results;
    double m_pi = 0, m_pe = 0, m_psati = 0, m_psate = 0;
    double m_pmax = 0, m_pmin = 0, m_k = 0;
    ValueBand m_band;
};

#endif // GlaserProfileH
