#ifndef MonthlyChartH
#define MonthlyChartH

// Bar chart of the monthly method: the condensate accumulated at the end of each month, in the order the year was
// computed (from the start month), with the admissible mass of the condensate criterion as a dashed line and the
// worst month marked. Painted with QPainter on any device: the report frame and the batch tool's pictures share
// this drawing.

#include <QCoreApplication>
#include <QRectF>
#include <QString>

class QByteArray;
class QPainter;
struct MonthlyAssessment;

class MonthlyChart {
    Q_DECLARE_TR_FUNCTIONS(MonthlyChart)
public:
    /*! Draws into \a rect; lines and text scale with the width of \a rect (900 units: 1). */
    static void draw(QPainter &painter, const QRectF &rect, const MonthlyAssessment &assessment);
    /*! The chart at 900 x 560 pixels as \a format ("svg", "png" or "pdf", any case) into \a data; false for another
        format or when painting failed. */
    static bool encode(const QString &format, const MonthlyAssessment &assessment, QByteArray &data);
    /*! True for the formats encode() knows. */
    static bool isKnownFormat(const QString &format);
};

#endif // MonthlyChartH
