// Fuzz target: the hourly climate CSV files of the transient simulation. A file that reads must give finite
// values within its checked ranges at any time, also between and beyond its hours.

#include "FuzzSupport.h"

#include <calculation/HourlyClimate.h>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    HourlyClimate climate;
    QString errorText;
    if (!climate.readCsv(QByteArray(reinterpret_cast<const char *>(data), int(size)), errorText)) {
        if (errorText.isEmpty())
            std::abort();
        return 0;
    }
    for (double t : {-1e7, 0.0, 1800.0, 3.3e7, 1e9}) {
        double T = 0, rh = 0;
        climate.valueAt(t, T, rh);
        if (!std::isfinite(T) || !(rh >= 0 && rh <= 1))
            std::abort();
    }
    return 0;
}
