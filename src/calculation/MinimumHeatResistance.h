#ifndef MinimumHeatResistanceH
#define MinimumHeatResistanceH

// Minimum thermal resistances of DIN 4108-2 Tab. 3 (editions 2004 and 2013) per construction kind, with the
// texts offered for selection and the row labels printed in the report. Used by the criteria evaluation, the
// assessment editor and the report.

#include <QCoreApplication>
#include <QString>
#include <QVector>

class MinimumHeatResistance {
    Q_DECLARE_TR_FUNCTIONS(MinimumHeatResistance)
public:
    /*! Table editions (values of the setting "MinimumHeatResVersion"). */
    enum Version { DIN4108_2_2004 = 0, DIN4108_2_2013 = 1 };

    /*! Required minimum thermal resistance R_min in m2K/W; 1.2 for a kind the version does not know. */
    static double minimumResistance(int version, int kind);
    /*! Construction kinds of a version in the order they are offered; empty for an unknown version. */
    static QVector<int> constructionKinds(int version);
    /*! Translated text of a kind in a version; "Unknown" for any other combination. */
    static QString kindText(int version, int kind);
    /*! Row label of the table ("11.1", "Cap 5.1.2.2"); empty for an unknown combination. */
    static QString rowLabel(int version, int kind);
    /*! Translated name of a table edition; "Unknown" for any other version. */
    static QString versionText(int version);
};

#endif // MinimumHeatResistanceH
