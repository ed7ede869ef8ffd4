#ifndef DiagramSceneH
#define DiagramSceneH

// The one drawing engine of the profile diagrams and construction sketches. It owns copies of the input data
// and the results and draws them for a rectangle, in screen mode (fixed pixel margins, larger fonts, grey
// structure lines) or report mode (everything scaled by the resolution scale). It knows nothing about views:
// the on-screen DiagramView, the file exports (DiagramExport), the layer table's sketch images and the report
// frames all set it up and call renderInto().

#include "DiagramPart.h"

#include <calculation/CalculationResults.h>
#include <model/InputData.h>

#include <QGraphicsScene>

#include <memory>

class DiagramStyle;
struct DiagramFontSettings;
class QGraphicsTextItem;
class QPaintDevice;
class QPainter;

class DiagramScene : public QGraphicsScene {
    Q_OBJECT
public:
    /*! What setup() draws: nothing new, the construction sketch, one of the two profile diagrams over the
        layer widths, or the Glaser diagram over the diffusion-equivalent air layer thicknesses sd. */
    enum class DiagramType { NoDiagram, ConstructionSketch, VapourPressure, MoistureContent, Glaser };
    /*! The axis and chain titles, each a hidden text item until a part shows it. */
    enum Title {
        TemperatureTitle = 0,
        VapourPressureTitle,
        MoistureTitle,
        DimensionChainTitle,
        SdChainTitle,
        TitleCount
    };

    DiagramScene(bool screenMode, QPaintDevice *device, const DiagramFontSettings &fonts, QObject *parent = nullptr);
    ~DiagramScene() override;

    /*! Draws the diagram of \a type for \a input and \a results into \a rect, with text laid out on \a device and
        report-mode sizes scaled by \a scale (device pixels per millimetre). Returns at once when nothing
        changed since the last call; NoDiagram keeps the previous drawing. */
    void setup(const QRectF &rect, QPaintDevice *device, double scale, const CalculationResults &results,
               const InputData &input, DiagramType type);

    /*! Renders the drawing of the last setup into \a target of \a painter. */
    void renderInto(QPainter *painter, const QRectF &target);

    DiagramType type() const { return m_type; }
    bool screenMode() const;
    /*! The rectangle of the last setup and the plot rectangle inside it. */
    const QRectF &area() const { return m_geometry.rect; }
    const QRectF &plotRect() const { return m_geometry.plot; }
    /*! n+1 layer boundary x positions, whole pixels. */
    const std::vector<double> &layerPositions() const { return m_geometry.positions; }
    int warmEdge() const { return m_geometry.warmEdge; }
    int coldEdge() const { return m_geometry.coldEdge; }
    /*! Sum of the layer widths, m. */
    double totalThickness() const { return m_totalThickness; }
    const DimensionChainRows &dimensionChainRows() const { return m_chainRows; }
    /*! Title item of the current drawing (hidden unless its part showed it). */
    QGraphicsTextItem *titleItem(Title title) const { return m_titles[title]; }

    static QString temperatureTitleText();
    static QString vapourPressureTitleText();
    static QString moistureTitleText();
    static QString dimensionChainTitleText();
    static QString sdChainTitleText();

    /*! Drawn widths of layers of \a widths (any unit) sharing \a available pixels in proportion, none below
        \a minimum (at most available / n). */
    static std::vector<double> drawnWidths(const std::vector<double> &widths, double available, double minimum);

private:
    bool isUnchanged(const QRectF &rect, const CalculationResults &results, const InputData &input,
                     DiagramType type) const;
    void createTitleItems();
    /*! Plot rectangle, air-zone edges and layer positions. */
    void computeLayout();
    void drawDimensionChain();
    /*! Sketch: the layer numbers of the tables over the layers, in one or two rows; returns the rows used. */
    int layerNumberRows();
    void drawOutline();
    /*! Sketch: "Warm side" and "Cold side" written up the air zones. */
    void drawSideMarks();
    void drawProfiles();
    /*! A notice centred in \a area saying why nothing (or no profile) is drawn. */
    void drawNotice(const QRectF &area);
    /*! Every layer has a width > 0 and is air or conducts heat. */
    bool validForTemperature() const;
    /*! The values the x axis is proportional to, one per layer: the widths (m), or sd (m) for the Glaser type. */
    std::vector<double> layerExtents() const;
    /*! The pressure profiles of the current type can be drawn from the results. */
    bool hasPressureProfiles() const;

    std::unique_ptr<DiagramStyle> m_style;
    CalculationResults m_results;
    InputData m_input;
    DiagramGeometry m_geometry;
    DimensionChainRows m_chainRows;
    double m_totalThickness = 0;
    DiagramType m_type = DiagramType::NoDiagram;
    bool m_hasDrawn = false;
    QGraphicsTextItem *m_titles[TitleCount] = {};
};

#endif // DiagramSceneH
