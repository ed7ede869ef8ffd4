#ifndef BaselineCalculationH
#define BaselineCalculationH

// The moisture-dependent calculation with the plane-combination search written the straightforward way:
// every combination from the remembered one, then from 1 upwards, each with a newly allocated matrix,
// right-hand side, plane set and pressure vector and a solver created for the call. Tests and benchmarks
// compare the program's search with it; it is never part of the program.

#include <calculation/Calculation.h>

class BaselineCalculation : public Calculation {
protected:
    int findPlaneCombination() override;

private:
    enum Trial { Valid, Rejected, Unsolvable };
    Trial tryCombination(long long combination);
};

#endif // BaselineCalculationH
