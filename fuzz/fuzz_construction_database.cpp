// Fuzz target: the construction database "ConstructionData.constr".

#include "FuzzSupport.h"

#include <model/ConstructionList.h>

#include <QStringLiteral>

namespace {

ConstructionList *constructionList = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    // Never destroyed: its destructor would write the database.
    constructionList = new ConstructionList(QStringLiteral("en"), FuzzSupport::workDirectory());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzSupport::writeInput(data, size, QLatin1String(ConstructionList::FileName));
    constructionList->read();
    (void)constructionList->maxLayerCount();
    return 0;
}
