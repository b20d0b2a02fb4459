#include "engine/jacobi.h"

#include <cmath>

#include "engine/jacobi_rules.h"
#include "engine/jacobi_vector.h"

namespace {

// Rotates rows and columns p and q (p < q) so that A(p, q) vanishes, and V along.
void Rotate(SpinBlockMatrix& A, SpinBlockMatrix& V, int n, int p, int q) {
  const double apq = A(p, q);
  const jacobi::Angle angle = jacobi::RotationAngle(A(p, p), A(q, q), apq);
  const double c = angle.c;
  const double s = angle.s;
  for (int k = 1; k <= n; ++k) {
    const double t = V(k, p);
    V(k, p) = c * t - s * V(k, q);
    V(k, q) = c * V(k, q) + s * t;
  }
  for (int k = 1; k <= n; ++k) {
    const double akp = A(k, p);
    const double akq = A(k, q);
    A(k, p) = c * akp - s * akq;
    A(k, q) = c * akq + s * akp;
  }
  for (int k = 1; k <= n; ++k) {
    A(p, k) = A(k, p);
    A(q, k) = A(k, q);
  }
  A(p, p) = angle.app;
  A(q, q) = angle.aqq;
  A(p, q) = 0.0;
  A(q, p) = 0.0;
}

// Largest |A(i, j)| over the upper triangle, column by column and row by row within a column,
// the first one found winning ties.
double LargestByFullScan(const SpinBlockMatrix& A, int n, int& p, int& q) {
  double best = 0.0;
  bool found = false;
  for (int j = 2; j <= n; ++j) {
    for (int i = 1; i < j; ++i) {
      const double v = std::fabs(A(i, j));
      if (!found || v > best) {
        best = v;
        p = i;
        q = j;
        found = true;
      }
    }
  }
  return best;
}

void SetIdentity(SpinBlockMatrix& V, int n) {
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i) V(i, j) = (i == j) ? 1.0 : 0.0;
}

bool AllFinite(const SpinBlockMatrix& A, int n) {
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i)
      if (!std::isfinite(A(i, j))) return false;
  return true;
}

}  // namespace

void JacobiDiagFullScan(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (n < 1) return;
  if (n >= SpinBlockMatrix::kDim) n = SpinBlockMatrix::kDim - 1;
  SetIdentity(V, n);
  if (n == 1) return;
  const int limit = (3 * n * n) / 2;
  int rotations = 0;
  do {
    ++rotations;
    int p = 0;
    int q = 0;
    const double largest = LargestByFullScan(A, n, p, q);
    if (!(largest > jacobi::kSizeLimit) &&
        !jacobi::FindRatioPivot(n, [&](int i, int j) { return A(i, j); }, p, q))
      break;
    Rotate(A, V, n, p, q);
  } while (limit > rotations);
}

void JacobiDiag(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (n < 1) return;
  if (n >= SpinBlockMatrix::kDim) n = SpinBlockMatrix::kDim - 1;
  // The vector search relies on ordered comparisons: a matrix holding an infinity or a NaN
  // takes the plain search, which never leaves the matrix whatever it compares.
  if (n == 1 || !AllFinite(A, n)) {
    JacobiDiagFullScan(A, V, n);
    return;
  }
  JacobiDiagVector(A, V, n);
}
