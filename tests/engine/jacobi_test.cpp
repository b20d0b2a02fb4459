#include "engine/jacobi.h"
#include "engine/jacobi_vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

SpinBlockMatrix Identity(int n) {
  SpinBlockMatrix m;
  for (int i = 1; i <= n; ++i) m(i, i) = 1.0;
  return m;
}

// A symmetric matrix whose off-diagonal entries come from a small set of values, so that the
// pivot search meets many ties, like the blocks of a spin Hamiltonian with equal couplings.
SpinBlockMatrix TiedSymmetric(int n, unsigned seed) {
  std::mt19937 rng(seed);
  const double values[] = {0.0, 0.0, 0.5, -0.5, 2.5, 1.0, 1e-6, -3e-6};
  std::uniform_int_distribution<int> pick(0, 7);
  std::uniform_real_distribution<double> diag(-300.0, 300.0);
  SpinBlockMatrix a;
  for (int j = 1; j <= n; ++j) {
    a(j, j) = (j % 5 == 0) ? a(j - 1, j - 1) : diag(rng);  // some equal diagonal entries too
    for (int i = 1; i < j; ++i) a(i, j) = a(j, i) = values[pick(rng)];
  }
  return a;
}

TEST(JacobiDiag, DiagonalMatrixNeedsNoRotation) {
  SpinBlockMatrix a;
  a(1, 1) = 3.0;
  a(2, 2) = -1.0;
  a(3, 3) = 3.0;
  const SpinBlockMatrix before = a;
  SpinBlockMatrix v;
  v(2, 1) = 7.0;  // stale contents must be replaced by the identity
  JacobiDiag(a, v, 3);
  EXPECT_EQ(a.e, before.e);
  EXPECT_EQ(v.e, Identity(3).e);
}

// Off-diagonal elements up to the size limit are rotated only when their ratio to the diagonal
// gap exceeds 5e-5 (and the gap is not zero); larger elements always are.
TEST(JacobiDiag, SmallElementsRotateByRatio) {
  struct Case {
    double offDiagonal, gap;
    bool rotates;
  } cases[] = {
      {1.1e-5, 10.0, true},          // above the size limit, whatever the ratio
      {9e-6, 0.1, true},             // ratio 9e-5
      {5.000001e-6, 0.1, true},      // ratio just above 5e-5
      {4.99999995e-6, 0.1, false},   // ratio just below 5e-5 (above its 32-bit neighbour)
      {4.5e-6, 0.1, false},          // ratio between the start bound 4e-5 and 5e-5
      {9.9e-6, 1.0, false},          // ratio below the start bound
      {9.9999993e-6, 1.0, false},    // not above the size limit, the 32-bit float nearest 1e-5
      {1e-6, 0.0, false},            // no gap: not considered
  };
  for (const Case& c : cases) {
    SpinBlockMatrix a;
    a(1, 1) = c.gap;
    a(1, 2) = a(2, 1) = c.offDiagonal;
    const SpinBlockMatrix before = a;
    SpinBlockMatrix v;
    JacobiDiag(a, v, 2);
    EXPECT_EQ(a.e != before.e, c.rotates) << c.offDiagonal << " " << c.gap;
    EXPECT_EQ(v.e != Identity(2).e, c.rotates) << c.offDiagonal << " " << c.gap;
  }
}

TEST(JacobiDiag, OneRotationForTwoByTwoOfOnes) {
  SpinBlockMatrix a;
  a(1, 1) = a(1, 2) = a(2, 1) = a(2, 2) = 1.0;
  SpinBlockMatrix v;
  JacobiDiag(a, v, 2);
  EXPECT_NEAR(a(1, 1), 2.0, 1e-12);
  EXPECT_NEAR(a(2, 2), 0.0, 1e-12);
  const double h = std::sqrt(0.5);
  EXPECT_NEAR(v(1, 1), h, 1e-12);
  EXPECT_NEAR(v(2, 1), h, 1e-12);
  EXPECT_NEAR(v(1, 2), -h, 1e-12);
  EXPECT_NEAR(v(2, 2), h, 1e-12);
}

TEST(JacobiDiag, SizeOneAndZero) {
  SpinBlockMatrix a;
  a(1, 1) = 5.0;
  SpinBlockMatrix v;
  JacobiDiag(a, v, 1);
  EXPECT_EQ(v(1, 1), 1.0);
  EXPECT_EQ(a(1, 1), 5.0);
  SpinBlockMatrix w;
  w(1, 1) = 9.0;
  JacobiDiag(a, w, 0);
  EXPECT_EQ(w(1, 1), 9.0);
}

// Each vector width where the processor has it; elsewhere the full scan itself.
void EightLanes(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (!JacobiDiagVector(A, V, n, 8)) JacobiDiagFullScan(A, V, n);
}
void FourLanes(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (!JacobiDiagVector(A, V, n, 4)) JacobiDiagFullScan(A, V, n);
}

// The faster searches must pick the very pivots of the full scan: same rotations, same bits.
TEST(JacobiDiag, SameBitsAsFullScan) {
  for (auto diagonalise : {JacobiDiag, JacobiDiagColumnMax, EightLanes, FourLanes}) {
    for (int n : {2, 3, 8, 9, 28, 56, 63, 70}) {
      for (unsigned seed : {1u, 2u, 3u}) {
        SpinBlockMatrix a = TiedSymmetric(n, seed * 97 + n);
        SpinBlockMatrix b = a;
        SpinBlockMatrix va;
        SpinBlockMatrix vb;
        diagonalise(a, va, n);
        JacobiDiagFullScan(b, vb, n);
        ASSERT_EQ(a.e, b.e) << "n " << n << " seed " << seed;
        ASSERT_EQ(va.e, vb.e) << "n " << n << " seed " << seed;
      }
    }
  }
}

// Entries that are not finite cannot be ordered by the fast search: such a matrix still ends
// within the rotation limit, in the bounds of the matrix, with the plain search's results.
TEST(JacobiDiag, NonFiniteEntriesTakeThePlainSearch) {
  for (double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
    SpinBlockMatrix a = TiedSymmetric(28, 5);
    a(3, 7) = a(7, 3) = bad;
    SpinBlockMatrix b = a;
    SpinBlockMatrix va;
    SpinBlockMatrix vb;
    JacobiDiag(a, va, 28);
    JacobiDiagFullScan(b, vb, 28);
    EXPECT_EQ(std::memcmp(a.e.data(), b.e.data(), sizeof a.e), 0) << bad;
    EXPECT_EQ(std::memcmp(va.e.data(), vb.e.data(), sizeof va.e), 0) << bad;
  }
}

// A V = V diag(A) with orthonormal V, on matrices with ties and degenerate diagonals.
TEST(JacobiDiag, EigenpairsOfTiedMatrices) {
  for (int n : {5, 28, 70}) {
    const SpinBlockMatrix original = TiedSymmetric(n, 11 + n);
    SpinBlockMatrix a = original;
    SpinBlockMatrix v;
    JacobiDiag(a, v, n);
    for (int j = 1; j <= n; ++j) {
      for (int i = 1; i <= n; ++i) {
        double av = 0.0;
        double vv = 0.0;
        for (int k = 1; k <= n; ++k) {
          av += original(i, k) * v(k, j);
          vv += v(k, i) * v(k, j);
        }
        ASSERT_NEAR(av, a(j, j) * v(i, j), 1e-4) << "n " << n << " (" << i << ", " << j << ")";
        ASSERT_NEAR(vv, i == j ? 1.0 : 0.0, 1e-9);
      }
    }
  }
}

}  // namespace
