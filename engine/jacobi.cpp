#include "engine/jacobi.h"

#include <cmath>

namespace {

// Off-diagonal magnitude at or below which the pivot is chosen by ratio to the diagonal gap.
constexpr double kSizeLimit = static_cast<double>(9.999999e-6f);
constexpr double kRatioStart = static_cast<double>(4e-5f);
constexpr double kRatioStop = static_cast<double>(5e-5f);
constexpr double kHalfRoot = static_cast<double>(0.707f);

struct Pivot {
  int p = 0;
  int q = 0;
};

// Pivot by ratio |A(i, j) / (A(i, i) - A(j, j))|, row by row; false when the matrix is diagonal.
bool FindRatioPivot(const SpinBlockMatrix& A, int n, Pivot& pivot) {
  double bound = kRatioStart;
  for (int i = 1; i <= n - 1; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const double a = A(i, j);
      if (a == 0.0) continue;
      const double d = A(i, i) - A(j, j);
      if (d == 0.0) continue;
      const double r = std::fabs(a / d);
      if (r > bound) {
        pivot = {i, j};
        bound = r;
      }
    }
  }
  return bound - kRatioStop > 0.0;
}

// Rotates rows and columns p and q (p < q) so that A(p, q) vanishes, and V along.
void Rotate(SpinBlockMatrix& A, SpinBlockMatrix& V, int n, int p, int q) {
  const double apq = A(p, q);
  const double d = A(p, p) - A(q, q);
  const double r = std::sqrt(std::fabs(d * d + 4.0 * apq * apq));
  const double c0 = std::sqrt(std::fabs((d + r) / (2.0 * r)));
  double c;
  double s;
  if (c0 < kHalfRoot) {
    s = -c0;
    c = std::sqrt(1.0 - s * s);
  } else {
    c = c0;
    s = -std::sqrt(1.0 - c0 * c0);
  }
  if (d / apq < 0.0) s = -s;
  for (int k = 1; k <= n; ++k) {
    const double t = V(k, p);
    V(k, p) = c * t - s * V(k, q);
    V(k, q) = c * V(k, q) + s * t;
    if (k != p && k != q) {
      const double akp = A(k, p);
      const double akq = A(k, q);
      A(p, k) = c * akp - s * akq;
      A(q, k) = c * akq + s * akp;
      A(k, p) = A(p, k);
      A(k, q) = A(q, k);
    }
  }
  const double trace = A(p, p) + A(q, q);
  A(p, p) = s * s * A(q, q) + c * c * A(p, p) - 2.0 * c * s * apq;
  A(q, q) = trace - A(p, p);
  A(p, q) = 0.0;
  A(q, p) = 0.0;
}

// Largest |A(i, j)| over the upper triangle, column by column and row by row within a column,
// the first one found winning ties: the pivot rule the two searches below share.
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

// The same rule with each column's largest element (and its first row) kept up to date, so a
// search costs one pass over the columns instead of one over the triangle.
class ColumnMaxSearch {
 public:
  ColumnMaxSearch(const SpinBlockMatrix& A, int n) : a_(A), n_(n) {
    for (int j = 2; j <= n_; ++j) Rescan(j);
  }
  double Largest(Pivot& pivot) const {
    double best = max_[2];
    pivot = {row_[2], 2};
    for (int j = 3; j <= n_; ++j) {
      if (max_[j] > best) {
        best = max_[j];
        pivot = {row_[j], j};
      }
    }
    return best;
  }
  // After a rotation of rows and columns p < q: columns p and q changed wholly, every other
  // column j only in rows p and q (where those lie above the diagonal).
  void Rotated(int p, int q) {
    if (p >= 2) Rescan(p);
    Rescan(q);
    for (int j = p + 1; j <= n_; ++j) {
      if (j == q) continue;
      if (row_[j] == p || row_[j] == q) {
        Rescan(j);
        continue;
      }
      Offer(j, p);
      if (q < j) Offer(j, q);
    }
  }

 private:
  void Rescan(int j) {
    double best = std::fabs(a_(1, j));
    int row = 1;
    for (int i = 2; i < j; ++i) {
      const double v = std::fabs(a_(i, j));
      if (v > best) {
        best = v;
        row = i;
      }
    }
    max_[j] = best;
    row_[j] = row;
  }
  // Element (i, j) changed while the column's largest stayed where it was.
  void Offer(int j, int i) {
    const double v = std::fabs(a_(i, j));
    if (v > max_[j] || (v == max_[j] && i < row_[j])) {
      max_[j] = v;
      row_[j] = i;
    }
  }

  const SpinBlockMatrix& a_;
  int n_;
  std::array<double, SpinBlockMatrix::kDim> max_{};
  std::array<int, SpinBlockMatrix::kDim> row_{};
};

template <class Search>
void Diagonalise(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  if (n < 1) return;
  if (n >= SpinBlockMatrix::kDim) n = SpinBlockMatrix::kDim - 1;
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i) V(i, j) = (i == j) ? 1.0 : 0.0;
  if (n == 1) return;
  const int limit = (3 * n * n) / 2;
  Search search(A, n);
  int rotations = 0;
  do {
    ++rotations;
    Pivot pivot;
    const double largest = search.Largest(pivot);
    if (!(largest > kSizeLimit) && !FindRatioPivot(A, n, pivot)) break;
    Rotate(A, V, n, pivot.p, pivot.q);
    search.Rotated(pivot.p, pivot.q);
  } while (limit > rotations);
}

}  // namespace

void JacobiDiag(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  Diagonalise<ColumnMaxSearch>(A, V, n);
}

void JacobiDiagFullScan(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  Diagonalise<FullScanSearch>(A, V, n);
}
