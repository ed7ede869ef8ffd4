#ifndef SimulationChartH
#define SimulationChartH

// Chart of a transient simulation: one panel per quantity (total water content, mean relative humidity, mean
// temperature of each layer) over the simulated time, the layers in their colours. Painted with QPainter on
// any device, so that SVG, PNG and PDF come from one drawing. Used by the batch tool's "simulate" command.

#include <QColor>
#include <QCoreApplication>
#include <QRectF>
#include <QString>

#include <vector>

class QByteArray;
class QPainter;

class SimulationChart {
    Q_DECLARE_TR_FUNCTIONS(SimulationChart)
public:
    struct Series {
        QString name;
        QColor colour;
        /*! One value per entry of Content::hours. */
        std::vector<double> values;
    };
    struct Panel {
        /*! Axis title with unit. */
        QString title;
        std::vector<Series> series;
    };
    struct Content {
        QString title;
        /*! Time of the values in hours from the start. */
        std::vector<double> hours;
        std::vector<Panel> panels;
    };

    static void draw(QPainter &painter, const QRectF &rect, const Content &content);
    /*! The chart at 1000 x 300 pixels per panel encoded as \a format ("svg", "png" or "pdf") into \a data; false
        for another format or when painting failed. */
    static bool encode(const QString &format, const Content &content, QByteArray &data);
};

#endif // SimulationChartH
