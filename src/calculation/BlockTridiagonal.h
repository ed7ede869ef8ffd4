#ifndef BlockTridiagonalH
#define BlockTridiagonalH

// Direct solver for the block-tridiagonal systems of the transient simulation: two unknowns per cell
// (temperature and relative humidity), coupled only to the neighbouring cells. Storage is three 2x2 blocks
// and one right-hand side per row; solving costs O(n) and allocates nothing after resize().

#include <vector>

/*! A 2x2 block, row-major: (a b; c d). */
struct Block2 {
    double a = 0, b = 0, c = 0, d = 0;
};

class BlockTridiagonal {
public:
    /*! Sets the number of block rows; the blocks keep arbitrary values until assembled. */
    void resize(int rows);
    int rows() const { return static_cast<int>(m_diag.size()); }

    /*! Row i reads lower[i]·x[i-1] + diag[i]·x[i] + upper[i]·x[i+1] = rhs[i]; lower[0] and upper[n-1] unused. */
    std::vector<Block2> &lower() { return m_lower; }
    std::vector<Block2> &diag() { return m_diag; }
    std::vector<Block2> &upper() { return m_upper; }
    /*! Right-hand side, two values per row (row i at 2i and 2i+1); overwritten by the solution. */
    std::vector<double> &rhs() { return m_rhs; }

    /*! Block Thomas algorithm (block LU without pivoting between rows); the blocks are destroyed.
        Returns false when a pivot block is singular. */
    bool solve();

private:
    std::vector<Block2> m_lower, m_diag, m_upper;
    std::vector<double> m_rhs;
};

#endif // BlockTridiagonalH
