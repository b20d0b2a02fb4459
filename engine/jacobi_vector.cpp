#include "engine/jacobi_vector.h"

#include <immintrin.h>

#include <cstdint>
#include <utility>

#include "engine/jacobi_rules.h"

// The rotations of JacobiDiagFullScan and its pivot search, several elements at a time: eight
// with AVX-512, four with AVX2, chosen at run time. Every element is computed with the
// operations of the scalar code and the pivot rule is the full scan's, so the rotations and the
// bits are the same.

namespace {

// Working copy of the matrices: column c at A(c), row k at A(c)[k] for k = 1..n. Row 0 and the
// rows after n hold zeros, so that every loop runs over whole groups of lanes.
constexpr int kStride = 72;
constexpr int kColumns = 72;

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

// A rotation done: its plane and angle.
struct Turn {
  int p;
  int q;
  double c;
  double s;
};
constexpr int kMostRotations = 3 * 70 * 70 / 2;  // the limit of the largest block

struct alignas(64) Work {
  double a[kColumns * kStride];
  double v[kColumns * kStride];
  // Column maxima: mx[j] the largest |A(i, j)| over the rows i < j and rw[j] its first row.
  // When a rotation shrinks the element that held a column's largest, the column keeps the old
  // value as an upper bound with row -1 and is scanned again only when that bound comes out on
  // top. Columns 0, 1 and those after n hold -1, below every magnitude.
  alignas(64) double mx[kStride];
  alignas(64) double rw[kStride];
  // The rotations of the current diagonalisation, applied to the eigenvectors at its end.
  Turn turns[kMostRotations];
  double* A(int c) { return a + kStride * c; }
  double* V(int c) { return v + kStride * c; }
};

Work& WorkFor() {
  thread_local Work w;
  return w;
}


#define LANE_OP static inline __attribute__((always_inline))

// GCC 12's AVX-512 intrinsics pass an undefined vector as the unused merge source, which its
// flow analysis reports as (possibly) uninitialised once inlined.
#ifndef __clang__
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

// Each width's functions take its instruction set's target options (GCC and clang spell it
// differently).
#ifdef __clang__
#pragma clang attribute push(__attribute__((target("avx512f,avx512dq,avx512vl,avx2"))), \
                             apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f,avx512dq,avx512vl,avx2")
#endif
namespace lanes8 {

// Eight doubles, masks in mask registers.
struct Ops {
  static constexpr int kWidth = 8;
  using Vec = __m512d;
  using Mask = __mmask8;
  LANE_OP Vec Load(const double* p) { return _mm512_loadu_pd(p); }
  LANE_OP void Store(double* p, Vec x) { _mm512_storeu_pd(p, x); }
  LANE_OP Vec Splat(double x) { return _mm512_set1_pd(x); }
  LANE_OP Vec Iota() { return _mm512_setr_pd(0, 1, 2, 3, 4, 5, 6, 7); }
  LANE_OP Vec Add(Vec a, Vec b) { return _mm512_add_pd(a, b); }
  LANE_OP Vec Sub(Vec a, Vec b) { return _mm512_sub_pd(a, b); }
  LANE_OP Vec Mul(Vec a, Vec b) { return _mm512_mul_pd(a, b); }
  LANE_OP Vec Max(Vec a, Vec b) { return _mm512_max_pd(a, b); }
  LANE_OP Vec Abs(Vec x) { return _mm512_abs_pd(x); }
  LANE_OP Mask Gt(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); }
  LANE_OP Mask Lt(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ); }
  LANE_OP Mask Le(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_LE_OQ); }
  LANE_OP Mask Eq(Vec a, Vec b) { return _mm512_cmp_pd_mask(a, b, _CMP_EQ_OQ); }
  LANE_OP Mask And(Mask a, Mask b) { return _kand_mask8(a, b); }
  LANE_OP Mask Or(Mask a, Mask b) { return _kor_mask8(a, b); }
  LANE_OP Vec Select(Mask m, Vec a, Vec b) { return _mm512_mask_blend_pd(m, b, a); }
  LANE_OP unsigned Bits(Mask m) { return m; }
  LANE_OP double HorizontalMax(Vec x) {
    x = _mm512_max_pd(x, _mm512_shuffle_f64x2(x, x, 0x4E));
    x = _mm512_max_pd(x, _mm512_shuffle_f64x2(x, x, 0xB1));
    x = _mm512_max_pd(x, _mm512_permute_pd(x, 0x55));
    return _mm512_cvtsd_f64(x);
  }
};

#include "engine/jacobi_kernel.inc"

}  // namespace lanes8
#ifdef __clang__
#pragma clang attribute pop
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC pop_options
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace lanes4 {

// Four doubles, masks as all-ones lanes.
struct Ops {
  static constexpr int kWidth = 4;
  using Vec = __m256d;
  using Mask = __m256d;
  LANE_OP Vec Load(const double* p) { return _mm256_loadu_pd(p); }
  LANE_OP void Store(double* p, Vec x) { _mm256_storeu_pd(p, x); }
  LANE_OP Vec Splat(double x) { return _mm256_set1_pd(x); }
  LANE_OP Vec Iota() { return _mm256_setr_pd(0, 1, 2, 3); }
  LANE_OP Vec Add(Vec a, Vec b) { return _mm256_add_pd(a, b); }
  LANE_OP Vec Sub(Vec a, Vec b) { return _mm256_sub_pd(a, b); }
  LANE_OP Vec Mul(Vec a, Vec b) { return _mm256_mul_pd(a, b); }
  LANE_OP Vec Max(Vec a, Vec b) { return _mm256_max_pd(a, b); }
  LANE_OP Vec Abs(Vec x) {
    return _mm256_and_pd(x, _mm256_castsi256_pd(_mm256_set1_epi64x(0x7fffffffffffffffLL)));
  }
  LANE_OP Mask Gt(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_GT_OQ); }
  LANE_OP Mask Lt(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
  LANE_OP Mask Le(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
  LANE_OP Mask Eq(Vec a, Vec b) { return _mm256_cmp_pd(a, b, _CMP_EQ_OQ); }
  LANE_OP Mask And(Mask a, Mask b) { return _mm256_and_pd(a, b); }
  LANE_OP Mask Or(Mask a, Mask b) { return _mm256_or_pd(a, b); }
  LANE_OP Vec Select(Mask m, Vec a, Vec b) { return _mm256_blendv_pd(b, a, m); }
  LANE_OP unsigned Bits(Mask m) { return static_cast<unsigned>(_mm256_movemask_pd(m)); }
  LANE_OP double HorizontalMax(Vec x) {
    x = _mm256_max_pd(x, _mm256_permute2f128_pd(x, x, 1));
    x = _mm256_max_pd(x, _mm256_permute_pd(x, 5));
    return _mm256_cvtsd_f64(x);
  }
};

#include "engine/jacobi_kernel.inc"

}  // namespace lanes4
#ifdef __clang__
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#undef LANE_OP

}  // namespace

bool JacobiDiagVector(SpinBlockMatrix& A, SpinBlockMatrix& V, int n, int lanes) {
  if (n < 2 || n >= SpinBlockMatrix::kDim) return false;
  if (lanes == 8 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
      __builtin_cpu_supports("avx512vl")) {
    lanes8::Diagonalise(A, V, n);
    return true;
  }
  if (lanes == 4 && __builtin_cpu_supports("avx2")) {
    lanes4::Diagonalise(A, V, n);
    return true;
  }
  return false;
}
