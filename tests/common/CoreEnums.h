#ifndef CoreEnumsH
#define CoreEnumsH

// The core's enum classes in tests: usable in QTest data columns, and a failing QCOMPARE prints their number
// (QtTest finds toString() by argument-dependent lookup).

#include <calculation/CalculationResults.h>
#include <model/InputData.h>
#include <model/ProjectInformation.h>

#include <QByteArray>
#include <QMetaType>

namespace CoreEnums {
template <typename E> char *numberText(E value) {
    return qstrdup(QByteArray::number(static_cast<int>(value)).constData());
}
} // namespace CoreEnums

inline char *toString(InputStatus status) {
    return CoreEnums::numberText(status);
}

inline char *toString(HeatFlowDirection direction) {
    return CoreEnums::numberText(direction);
}

inline char *toString(ResultCode code) {
    return CoreEnums::numberText(code);
}

Q_DECLARE_METATYPE(InputStatus)
Q_DECLARE_METATYPE(HeatFlowDirection)
Q_DECLARE_METATYPE(ResultCode)

#endif // CoreEnumsH
