#ifndef PlaneSearchH
#define PlaneSearchH

// Search for the set of condensation planes of one pass of the moisture-dependent method. A combination
// c = 1 .. 2^(n-1) - 1 has a plane at inner interface i when bit i-1 is set; for each combination one
// linear system of size planes + 1 is solved (vapour flux g entering from the warm side, then the square
// of the over-hygroscopic moisture content at each plane) and the vapour pressures of the solution are
// checked. Used by Calculation; the messages of a failed search are the caller's.
//
// Index conventions: layers j = 0..n-1, interfaces k = 0..n. All storage is sized for the largest
// construction the search handles, so that trying a combination does not allocate.

#include "DenseMatrix.h"
#include "LinearSystemSolver.h"

#include <array>
#include <cstdint>
#include <vector>

/*! How the moisture-dependent method finds the plane set of one pass. PlaneSearch is the program's strategy;
    tests and benchmarks hand a Calculation other ones to compare with it. */
class PlaneSearchStrategy {
public:
    /*! Values of one pass (pointers into the results record, valid during find()). */
    struct Pass {
        int n = 0;                        ///< number of layers
        const double *Z = nullptr;        ///< Z_moist[j], m2 s Pa/kg
        const double *R_liquid = nullptr; ///< R_liquid[j]
        const double *kappa = nullptr;    ///< kappa[k], 0 at the surfaces
        const double *p_sat = nullptr;    ///< p_sat_moist[k], Pa
        const double *p = nullptr;        ///< straight-line vapour pressures p_moist[k], Pa
        double p_i = 0;                   ///< interior vapour pressure, Pa
        double p_e = 0;                   ///< exterior vapour pressure, Pa
    };

    enum Outcome {
        Found,       ///< a valid combination was found
        Unsolvable,  ///< the solver failed on the last combination 2^(n-1) - 1
        NotFound,    ///< every combination was tried, none is valid
        BoundReached ///< a long construction: no valid combination within the bound of the search
    };

    virtual ~PlaneSearchStrategy() = default;

    /*! Searches the combination of the pass. \a lastCombination (the valid combination of the previous pass,
        -1 when none) is tried first; it is set to the combination found, or to -1 when it failed. */
    virtual Outcome find(const Pass &pass, int &lastCombination) = 0;

    /*! True if interface k is a plane of the combination tried last. */
    virtual bool isPlane(int k) const = 0;
    /*! Solution of the combination tried last: g, then x_c of the planes by increasing interface. */
    virtual const std::vector<double> &solution() const = 0;
    /*! Vapour pressures (Pa) of the solution at the interfaces 0..n. */
    virtual const double *trialPressures() const = 0;
    /*! True if the combination tried last was rejected because its pressure missed the cold surface. */
    virtual bool missedColdSurface() const = 0;
};

class PlaneSearch : public PlaneSearchStrategy {
public:
    /*! The combination number is a 32-bit int: at most 31 layers, 30 inner interfaces. */
    static const int MaxLayers = 31;
    /*! Up to this many layers the search tries every combination in ascending order. */
    static const int ExhaustiveLayers = 12;
    /*! Longer constructions: solver work per pass is limited to this many operations, counted as m^3 + n m
        per system of size m (a few milliseconds) ... */
    static constexpr double MaxWork = 1e7;
    /*! ... and at most this many combinations are looked at (most are rejected without solving). */
    static const long MaxVisits = 1L << 17;

    PlaneSearch();

    Outcome find(const Pass &pass, int &lastCombination) override;
    bool isPlane(int k) const override { return m_planes[std::size_t(k)]; }
    const std::vector<double> &solution() const override { return m_x; }
    const double *trialPressures() const override { return m_trialP.data(); }
    bool missedColdSurface() const override { return m_missedColdSurface; }
    /*! Linear systems solved by the last find(). */
    int solves() const { return m_solves; }
    /*! Solver work of the last find(), in the units of MaxWork. */
    double work() const { return m_work; }

private:
    enum Trial { Valid, Rejected, SolverFailedOnLast };

    void prepare(const Pass &pass);
    void prepareBounds();
    Outcome searchInOrder(int &lastCombination);
    Outcome searchBounded(int &lastCombination);
    Trial tryCombination(std::uint32_t c);
    std::uint32_t ruledOutUntil(std::uint32_t c) const;
    int setPlanes(std::uint32_t c);
    void assemble(int m);
    bool checkTrialPressures();
    std::uint32_t repairFrom(std::uint32_t c);
    std::uint32_t repaired(std::uint32_t c);
    void computeTrialPressures();
    std::uint32_t supersaturatedCombination() const;

    // values of the pass that do not depend on the combination
    int m_n = 0;
    std::uint32_t m_end = 0; ///< 2^(n-1), one past the last combination
    const Pass *m_pass = nullptr;
    std::array<double, MaxLayers + 1> m_S{};        ///< sum of Z left of interface k
    std::array<double, MaxLayers> m_liquidRight{};  ///< Z_j / (2 R_liquid_j)
    std::array<double, MaxLayers> m_liquidLeft{};   ///< Z_j / (2 R_liquid_j kappa_j^2)
    std::array<double, MaxLayers> m_denRight{};     ///< 2 R_liquid_j
    std::array<double, MaxLayers> m_denLeft{};      ///< 2 R_liquid_j kappa_j^2
    std::array<double, MaxLayers + 1> m_planeRhs{}; ///< p_i - p_sat_k

    // bounds that rule combinations out without solving (see prepareBounds)
    bool m_boundsValid = false;
    std::array<bool, MaxLayers + 1> m_leftFails{};
    std::array<bool, MaxLayers + 1> m_rightFails{};
    std::array<std::array<std::uint8_t, MaxLayers + 1>, MaxLayers + 1> m_violatorLeftOf{};
    std::array<double, MaxLayers + 1> m_gMin{};
    std::array<double, MaxLayers + 1> m_gMax{};

    // the combination being tried
    std::array<bool, MaxLayers + 1> m_planes{};
    DenseMatrix m_A;
    std::vector<double> m_b;
    std::vector<double> m_x;
    std::array<double, MaxLayers + 1> m_trialP{};
    LinearSystemSolver m_solver;
    bool m_solved = false;
    bool m_missedColdSurface = false;
    std::vector<std::uint32_t> m_started; ///< combinations the bounded search started from or repaired to
    int m_solves = 0;
    double m_work = 0;
    long m_visits = 0;
};

#endif // PlaneSearchH
