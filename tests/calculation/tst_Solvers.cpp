#include <QtTest>

#include <cmath>
#include <random>

#include <ZOT_Exception.h>
#include <calculation/DenseMatrix.h>
#include <calculation/LUdecomp.h>
#include <calculation/LinearSystemSolver.h>
#include <calculation/SingularValueDecomposition.h>

#include "FuzzyCompare.h"

namespace {

using Rows = std::vector<std::vector<double>>;

DenseMatrix matrixFromRows(const Rows &rows) {
    DenseMatrix A(int(rows.size()), int(rows.front().size()));
    for (int i = 0; i < A.rows(); ++i)
        for (int j = 0; j < A.cols(); ++j)
            A(i, j) = rows[std::size_t(i)][std::size_t(j)];
    return A;
}

std::vector<double> multiply(const DenseMatrix &A, const std::vector<double> &x) {
    std::vector<double> b(std::size_t(A.rows()), 0.0);
    for (int i = 0; i < A.rows(); ++i)
        for (int j = 0; j < A.cols(); ++j)
            b[std::size_t(i)] += A(i, j) * x[std::size_t(j)];
    return b;
}

/*! Rotation by angle a in the (p, q) plane of the n×n identity. */
DenseMatrix rotation(int n, int p, int q, double a) {
    DenseMatrix R(n, n);
    for (int i = 0; i < n; ++i)
        R(i, i) = 1.0;
    R(p, p) = std::cos(a);
    R(q, q) = std::cos(a);
    R(p, q) = -std::sin(a);
    R(q, p) = std::sin(a);
    return R;
}

DenseMatrix product(const DenseMatrix &A, const DenseMatrix &B) {
    DenseMatrix C(A.rows(), B.cols());
    for (int i = 0; i < A.rows(); ++i)
        for (int j = 0; j < B.cols(); ++j)
            for (int k = 0; k < A.cols(); ++k)
                C(i, j) += A(i, k) * B(k, j);
    return C;
}

/*! Random matrix with entries in [-1, 1] and a dominant diagonal, so its condition number stays small. */
DenseMatrix wellConditioned(int n, std::mt19937 &rng) {
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    DenseMatrix A(n, n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            A(i, j) = dist(rng);
        A(i, i) += (A(i, i) < 0 ? -1.0 : 1.0) * n;
    }
    return A;
}

template <typename F> ZOT::Exception::MsgInfo thrownBy(F f) {
    try {
        f();
    }
    catch (ZOT::Exception &ex) {
        return ex.messages().back();
    }
    return ZOT::Exception::MsgInfo("", "");
}

} // namespace

Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(std::vector<double>)

