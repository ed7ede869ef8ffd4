#ifndef MaterialCatalogueTableH
#define MaterialCatalogueTableH

// Reader of the reviewed source table of the system material catalogue (resources/materials/materials.csv).
// Used by the catalogue generator that writes the "*.v2m" files at build time, and by the tests that compare
// the generated files with the table.

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include "Material.h"

class MaterialCatalogueTable {
    Q_DECLARE_TR_FUNCTIONS(MaterialCatalogueTable)
public:
    /*! Number of ';'-separated fields of one material line. */
    static const int FieldCount = 23;

    /*! Reads all material lines of the table. Returns false with \a errmsg (naming the line) at the first
        malformed line, at a duplicate id or an id outside 1..32767. */
    static bool read(const QString &fileName, QVector<Material> &materials, QString &errmsg);
    /*! Parses one material line; false with \a errmsg when a field is missing or not a number. The material
        shows the English texts and carries the English and German ones as its catalogue texts. */
    static bool parseLine(const QString &line, Material &material, QString &errmsg);
};

#endif // MaterialCatalogueTableH
