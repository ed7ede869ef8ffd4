#ifndef BaselinePlaneSearchH
#define BaselinePlaneSearchH

// The plane-combination search written the straightforward way: every combination from the remembered one,
// then from 1 upwards, each with a newly allocated matrix, right-hand side, plane set and pressure vector and a
// solver created for the call. Tests and benchmarks hand it to a Calculation to compare the program's search
// with it; it is never part of the program.

#include <calculation/PlaneSearch.h>

class BaselinePlaneSearch : public PlaneSearchStrategy {
public:
    Outcome find(const Pass &pass, int &lastCombination) override;
    bool isPlane(int k) const override { return m_planes[std::size_t(k)]; }
    const std::vector<double> &solution() const override { return m_x; }
    const double *trialPressures() const override { return m_trialP.data(); }
    bool missedColdSurface() const override { return m_missedColdSurface; }

private:
    enum Trial { Valid, Rejected, Unsolvable };
    Trial tryCombination(const Pass &pass, long long combination);

    std::vector<bool> m_planes;
    std::vector<double> m_x;
    std::vector<double> m_trialP;
    bool m_missedColdSurface = false;
};

#endif // BaselinePlaneSearchH
