#include "MonthlyResults.h"

const MonthlyMonthResult *MonthlyResults::month(int m) const {
    for (const MonthlyMonthResult &result : months)
        if (result.month == m && m != 0)
            return &result;
    return nullptr;
}
