// Fuzz target: the material list text format of version 1.9 ("txt" import).

#include "FuzzSupport.h"

#include <model/MaterialList.h>

#include <QStringLiteral>

namespace {

MaterialList *materialList = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    // Read-only and never destroyed: the fuzz run must not write databases anywhere.
    materialList = new MaterialList(QStringLiteral("en"), FuzzSupport::workDirectory());
    materialList->setReadOnly(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = FuzzSupport::writeInput(data, size, QStringLiteral("input.txt"));
    QString errmsg;
    const QVector<Material> materials = materialList->readLegacyList(path, &errmsg);
    for (const Material &m : materials)
        (void)m.isValid();
    return 0;
}
