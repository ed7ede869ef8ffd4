#ifndef DiagramEnumsH
#define DiagramEnumsH

// The diagram engine's enum classes in tests, as CoreEnums.h does it for the core.

#include <CoreEnums.h>

#include <visualisation/DiagramScene.h>

inline char *toString(DiagramScene::DiagramType type) {
    return CoreEnums::numberText(type);
}

Q_DECLARE_METATYPE(DiagramScene::DiagramType)

#endif // DiagramEnumsH
