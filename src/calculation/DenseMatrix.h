#ifndef DenseMatrixH
#define DenseMatrixH

// Dense matrix of doubles, stored row by row in one block; the matrix type of the linear solvers.
// resize() keeps the storage, so a matrix reused for systems of the same or a smaller size does not allocate.

#include <cstddef>
#include <vector>

class DenseMatrix {
public:
    DenseMatrix() = default;
    DenseMatrix(int rows, int cols) { resize(rows, cols); }

    /*! Sets the dimensions and fills all elements with 0. */
    void resize(int rows, int cols) {
        m_rows = rows;
        m_cols = cols;
        m_values.assign(std::size_t(rows) * std::size_t(cols), 0.0);
    }

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    double &operator()(int i, int j) { return m_values[std::size_t(i) * std::size_t(m_cols) + std::size_t(j)]; }
    double operator()(int i, int j) const { return m_values[std::size_t(i) * std::size_t(m_cols) + std::size_t(j)]; }

    /*! Pointer to the first element of row i; the row's elements follow contiguously. */
    double *row(int i) { return m_values.data() + std::size_t(i) * std::size_t(m_cols); }
    const double *row(int i) const { return m_values.data() + std::size_t(i) * std::size_t(m_cols); }

private:
    int m_rows = 0;
    int m_cols = 0;
    std::vector<double> m_values;
};

#endif // DenseMatrixH
