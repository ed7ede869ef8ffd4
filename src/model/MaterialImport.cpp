#include "MaterialImport.h"

#include <QFileInfo>

#include "MaterialList.h"

MaterialImport::Result MaterialImport::importFile(MaterialList &list, const QString &fileName) {
    Result result;
    const QString extension = QFileInfo(fileName).suffix().toLower();
    QVector<Material> materials;
    if (extension == QLatin1String("txt"))
        materials = list.readLegacyList(fileName);
    else if (extension == QLatin1String("cmat"))
        materials = list.readUserFile(fileName);
    else {
        result.title = tr("Material read error.");
        result.text = tr("No valid material file '%1'\n Extension sould be 'txt' or 'cmat'").arg(fileName);
        return result;
    }
    result.found = materials.size();
    if (materials.isEmpty()) {
        result.title = tr("Material read error.");
        result.text = tr("No materials found in file '%1'").arg(fileName);
        return result;
    }
    for (const Material &m : materials) {
        if (m.isValid()) {
            list.addUserMaterial(m);
            ++result.added;
        }
    }
    result.warning = false;
    result.title = tr("Materials added.");
    result.text = tr("%1 materials found in file '%2'").arg(result.found).arg(fileName);
    return result;
}
