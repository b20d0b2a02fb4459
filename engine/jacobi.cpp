#include "engine/jacobi.h"

#include <cmath>

#include "engine/jacobi_rules.h"
#include "engine/jacobi_vector.h"

namespace {

struct Pivot {
  int p = 0;
  int q = 0;
};

// Rotates rows and columns p and q (p < q) so that A(p, q) vanishes, and V along.
void Rotate(SpinBlockMatrix& A, SpinBlockMatrix& V, int n, int p, int q) {
  const double apq = A(p, q);
  const jacobi::Angle angle = jacobi::RotationAngle(A(p, p), A(q, q), apq);
  const double c = angle.c;
  const double s = angle.s;
  // Columns p and q of V and A are contiguous; every element is worked on its own, so the
  // loops may run vectorised with unchanged results. The diagonal and (p, q) entries touched
  // by the column loop are set below.
  double* vp = V.Column(p) + 1;
  double* vq = V.Column(q) + 1;
  for (int k = 0; k < n; ++k) {
    const double t = vp[k];
    vp[k] = c * t - s * vq[k];
    vq[k] = c * vq[k] + s * t;
  }
  double* ap = A.Column(p) + 1;
  double* aq = A.Column(q) + 1;
  for (int k = 0; k < n; ++k) {
    const double akp = ap[k];
    const double akq = aq[k];
    ap[k] = c * akp - s * akq;
    aq[k] = c * akq + s * akp;
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
// the first one found winning ties: the pivot rule every search shares.
class FullScanSearch {
 public:
  FullScanSearch(const SpinBlockMatrix& A, int n) : a_(A), n_(n) {}
  double Largest(Pivot& pivot) const {
    double best = 0.0;
    bool found = false;
    for (int j = 2; j <= n_; ++j) {
      for (int i = 1; i < j; ++i) {
        const double v = std::fabs(a_(i, j));
        if (!found || v > best) {
          best = v;
          pivot = {i, j};
          found = true;
        }
      }
    }
    return best;
  }
  void Rotated(int, int) {}

 private:
  const SpinBlockMatrix& a_;
  int n_;
};

// Index (from 0) of the first largest of v[0] .. v[count - 1] (count >= 1, no NaN) and that
// largest. The largest is found first in four independent lanes, then its first place.
template <class Magnitude>
int FirstLargest(const double* v, int count, Magnitude magnitude, double& best) {
  double m[4] = {0.0, 0.0, 0.0, 0.0};
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    for (int lane = 0; lane < 4; ++lane) {
      const double x = magnitude(v[i + lane]);
      m[lane] = x > m[lane] ? x : m[lane];
    }
  }
  for (; i < count; ++i) {
    const double x = magnitude(v[i]);
    m[0] = x > m[0] ? x : m[0];
  }
  const double a = m[0] > m[1] ? m[0] : m[1];
  const double b = m[2] > m[3] ? m[2] : m[3];
  best = a > b ? a : b;
  int first = 0;
  while (first < count - 1 && magnitude(v[first]) != best) ++first;
  return first;
}

// The same rule with each column's largest element (and its first row) kept up to date, so a
// search costs one pass over the columns instead of one over the triangle.
class ColumnMaxSearch {
 public:
  ColumnMaxSearch(const SpinBlockMatrix& A, int n) : a_(A), n_(n) {
    for (int j = 2; j <= n_; ++j) Rescan(j);
  }
  double Largest(Pivot& pivot) const {
    double best;
    const int col = 2 + FirstLargest(&max_[2], n_ - 1, [](double x) { return x; }, best);
    pivot = {row_[col], col};
    return best;
  }
  // After a rotation of rows and columns p < q: columns p and q changed wholly, every other
  // column j only in rows p and q (where those lie above the diagonal). The changed elements
  // (p, j) and (q, j) are read from the symmetric, contiguous columns p and q.
  void Rotated(int p, int q) {
    if (p >= 2) Rescan(p);
    Rescan(q);
    const double* colP = a_.Column(p);
    const double* colQ = a_.Column(q);
    for (int j = p + 1; j <= n_; ++j) {
      if (j == q) continue;
      const double vp = std::fabs(colP[j]);
      if (j < q) {
        // Only row p changed.
        if (row_[j] == p) {
          if (vp >= max_[j]) max_[j] = vp;
          else Rescan(j);
        } else {
          Offer(j, p, vp);
        }
        continue;
      }
      const double vq = std::fabs(colQ[j]);
      const int row = row_[j];
      if (row == p || row == q) {
        // The largest sat in a changed row: it stays there if that element did not shrink
        // (an equal element elsewhere lies further down); otherwise the other changed row
        // takes it only when strictly above every unchanged element; else look again.
        const double vRow = row == p ? vp : vq;
        const double vOther = row == p ? vq : vp;
        const int other = row == p ? q : p;
        if (vRow >= max_[j]) {
          max_[j] = vRow;
          Offer(j, other, vOther);
        } else if (vOther > max_[j]) {
          max_[j] = vOther;
          row_[j] = other;
        } else {
          Rescan(j);
        }
        continue;
      }
      Offer(j, p, vp);
      Offer(j, q, vq);
    }
  }

 private:
  void Rescan(int j) {
    const double* col = a_.Column(j);
    double best = std::fabs(col[1]);
    int row = 1;
    for (int i = 2; i < j; ++i) {
      const double v = std::fabs(col[i]);
      if (v > best) {
        best = v;
        row = i;
      }
    }
    max_[j] = best;
    row_[j] = row;
  }
  // Element (i, j) became v while the column's largest stayed where it was.
  void Offer(int j, int i, double v) {
    const double m = max_[j];
    const int r = row_[j];
    const bool better = (v > m) | ((v == m) & (i < r));
    max_[j] = better ? v : m;
    row_[j] = better ? i : r;
  }

  const SpinBlockMatrix& a_;
  int n_;
  std::array<double, SpinBlockMatrix::kDim> max_{};
  std::array<int, SpinBlockMatrix::kDim> row_{};
};

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

template <class Search>
void Diagonalise(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (n < 1) return;
  if (n >= SpinBlockMatrix::kDim) n = SpinBlockMatrix::kDim - 1;
  SetIdentity(V, n);
  if (n == 1) return;
  const int limit = (3 * n * n) / 2;
  Search search(A, n);
  int rotations = 0;
  do {
    ++rotations;
    Pivot pivot;
    const double largest = search.Largest(pivot);
    if (!(largest > jacobi::kSizeLimit) &&
        !jacobi::FindRatioPivot(n, [&](int i, int j) { return A(i, j); }, pivot.p, pivot.q))
      break;
    Rotate(A, V, n, pivot.p, pivot.q);
    search.Rotated(pivot.p, pivot.q);
  } while (limit > rotations);
}

}  // namespace

void JacobiDiagFullScan(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  Diagonalise<FullScanSearch>(A, V, n);
}

void JacobiDiagColumnMax(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  Diagonalise<ColumnMaxSearch>(A, V, n);
}

void JacobiDiag(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (n < 1) return;
  if (n >= SpinBlockMatrix::kDim) n = SpinBlockMatrix::kDim - 1;
  // The vector search relies on ordered comparisons: a matrix holding an infinity or a NaN
  // takes the plain search, which never leaves the matrix whatever it compares.
  if (n == 1 || !AllFinite(A, n)) {
    JacobiDiagFullScan(A, V, n);
  } else if (!JacobiDiagVector(A, V, n, 8) && !JacobiDiagVector(A, V, n, 4)) {
    JacobiDiagColumnMax(A, V, n);
  }
}
