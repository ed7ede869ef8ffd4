#ifndef DiagramStyleH
#define DiagramStyleH

// Fonts, colours and the fourteen pens of the profile diagram, plus the factory for its text items.
// Owned by DiagramScene and handed to the diagram parts (dimension chain, axes, profiles) that draw with it.

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include <array>

class QGraphicsTextItem;
class QPaintDevice;

/*! Font choice of a diagram, taken from the application settings by the caller. The four diagram fonts
    are derived from the point size: titles on screen use it as is, labels on screen and titles in
    reports 0.8 of it, labels in reports 0.6 of it (8/6/10/8 pt for the default 10 pt). */
struct DiagramFontSettings {
    QString family = QStringLiteral("Verdana");
    double pointSize = 10;
};

class DiagramStyle {
public:
    /*! Pens by role; the numbers match the pen table of the diagram description (pen 1 .. pen 14). */
    enum PenRole {
        SaturationPressure = 0, ///< pen 1
        RealPressure,           ///< pen 2
        CalculatedPressure,     ///< pen 3, dashed
        LayerBoundary,          ///< pen 4
        DimensionChain,         ///< pen 5
        OutlineVertical,        ///< pen 6
        OutlineHorizontal,      ///< pen 7, dashed
        Temperature,            ///< pen 8
        TemperatureAxis,        ///< pen 9
        PressureAxis,           ///< pen 10
        MoistureAxis,           ///< pen 11
        MoistureReference,      ///< pen 12
        MoistureOutline,        ///< pen 13
        AuxiliaryDotted,        ///< pen 14, condensation zone edges
        PenCount
    };

    /*! Layout of the diagram area in pixels; in report mode multiplied by the resolution scale. */
    struct Layout {
        static constexpr double TopMargin = 5;
        static constexpr double BottomMargin = 15;        ///< room below the plot for the dimension chain title
        static constexpr double SketchBottomMargin = 5;   ///< the sketch has no chain title (report only)
        static constexpr double AxisTitleGap = 10;        ///< between an axis title and the plot
        static constexpr double ScreenWarmSideSpace = 40; ///< on screen: room for the warm side's labels
        static constexpr double ScreenColdSideSpace = 50; ///< on screen: room for the cold side's labels
        static constexpr double ReportSideSpace = 5;      ///< in reports, on both sides
        static constexpr double MinimumAirZone = 10;      ///< air zone between a side's edge and the wall, at least
        static constexpr double AirZoneShare = 0.03;      ///< ... or this share of the plot width
        static constexpr double MinimumLayerInPens = 2.5; ///< thinnest drawn layer in boundary pen widths
        static constexpr double LineSpacing = 1.1;        ///< rows of layer numbers, in text heights
        static constexpr double NumberGap = 0.3;          ///< least gap between layer numbers, in text widths
    };

    DiagramStyle(bool screenMode, const DiagramFontSettings &fonts);

    /*! Rebuilds the pens for resolution scale s and selects label and title fonts for the mode. */
    void rebuild(double scale, QPaintDevice *device);

    bool screenMode() const { return m_screenMode; }
    double scale() const { return m_scale; }
    /*! Device pixels per millimetre on paper: the scale in report mode, the device's resolution on screen. */
    double pixelsPerMM() const;
    QPaintDevice *device() const { return m_device; }
    const QPen &pen(PenRole role) const { return m_pens[role]; }
    const QFont &labelFont() const { return m_screenMode ? m_fontScreenLabel : m_fontReportLabel; }
    const QFont &titleFont() const { return m_screenMode ? m_fontScreenTitle : m_fontReportTitle; }

    QColor darkRed() const { return QColor(139, 0, 0); }
    QColor darkBlue() const { return QColor("darkblue"); }
    QColor dodgerBlue() const { return QColor("dodgerblue"); }
    QColor blue() const { return QColor("blue"); }
    QColor mediumSlateBlue() const { return QColor("mediumslateblue"); }
    QColor lightSkyBlue() const { return QColor("lightskyblue"); }

    /*! A number in the default locale, fixed notation, without group separators. */
    static QString formatNumber(double value, int decimals);

    /*! A text item laid out on the paint device (so fonts measure in its resolution), without document
        margin, with its first block centred. \a textWidth < 0 leaves the width unlimited. */
    QGraphicsTextItem *createText(const QString &text, const QFont &font, bool richText = false,
                                  double textWidth = -1) const;

private:
    static QPen makePen(const QColor &color, double width, Qt::PenStyle style = Qt::SolidLine);

    bool m_screenMode;
    double m_scale = 1.0;
    QPaintDevice *m_device = nullptr;
    QFont m_fontScreenLabel;
    QFont m_fontReportLabel;
    QFont m_fontScreenTitle;
    QFont m_fontReportTitle;
    std::array<QPen, PenCount> m_pens;
};

#endif // DiagramStyleH
