#ifndef MonthlyClimateCsvH
#define MonthlyClimateCsvH

// Reader of user climates for the monthly method: a text table of 12 rows "month, theta_e, phi_e or p_e".
// Separators ",", ";" or tab (with ";" or tab the decimal separator may be a comma); an optional header line;
// "#" starts a comment. The months 1..12 each once, in any order. The third column is a vapour pressure in Pa
// or a relative humidity in % as the header says ("Pa", or "%", "rh", "phi"); without a header it is % when
// every value is at most 100. Used by the batch tool and the climate list of the window.

#include <QCoreApplication>
#include <QString>

class QByteArray;
struct MonthlyClimate;

class MonthlyClimateCsv {
    Q_DECLARE_TR_FUNCTIONS(MonthlyClimateCsv)
public:
    /*! Reads \a path; the climate is named after the file name without extension, its source is empty. False
        with \a errorText (line number included) when the file cannot be read or is not such a table. */
    static bool readFile(const QString &path, MonthlyClimate &climate, QString &errorText);
    /*! Reads the table \a data (UTF-8) into \a climate, named \a name. */
    static bool read(const QByteArray &data, const QString &name, MonthlyClimate &climate, QString &errorText);
};

#endif // MonthlyClimateCsvH
