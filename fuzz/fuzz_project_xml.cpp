// Fuzz target: a project file (XML) opened as the main window opens it, followed by the input check and
// the calculation that run after every successful open.

#include "FuzzSupport.h"

#include <model/Project.h>

#include <QStringLiteral>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = FuzzSupport::writeInput(data, size, QStringLiteral("input.v2p"));
    Project project;
    QString errorText;
    if (project.read(path, errorText))
        project.setModified(Project::ModificationType::AllModified);
    return 0;
}