class tst_Solvers : public QObject {
    Q_OBJECT
private slots:
    void acceptedOnFirstSolve_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<std::vector<double>>("expected");
        QTest::newRow("well-conditioned 2x2") << Rows{{4, 1}, {2, 3}} << std::vector<double>{1, 2};
        QTest::newRow("needs a row interchange")
            << Rows{{0, 2, 1}, {1, 1, 1}, {2, 1, 0}} << std::vector<double>{1, -1, 3};
        QTest::newRow("row scales differ by 1e6") << Rows{{1e6, 2e6}, {3, 1}} << std::vector<double>{0.5, 4};
    }
    void acceptedOnFirstSolve() {
        QFETCH(Rows, rows);
        QFETCH(std::vector<double>, expected);
        const DenseMatrix A = matrixFromRows(rows);
        const std::vector<double> b = multiply(A, expected);
        LinearSystemSolver solver;
        std::vector<double> x;
        QVERIFY(solver.solve(A, b, x, 1e-10));
        QCOMPARE(solver.refinementSteps(), 0);
        QVERIFY(!solver.usedSvd());
        QCOMPARE(x.size(), expected.size());
        for (std::size_t j = 0; j < x.size(); ++j)
            HYG_COMPARE_DOUBLE(x[j], expected[j], 1e-12, 1e-14);
    }

    void nanFirstSolutionRejected_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<std::vector<double>>("b");
        QTest::newRow("NaN in b") << Rows{{4, 1}, {2, 3}} << std::vector<double>{NAN, 1};
        QTest::newRow("NaN in the matrix") << Rows{{4, NAN}, {2, 3}} << std::vector<double>{1, 1};
    }
    void nanFirstSolutionRejected() {
        QFETCH(Rows, rows);
        QFETCH(std::vector<double>, b);
        LinearSystemSolver solver;
        std::vector<double> x;
        QVERIFY(!solver.solve(matrixFromRows(rows), b, x, 1e-10));
        QCOMPARE(solver.refinementSteps(), 0);
        QVERIFY(!solver.usedSvd());
    }

    void zeroRowThrows() {
        const DenseMatrix A = matrixFromRows({{1, 2}, {0, 0}});
        std::vector<double> x;
        const ZOT::Exception::MsgInfo info = thrownBy([&] { solveLinearSystem(A, {1, 0}, x, 1e-10); });
        QCOMPARE(info.what, std::string("Singular matrix in LUdecomp"));
        QCOMPARE(info.where, std::string("[LUdecomp::constructor]"));
    }

    void singularConsistentSystemSolvedBySvd() {
        // Third row = first + second: LU meets a rounding-sized pivot and refinement cannot settle, but b lies
        // in the range of A, so the minimum-norm solution of the decomposition fallback is exact.
        DenseMatrix A = matrixFromRows({{0.3, 0.1, 0.3}, {0.1, 0.3, 0.8}, {0, 0, 0}});
        for (int j = 0; j < 3; ++j)
            A(2, j) = A(0, j) + A(1, j);
        const std::vector<double> b = multiply(A, {1, 2, 3});
        LinearSystemSolver solver;
        std::vector<double> x;
        QVERIFY(solver.solve(A, b, x, 1e-10));
        QVERIFY(solver.usedSvd());
        QCOMPARE(solver.refinementSteps(), LinearSystemSolver::MaxRefinementSteps);
        HYG_COMPARE_DOUBLE(solver.tolerance(), 1e-6, 1e-12, 0.0);
        // Minimum norm: x is orthogonal to the null vector (cross product of the first two rows).
        const double null[3] = {A(0, 1) * A(1, 2) - A(0, 2) * A(1, 1), A(0, 2) * A(1, 0) - A(0, 0) * A(1, 2),
                                A(0, 0) * A(1, 1) - A(0, 1) * A(1, 0)};
        HYG_COMPARE_DOUBLE(x[0] * null[0] + x[1] * null[1] + x[2] * null[2], 0.0, 0.0, 1e-12);
    }

    void inconsistentSystemFailsAfterSvd() {
        const DenseMatrix A = matrixFromRows({{1, 2}, {2, 4}});
        LinearSystemSolver solver;
        std::vector<double> x;
        QVERIFY(!solver.solve(A, {1, 1}, x, 1e-10));
        QCOMPARE(solver.refinementSteps(), LinearSystemSolver::MaxRefinementSteps);
        QVERIFY(solver.usedSvd());
        HYG_COMPARE_DOUBLE(solver.tolerance(), 1e-6, 1e-12, 0.0);
        // The least-squares solution x0 + 2·x1 = 0.6 is what the fallback delivers.
        HYG_COMPARE_DOUBLE(x[0] + 2 * x[1], 0.6, 1e-12, 0.0);
    }

    void toleranceRelaxation_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("expected");
        QTest::newRow("step 1 keeps the tolerance") << 1 << 1e-10;
        QTest::newRow("step 20 keeps the tolerance") << 20 << 1e-10;
        QTest::newRow("step 21") << 21 << 1e-9;
        QTest::newRow("step 22") << 22 << 1e-8;
        QTest::newRow("step 23") << 23 << 1e-7;
        QTest::newRow("step 24 reaches the limit") << 24 << 1e-6;
        QTest::newRow("step 100 stays at the limit") << 100 << 1e-6;
    }
    void toleranceRelaxation() {
        QFETCH(int, step);
        QFETCH(double, expected);
        double tolerance = 1e-10;
        for (int i = 1; i <= step; ++i)
            tolerance = relaxedTolerance(tolerance, i);
        HYG_COMPARE_DOUBLE(tolerance, expected, 1e-12, 0.0);
    }

    void residualOkRows_data() {
        QTest::addColumn<std::vector<double>>("x");
        QTest::addColumn<std::vector<double>>("b");
        QTest::addColumn<bool>("ok");
        // A = [[1, 1], [1, -1]]
        QTest::newRow("exact") << std::vector<double>{2, 1} << std::vector<double>{3, 1} << true;
        QTest::newRow("relative residual below tolerance")
            << std::vector<double>{2, 1} << std::vector<double>{3 * (1 + 0.5e-8), 1} << true;
        QTest::newRow("relative residual above tolerance")
            << std::vector<double>{2, 1} << std::vector<double>{3 * (1 + 2e-8), 1} << false;
        QTest::newRow("NaN in x") << std::vector<double>{NAN, 1} << std::vector<double>{3, 1} << false;
        QTest::newRow("A*x = 0 and b = 0 gives NaN") << std::vector<double>{1, 1} << std::vector<double>{2, 0} << false;
        QTest::newRow("A*x = 0 and b != 0 gives infinity")
            << std::vector<double>{1, 1} << std::vector<double>{2, 1e-30} << false;
    }
    void residualOkRows() {
        QFETCH(std::vector<double>, x);
        QFETCH(std::vector<double>, b);
        QFETCH(bool, ok);
        QCOMPARE(residualOk(matrixFromRows({{1, 1}, {1, -1}}), b, x, 1e-8), ok);
    }

    void luPivoting_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<std::vector<int>>("permutation");
        QTest::addColumn<double>("parity");
        QTest::newRow("zero in the first pivot") << Rows{{0, 1}, {1, 0}} << std::vector<int>{1, 1} << -1.0;
        QTest::newRow("equal scaled candidates: later row wins")
            << Rows{{1, 0}, {1, 1}} << std::vector<int>{1, 1} << -1.0;
        QTest::newRow("implicit scaling beats magnitude") << Rows{{2, 100}, {1, 0.5}} << std::vector<int>{1, 1} << -1.0;
        QTest::newRow("no interchange") << Rows{{5, 1, 0}, {1, 4, 1}, {0, 1, 3}} << std::vector<int>{0, 1, 2} << 1.0;
    }
    void luPivoting() {
        QFETCH(Rows, rows);
        QFETCH(std::vector<int>, permutation);
        QFETCH(double, parity);
        const DenseMatrix A = matrixFromRows(rows);
        const LUdecomp lu(A);
        QCOMPARE(lu.permutation(), permutation);
        QCOMPARE(lu.parity(), parity);
        // L·U must equal A with the recorded interchanges applied in order.
        DenseMatrix PA = A;
        for (int i = 0; i < lu.n(); ++i)
            for (int k = 0; k < lu.n(); ++k)
                std::swap(PA(i, k), PA(permutation[std::size_t(i)], k));
        for (int i = 0; i < lu.n(); ++i)
            for (int j = 0; j < lu.n(); ++j) {
                double s = i <= j ? lu.lu()(i, j) : 0.0;
                for (int k = 0; k < std::min(i, j + 1); ++k)
                    s += lu.lu()(i, k) * (k <= j ? lu.lu()(k, j) : 0.0);
                HYG_COMPARE_DOUBLE(s, PA(i, j), 1e-14, 1e-14);
            }
    }

    void luZeroPivotReplaced() {
        const DenseMatrix A = matrixFromRows({{1, 2}, {2, 4}});
        const LUdecomp lu(A);
        QCOMPARE(lu.lu()(1, 1), 1e-40);
    }

    void luImproveReducesError() {
        // Hilbert matrix: the first solution carries a visible error that refinement shrinks.
        const int n = 8;
        DenseMatrix A(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                A(i, j) = 1.0 / (i + j + 1);
        const std::vector<double> exact(n, 1.0);
        const std::vector<double> b = multiply(A, exact);
        LUdecomp lu(A);
        std::vector<double> x(n);
        lu.solve(b, x);
        auto residual = [&] {
            const std::vector<double> r = multiply(A, x);
            double s = 0;
            for (int i = 0; i < n; ++i)
                s = std::max(s, std::fabs(r[std::size_t(i)] - b[std::size_t(i)]));
            return s;
        };
        const double before = residual();
        lu.improve(b, x);
        lu.improve(b, x);
        QVERIFY2(residual() <= before, qPrintable(QString("%1 > %2").arg(residual()).arg(before)));
    }

    void luSolveBadSize() {
        const DenseMatrix A = matrixFromRows({{4, 1}, {2, 3}});
        const LUdecomp lu(A);
        std::vector<double> x(2);
        const ZOT::Exception::MsgInfo info = thrownBy([&] { lu.solve({1, 2, 3}, x); });
        QCOMPARE(info.what, std::string("LUdecomp::solve bad size"));
        QCOMPARE(info.where, std::string("[LUdecomp<T>::solve]"));
    }

    void svdKnownDecomposition_data() {
        QTest::addColumn<std::vector<double>>("singularValues");
        QTest::newRow("distinct, given ascending") << std::vector<double>{1, 2, 3, 5};
        QTest::newRow("unordered") << std::vector<double>{2, 7, 0.5, 4};
        QTest::newRow("one zero singular value") << std::vector<double>{3, 0, 1, 2};
    }
    void svdKnownDecomposition() {
        QFETCH(std::vector<double>, singularValues);
        const int n = int(singularValues.size());
        const DenseMatrix U0 = product(rotation(n, 0, 2, 0.4), rotation(n, 1, 3, -1.1));
        const DenseMatrix V0 = product(rotation(n, 0, 1, 2.3), rotation(n, 2, 3, 0.7));
        DenseMatrix S(n, n);
        for (int i = 0; i < n; ++i)
            S(i, i) = singularValues[std::size_t(i)];
        DenseMatrix V0t(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                V0t(i, j) = V0(j, i);
        const DenseMatrix A = product(product(U0, S), V0t);

        const SingularValueDecomposition svd(A);
        std::vector<double> sorted = singularValues;
        std::sort(sorted.rbegin(), sorted.rend());
        for (int i = 0; i < n; ++i)
            HYG_COMPARE_DOUBLE(svd.w()[std::size_t(i)], sorted[std::size_t(i)], 1e-13, 1e-14);
        verifyDecomposition(A, svd);
    }

    void svdRectangular() {
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> dist(-1.0, 1.0);
        DenseMatrix A(5, 3);
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 3; ++j)
                A(i, j) = dist(rng);
        verifyDecomposition(A, SingularValueDecomposition(A));
    }

    void svdSolveThreshold() {
        // diag(4, 1e-12): the default threshold (about 2.4e-15) keeps the small value, 1e-9 drops it.
        const DenseMatrix A = matrixFromRows({{4, 0}, {0, 1e-12}});
        SingularValueDecomposition svd(A);
        HYG_COMPARE_DOUBLE(svd.defaultThreshold(), 0.5 * std::sqrt(5.0) * 4 * SingularValueDecomposition::eps, 1e-15,
                           0.0);
        std::vector<double> x;
        svd.solve({8, 3e-12}, x);
        HYG_COMPARE_DOUBLE(x[0], 2.0, 1e-14, 0.0);
        HYG_COMPARE_DOUBLE(x[1], 3.0, 1e-12, 0.0);
        svd.solve({8, 3e-12}, x, 1e-9);
        HYG_COMPARE_DOUBLE(x[0], 2.0, 1e-14, 0.0);
        QCOMPARE(x[1], 0.0);
    }

    void svdSolveBadSize_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<std::vector<double>>("b");
        QTest::newRow("b too long") << Rows{{4, 1}, {2, 3}} << std::vector<double>{1, 2, 3};
        QTest::newRow("one row") << Rows{{4}} << std::vector<double>{1};
    }
    void svdSolveBadSize() {
        QFETCH(Rows, rows);
        QFETCH(std::vector<double>, b);
        SingularValueDecomposition svd(matrixFromRows(rows));
        std::vector<double> x;
        const ZOT::Exception::MsgInfo info = thrownBy([&] { svd.solve(b, x); });
        QCOMPARE(info.what, std::string("SingularValueDecomposition::solve bad size"));
        QCOMPARE(info.where, std::string("[SingularValueDecomposition<T>::solve]"));
    }

    void randomSystems_data() {
        QTest::addColumn<int>("n");
        for (int n : {1, 2, 3, 5, 8, 13, 20, 31})
            QTest::newRow(qPrintable(QString("%1 unknowns").arg(n))) << n;
    }
    void randomSystems() {
        QFETCH(int, n);
        std::mt19937 rng(std::mt19937::result_type(1000 + n));
        std::uniform_real_distribution<double> dist(0.5, 2.0);
        LinearSystemSolver solver;
        for (int trial = 0; trial < 20; ++trial) {
            const DenseMatrix A = wellConditioned(n, rng);
            std::vector<double> exact(static_cast<std::size_t>(n));
            for (double &v : exact)
                v = dist(rng);
            const std::vector<double> b = multiply(A, exact);
            std::vector<double> x;
            QVERIFY(solver.solve(A, b, x, 1e-10));
            QVERIFY(!solver.usedSvd());
            for (int j = 0; j < n; ++j)
                HYG_COMPARE_DOUBLE(x[std::size_t(j)], exact[std::size_t(j)], 1e-11, 0.0);
        }
    }

