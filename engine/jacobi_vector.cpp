#include "engine/jacobi_vector.h"

#include <algorithm>
#include <cstring>

#include "engine/jacobi_rules.h"

namespace {

// Four doubles, and four comparison results (all bits set where true). GCC's vector types give
// element-wise operations, compiled for AVX2 below; each element is computed with the
// operations of the scalar code, so the results are the same bits.
using Vec = double __attribute__((vector_size(32)));
using Mask = long long __attribute__((vector_size(32)));
constexpr int kLanes = 4;
// Every step is inlined into the AVX2 function below, so that it is compiled for AVX2.
#define JACOBI_STEP inline __attribute__((always_inline))

// Working copy of the matrices: column c at A(c), row k at A(c)[k] for k = 1..n. Row 0 and the
// rows after n hold zeros, so that every loop runs over whole groups of four rows.
constexpr int kStride = 72;
constexpr int kColumns = 72;

struct alignas(64) Work {
  double a[kColumns * kStride];
  double v[kColumns * kStride];
  // Column maxima: mx[j] the largest |A(i, j)| over the rows i < j and rw[j] its first row.
  // When a rotation shrinks the element that held a column's largest, the column keeps the old
  // value as an upper bound with row -1 and is scanned again only when that bound comes out on
  // top. Columns 0, 1 and those after n hold -1, below every magnitude.
  double mx[kStride];
  double rw[kStride];
  double* A(int c) { return a + kStride * c; }
  double* V(int c) { return v + kStride * c; }
};

JACOBI_STEP Vec Load(const double* p) {
  Vec x;
  std::memcpy(&x, p, sizeof x);
  return x;
}
JACOBI_STEP void Store(double* p, Vec x) { std::memcpy(p, &x, sizeof x); }
JACOBI_STEP Vec Abs(Vec x) {
  return reinterpret_cast<Vec>(reinterpret_cast<Mask>(x) & (Mask{} + 0x7fffffffffffffffLL));
}
JACOBI_STEP Vec Splat(double x) { return Vec{} + x; }
JACOBI_STEP Vec Lanes() { return Vec{0.0, 1.0, 2.0, 3.0}; }
JACOBI_STEP Vec Max(Vec a, Vec b) { return a > b ? a : b; }
JACOBI_STEP Vec Min(Vec a, Vec b) { return a < b ? a : b; }
JACOBI_STEP double HorizontalMax(Vec x) {
  x = Max(x, __builtin_shufflevector(x, x, 2, 3, 0, 1));
  x = Max(x, __builtin_shufflevector(x, x, 1, 0, 3, 2));
  return x[0];
}
JACOBI_STEP double HorizontalMin(Vec x) {
  x = Min(x, __builtin_shufflevector(x, x, 2, 3, 0, 1));
  x = Min(x, __builtin_shufflevector(x, x, 1, 0, 3, 2));
  return x[0];
}

// Each lane keeps the first of its largest values (m) and where it stood (at); merged, the
// largest value wins and among equal ones the smallest place.
struct Leader {
  Vec m = Splat(-1.0);
  Vec at = Splat(0.0);
  JACOBI_STEP void Offer(Vec x, Vec where) {
    const Mask better = x > m;
    m = better ? x : m;
    at = better ? where : at;
  }
  JACOBI_STEP void Merge(double& best, double& where) const {
    best = HorizontalMax(m);
    where = HorizontalMin(m == best ? at : Splat(kStride));
  }
};

// Largest |A(i, c)| over the rows 1..c-1 and its first row.
JACOBI_STEP void Rescan(Work& w, int c) {
  const double* col = w.A(c);
  const Vec limit = Splat(c);
  Leader leader;
  Vec row = Lanes();
  for (int k = 0; k < c; k += kLanes) {
    const Mask inside = (row < limit) & (row > 0.0);
    leader.Offer(inside ? Abs(Load(col + k)) : Splat(-1.0), row);
    row += static_cast<double>(kLanes);
  }
  leader.Merge(w.mx[c], w.rw[c]);
}

struct Plane {
  int p = 0;  // 0: no rotation
  int q = 0;
  double c = 1.0;
  double s = 0.0;
  // Largest of columns p and q above the diagonal after the rotation (mp < 0 when p is 1),
  // stored into the column maxima by the next search, after it has read them.
  double mp = -1.0;
  double rp = 0.0;
  double mq = -1.0;
  double rq = 0.0;
};

JACOBI_STEP void RotateV(Work& w, int n, const Plane& plane) {
  if (plane.q == 0) return;
  const Vec c = Splat(plane.c);
  const Vec s = Splat(plane.s);
  double* vp = w.V(plane.p);
  double* vq = w.V(plane.q);
  for (int k = 0; k <= n; k += kLanes) {
    const Vec t = Load(vp + k);
    const Vec u = Load(vq + k);
    Store(vp + k, c * t - s * u);
    Store(vq + k, c * u + s * t);
  }
}

// Rotates columns p and q of A, copies them into rows p and q, and finds the largest of each of
// the two columns above the diagonal on the way. The previous rotation's eigenvector update
// (`pending`) runs here, where it has no part in the result: it fills the wait for the square
// roots of the angle.
JACOBI_STEP void RotateA(Work& w, int n, Plane& plane, const Plane& pending) {
  const int p = plane.p;
  const int q = plane.q;
  double* ap = w.A(p);
  double* aq = w.A(q);
  const double apq = aq[p];
  const jacobi::Angle angle = jacobi::RotationAngle(ap[p], aq[q], apq);
  plane.c = angle.c;
  plane.s = angle.s;
  RotateV(w, n, pending);
  const Vec c = Splat(angle.c);
  const Vec s = Splat(angle.s);
  const Vec pv = Splat(p);
  const Vec qv = Splat(q);
  const Vec newP = Splat(angle.app);
  const Vec newQ = Splat(angle.aqq);
  const Vec zero = Splat(0.0);
  const Vec none = Splat(-1.0);
  Leader leaderP;
  Leader leaderQ;
  Vec row = Lanes();
  for (int k = 0; k <= n; k += kLanes) {
    const Vec x = Load(ap + k);
    const Vec y = Load(aq + k);
    const Mask atP = row == pv;
    const Mask atQ = row == qv;
    const Vec nx = atP ? newP : (atQ ? zero : c * x - s * y);
    const Vec ny = atQ ? newQ : (atP ? zero : c * y + s * x);
    Store(ap + k, nx);
    Store(aq + k, ny);
    const Mask real = row > 0.0;
    leaderP.Offer((real & (row < pv)) ? Abs(nx) : none, row);
    leaderQ.Offer((real & (row < qv)) ? Abs(ny) : none, row);
    row += static_cast<double>(kLanes);
  }
  for (int j = 1; j <= n; ++j) {
    if (j == p || j == q) continue;
    double* col = w.A(j);
    col[p] = ap[j];
    col[q] = aq[j];
  }
  plane.mp = -1.0;
  if (p >= 2) leaderP.Merge(plane.mp, plane.rp);
  leaderQ.Merge(plane.mq, plane.rq);
}

// Column maxima of the columns j > p after the rotation of p < q: row p of each changed, and
// row q where j > q (rows q of the columns before q lie below the diagonal). The new elements
// are read from the contiguous columns p and q.
JACOBI_STEP void UpdateMaxima(Work& w, int n, int p, int q) {
  const double* ap = w.A(p);
  const double* aq = w.A(q);
  const Vec pv = Splat(p);
  const Vec qv = Splat(q);
  const Vec nv = Splat(n);
  const Vec bound = Splat(-1.0);
  int j0 = (p + 1) & ~(kLanes - 1);
  for (; j0 < q; j0 += kLanes) {
    const Vec j = Lanes() + static_cast<double>(j0);
    const Mask active = (j > pv) & (j < qv);
    const Vec m = Load(w.mx + j0);
    const Vec r = Load(w.rw + j0);
    const Vec vp = Abs(Load(ap + j0));
    // Row p takes the lead when larger, or equal and not behind the leader; a leader in row p
    // that shrank leaves its value as a bound.
    const Mask take = active & ((vp > m) | ((vp == m) & (pv <= r)));
    const Mask lost = active & (r == pv) & (vp < m);
    Store(w.mx + j0, take ? vp : m);
    Store(w.rw + j0, take ? pv : (lost ? bound : r));
  }
  for (j0 = q & ~(kLanes - 1); j0 <= n; j0 += kLanes) {
    const Vec j = Lanes() + static_cast<double>(j0);
    const Mask active = (j > qv) & (j <= nv);
    const Vec m = Load(w.mx + j0);
    const Vec r = Load(w.rw + j0);
    const Vec vp = Abs(Load(ap + j0));
    const Vec vq = Abs(Load(aq + j0));
    const Mask qLarger = vq > vp;
    const Vec vb = qLarger ? vq : vp;
    const Vec rb = qLarger ? qv : pv;
    const Mask take = active & ((vb > m) | ((vb == m) & (rb <= r)));
    const Mask lost = active & ((r == pv) | (r == qv));
    Store(w.mx + j0, take ? vb : m);
    Store(w.rw + j0, take ? rb : (lost ? bound : r));
  }
}

// Column maxima with those of the last rotation's columns taken from `last` (they are stored
// only once read, so that the vector reads here never wait on the two single stores).
JACOBI_STEP Leader ColumnLeader(const Work& w, int n, const Plane& last) {
  const Vec lp = Splat(last.p);
  const Vec lq = Splat(last.q);
  const Vec mp = Splat(last.mp);
  const Vec mq = Splat(last.mq);
  Leader leader;
  Vec col = Lanes();
  for (int j = 0; j <= n; j += kLanes) {
    leader.Offer((col == lp) ? mp : ((col == lq) ? mq : Load(w.mx + j)), col);
    col += static_cast<double>(kLanes);
  }
  return leader;
}

// The largest column maximum, the first column winning ties (the order of the full scan). A
// bound that comes out on top is replaced by its column's true largest, and the search runs
// again.
JACOBI_STEP double Largest(Work& w, int n, const Plane& last, int& p, int& q) {
  Leader leader = ColumnLeader(w, n, last);
  if (last.q != 0) {
    if (last.mp >= 0.0) {
      w.mx[last.p] = last.mp;
      w.rw[last.p] = last.rp;
    }
    w.mx[last.q] = last.mq;
    w.rw[last.q] = last.rq;
  }
  for (;;) {
    double best;
    double where;
    leader.Merge(best, where);
    const int c = static_cast<int>(where);
    if (w.rw[c] >= 0.0) {
      p = static_cast<int>(w.rw[c]);
      q = c;
      return best;
    }
    Rescan(w, c);
    leader = ColumnLeader(w, n, Plane());
  }
}

__attribute__((target("avx2"))) void Diagonalise(
    SpinBlockMatrix& A, SpinBlockMatrix& V, int n) {
  thread_local Work w;
  std::fill(std::begin(w.a), std::end(w.a), 0.0);
  std::fill(std::begin(w.v), std::end(w.v), 0.0);
  for (int c = 1; c <= n; ++c) {
    for (int k = 1; k <= n; ++k) w.A(c)[k] = A(k, c);
    w.V(c)[c] = 1.0;
  }
  std::fill(std::begin(w.mx), std::end(w.mx), -1.0);
  std::fill(std::begin(w.rw), std::end(w.rw), 0.0);
  for (int j = 2; j <= n; ++j) Rescan(w, j);
  const int limit = (3 * n * n) / 2;
  int rotations = 0;
  Plane pending;
  do {
    ++rotations;
    Plane plane;
    const double largest = Largest(w, n, pending, plane.p, plane.q);
    if (!(largest > jacobi::kSizeLimit) &&
        !jacobi::FindRatioPivot(n, [&](int i, int j) { return w.A(j)[i]; }, plane.p, plane.q))
      break;
    RotateA(w, n, plane, pending);
    UpdateMaxima(w, n, plane.p, plane.q);
    pending = plane;
  } while (limit > rotations);
  RotateV(w, n, pending);
  for (int c = 1; c <= n; ++c) {
    for (int k = 1; k <= n; ++k) {
      A(k, c) = w.A(c)[k];
      V(k, c) = w.V(c)[k];
    }
  }
}

}  // namespace

void JacobiDiagVector(SpinBlockMatrix& A, SpinBlockMatrix& V, int n) { Diagonalise(A, V, n); }
