// Build-time generator of the system material files: reads the reviewed material table, refuses
// materials the program could not calculate with, and writes the "*.v2m" file.
//
// Usage: materialcatalogue <material table .csv> <output .v2m>

#include <QCoreApplication>
#include <QStringList>

#include <iostream>

#include <calculation/PhysicalProperties.h>
#include <model/MaterialCatalogueTable.h>
#include <model/SystemMaterialFile.h>

namespace {

// The moisture-dependent calculation extrapolates w80 to 95 % relative humidity; that value must stay
// below saturation.
bool isUsable(const Material &m) {
    return m.isValid() && w95FromW80(m.w_80()) < m.w_sat();
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::cerr << "Usage: materialcatalogue <material table .csv> <output .v2m>\n";
        return 2;
    }
    QVector<Material> materials;
    QString errmsg;
    if (!MaterialCatalogueTable::read(args[1], materials, errmsg)) {
        std::cerr << qPrintable(args[1]) << ": " << qPrintable(errmsg) << "\n";
        return 1;
    }
    for (const Material &m : materials) {
        if (!isUsable(m)) {
            std::cerr << qPrintable(args[1]) << ": material " << m.materialId() << " '" << qPrintable(m.name())
                      << "' has invalid values\n";
            return 1;
        }
    }
    if (!SystemMaterialFile::write(args[2], materials, errmsg)) {
        std::cerr << qPrintable(errmsg) << "\n";
        return 1;
    }
    std::cout << "Wrote " << materials.size() << " materials to " << qPrintable(args[2]) << "\n";
    return 0;
}
