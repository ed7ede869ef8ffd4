#ifndef DiagramProfilesH
#define DiagramProfilesH

// Profile curves of the profile diagram, each with its value axis: the temperature profile (types 2 and 3),
// the vapour pressure profiles with legend (type 2) and the moisture content profile (type 3).
// Used by DiagramScene::setup; every y value is truncated to whole pixels.

#include "DiagramPart.h"

#include <QCoreApplication>
#include <QPolygonF>

#include <vector>

class CalculationResults;
class InputData;

class TemperatureProfile : public DiagramPart {
public:
    /*! Ti and Te: indoor and outdoor air temperatures (°C); T: the n+1 interface temperatures. */
    TemperatureProfile(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry, double Ti,
                       double Te, const std::vector<double> &T);

    /*! Draws the profile, the left-hand axis with its ticks and shows the title item. */
    void draw(QGraphicsTextItem *title) const;

    /*! y of a temperature in the band from top + 0.05 H to bottom - 0.25 H; Ti keeps the band top, also when
        the outdoor side is warmer, and equal temperatures collapse the band to its top. */
    double y(double theta) const;

private:
    double m_Ti;
    double m_Te;
    const std::vector<double> &m_T;
};

class VapourPressureProfile : public DiagramPart {
    Q_DECLARE_TR_FUNCTIONS(VapourPressureProfile)
public:
    VapourPressureProfile(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                          const InputData &input, const CalculationResults &results);

    /*! Draws saturation, real and calculated pressures, the right-hand axis and the title. */
    void draw(QGraphicsTextItem *title) const;
    /*! The legend, drawn after the temperature profile so that it covers no curve. */
    void drawLegend() const;

    /*! y of a pressure (Pa) in the band from top + 0.25 H to bottom - 0.05 H: the larger air saturation
        pressure at the band top, the smallest pressure drawn at the band bottom. One mapping serves every
        pressure curve, so the real pressure lies exactly on the saturation line where it follows it. */
    double y(double p) const;

private:
    void drawSaturation() const;
    void drawRealPressure() const;
    /*! The real pressure across one layer where the calculated line reaches saturation. */
    void drawSaturatedLayer(double l, double r, double pl, double pr, double sl, double sr) const;
    void drawAxis(QGraphicsTextItem *title) const;

    const std::vector<double> &m_p;
    const std::vector<double> &m_psat;
    double m_pi = 0, m_pe = 0, m_psati = 0, m_psate = 0;
    double m_pmax = 0, m_pmin = 0, m_k = 0;
    ValueBand m_band;
};

class MoistureProfile : public DiagramPart {
    Q_DECLARE_TR_FUNCTIONS(MoistureProfile)
public:
    MoistureProfile(QGraphicsScene *scene, const DiagramStyle &style, const DiagramGeometry &geometry,
                    const InputData &input, const CalculationResults &results);

    /*! Draws the right-hand axis with title, the reference lines and the moisture regions of every layer. */
    void draw(QGraphicsTextItem *title) const;
    /*! The legend of lines, fills and zone edges, drawn after the temperature profile. */
    void drawLegend() const;

    /*! Top of the scale (m3/m3): the first tick at or above the largest edge moisture content that stands for
        mass (above the reference level only in layers holding condensate), or without
        moisture the largest w95 (w95FromW80) of the layers; 0 when neither gives a scale. */
    double maximum() const { return m_wmax; }
    /*! Moisture profile across a layer from x = l to x = r in (x, w) values: straight without condensate; inside a
        condensation zone of zoneWidth pixels, (w - wref)^2 varies linearly, so w rises from wref at the zone edge
        with a vertical tangent (a square-root edge). */
    static QPolygonF layerProfile(double l, double r, double wl, double wr, double wref, double zoneWidth);

private:
    double y(double w) const;
    void drawAxis(QGraphicsTextItem *title) const;
    void drawLayer(std::size_t j) const;

    std::vector<double> m_wref;   ///< w95 per layer
    std::vector<double> m_widths; ///< layer widths, m
    std::vector<double> m_wLeft;  ///< edge moisture contents drawn: above wref only where the layer holds mass
    std::vector<double> m_wRight;
    const CalculationResults &m_results;
    double m_wmax = 0;
    double m_step = 1;
    double m_k = 0;
    ValueBand m_band;
};

#endif // DiagramProfilesH