private:
    /*! A = U·diag(w)·Vᵀ, UᵀU = VᵀV = 1, w descending and non-negative, and no column pair mostly negative. */
    void verifyDecomposition(const DenseMatrix &A, const SingularValueDecomposition &svd) {
        const int m = A.rows();
        const int n = A.cols();
        for (int j = 1; j < n; ++j)
            QVERIFY(svd.w()[std::size_t(j - 1)] >= svd.w()[std::size_t(j)]);
        QVERIFY(svd.w()[std::size_t(n - 1)] >= 0.0);
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < n; ++j) {
                double s = 0.0;
                for (int k = 0; k < n; ++k)
                    s += svd.u()(i, k) * svd.w()[std::size_t(k)] * svd.v()(j, k);
                HYG_COMPARE_DOUBLE(s, A(i, j), 1e-12, 1e-13);
            }
        for (int p = 0; p < n; ++p)
            for (int q = 0; q < n; ++q) {
                double uu = 0.0;
                double vv = 0.0;
                for (int i = 0; i < m; ++i)
                    uu += svd.u()(i, p) * svd.u()(i, q);
                for (int i = 0; i < n; ++i)
                    vv += svd.v()(i, p) * svd.v()(i, q);
                if (svd.w()[std::size_t(p)] > 0.0 && svd.w()[std::size_t(q)] > 0.0)
                    HYG_COMPARE_DOUBLE(uu, p == q ? 1.0 : 0.0, 1e-13, 1e-13);
                HYG_COMPARE_DOUBLE(vv, p == q ? 1.0 : 0.0, 1e-13, 1e-13);
            }
        for (int k = 0; k < n; ++k) {
            int negatives = 0;
            for (int i = 0; i < m; ++i)
                negatives += svd.u()(i, k) < 0.0 ? 1 : 0;
            for (int i = 0; i < n; ++i)
                negatives += svd.v()(i, k) < 0.0 ? 1 : 0;
            QVERIFY2(negatives <= (m + n) / 2, qPrintable(QString("column %1: %2 negatives").arg(k).arg(negatives)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Solvers)
#include "tst_Solvers.moc"
