#include "engine/exchange_point_solvers.h"

#include <cmath>
#include <utility>

#include "engine/exchange_numbers.h"

namespace exchange {

namespace {

// Solves m x = x (x holds the right-hand side on entry) by LU with partial pivoting; false when
// m is singular.
bool SolveInPlace(ComplexMatrix& m, int n, std::array<Complex, kMaxExchangeSites>& x) {
  for (int c = 0; c < n; ++c) {
    int pivot = c;
    double best = std::abs(m[c * n + c]);
    for (int r = c + 1; r < n; ++r) {
      const double size = std::abs(m[r * n + c]);
      if (size > best) {
        best = size;
        pivot = r;
      }
    }
    if (!(best > 0.0) || !std::isfinite(best)) return false;
    if (pivot != c) {
      for (int l = c; l < n; ++l) std::swap(m[c * n + l], m[pivot * n + l]);
      std::swap(x[c], x[pivot]);
    }
    const Complex inv = 1.0 / m[c * n + c];
    for (int r = c + 1; r < n; ++r) {
      const Complex f = m[r * n + c] * inv;
      if (f == 0.0) continue;
      for (int l = c + 1; l < n; ++l) m[r * n + l] -= f * m[c * n + l];
      x[r] -= f * x[c];
    }
  }
  for (int r = n - 1; r >= 0; --r) {
    Complex s = x[r];
    for (int l = r + 1; l < n; ++l) s -= m[r * n + l] * x[l];
    x[r] = s / m[r * n + r];
  }
  return true;
}

// 1 / z as conj(z) / |z|^2, without the scaling of the library's complex division (the
// exchange matrices stay far from overflow).
Complex Reciprocal(Complex z) {
  const double size2 = std::norm(z);
  return Complex(z.real() / size2, -z.imag() / size2);
}

// Solves h y = y for upper Hessenberg h (y holds the right-hand side on entry) by elimination
// with partial pivoting between each row and the one below; false when h is singular.
bool SolveHessenberg(ComplexMatrix& h, int n, std::array<Complex, kMaxExchangeSites>& y) {
  std::array<Complex, kMaxExchangeSites> inverse;
  for (int c = 0; c < n; ++c) {
    double best = std::norm(h[c * n + c]);
    if (c + 1 < n && std::norm(h[(c + 1) * n + c]) > best) {
      best = std::norm(h[(c + 1) * n + c]);
      for (int l = c; l < n; ++l) std::swap(h[c * n + l], h[(c + 1) * n + l]);
      std::swap(y[c], y[c + 1]);
    }
    if (!(best > 0.0) || !std::isfinite(best)) return false;
    inverse[c] = Reciprocal(h[c * n + c]);
    if (c + 1 == n) break;
    const Complex f = h[(c + 1) * n + c] * inverse[c];
    if (f == 0.0) continue;
    for (int l = c + 1; l < n; ++l) h[(c + 1) * n + l] -= f * h[c * n + l];
    y[c + 1] -= f * y[c];
  }
  for (int r = n - 1; r >= 0; --r) {
    Complex s = y[r];
    for (int l = r + 1; l < n; ++l) s -= h[r * n + l] * y[l];
    y[r] = s * inverse[r];
  }
  return true;
}

}  // namespace

LuPointSolver::LuPointSolver(const ComplexMatrix& fixed, const SiteWeights& siteHz,
                             const SiteWeights& weight, int n)
    : fixed_(fixed), siteHz_(siteHz), weight_(weight), n_(n) {}

bool LuPointSolver::WeightedSum(float nu, double& sum) const {
  ComplexMatrix m = fixed_;
  for (int i = 0; i < n_; ++i) {
    const double im = (static_cast<double>(nu) - siteHz_[i]) * -kTwoPi;
    m[i * n_ + i] = Complex(m[i * n_ + i].real(), im);
  }
  std::array<Complex, kMaxExchangeSites> x;
  for (int i = 0; i < n_; ++i) x[i] = 1.0;
  if (!SolveInPlace(m, n_, x)) return false;
  sum = 0.0;
  for (int i = 0; i < n_; ++i) sum += weight_[i] * x[i].real();
  return true;
}

HessenbergPointSolver::HessenbergPointSolver(const ComplexMatrix& fixed,
                                             const SiteWeights& siteHz,
                                             const SiteWeights& weight, int n)
    : h_(fixed), n_(n) {
  for (int i = 0; i < n; ++i) h_[i * n + i] = Complex(fixed[i * n + i].real(), siteHz[i] * kTwoPi);
  ComplexMatrix q{};  // accumulated Q, H = Q* G Q
  for (int i = 0; i < n; ++i) q[i * n + i] = 1.0;
  std::array<Complex, kMaxExchangeSites> v;
  for (int k = 0; k + 2 < n; ++k) {
    // The reflection I - 2 v v* / (v* v) that clears column k below row k + 1.
    bool clear = true;
    for (int i = k + 2; i < n; ++i) clear = clear && h_[i * n + k] == 0.0;
    if (clear) continue;
    double norm2 = 0.0;
    for (int i = k + 1; i < n; ++i) norm2 += std::norm(h_[i * n + k]);
    const double norm = std::sqrt(norm2);
    const Complex x0 = h_[(k + 1) * n + k];
    const Complex phase = std::abs(x0) == 0.0 ? Complex(1.0) : x0 / std::abs(x0);
    for (int i = 0; i < n; ++i) v[i] = 0.0;
    for (int i = k + 1; i < n; ++i) v[i] = h_[i * n + k];
    v[k + 1] += phase * norm;
    double vv = 0.0;
    for (int i = k + 1; i < n; ++i) vv += std::norm(v[i]);
    // From the left on rows k+1.., from the right on columns k+1.. (and on Q).
    for (int j = 0; j < n; ++j) {
      Complex d = 0.0;
      for (int i = k + 1; i < n; ++i) d += std::conj(v[i]) * h_[i * n + j];
      d *= 2.0 / vv;
      for (int i = k + 1; i < n; ++i) h_[i * n + j] -= v[i] * d;
    }
    for (ComplexMatrix* m : {&h_, &q}) {
      for (int i = 0; i < n; ++i) {
        Complex d = 0.0;
        for (int j = k + 1; j < n; ++j) d += (*m)[i * n + j] * v[j];
        d *= 2.0 / vv;
        for (int j = k + 1; j < n; ++j) (*m)[i * n + j] -= d * std::conj(v[j]);
      }
    }
    for (int i = k + 2; i < n; ++i) h_[i * n + k] = 0.0;
  }
  for (int k = 0; k < n; ++k) {
    Complex b = 0.0;
    Complex w = 0.0;
    for (int i = 0; i < n; ++i) {
      b += std::conj(q[i * n + k]);
      w += weight[i] * q[i * n + k];
    }
    rhs_[k] = b;
    weight_[k] = w;
  }
}

bool HessenbergPointSolver::WeightedSum(float nu, double& sum) const {
  ComplexMatrix m = h_;
  const double w = static_cast<double>(nu) * kTwoPi;
  for (int i = 0; i < n_; ++i) m[i * n_ + i] -= Complex(0.0, w);
  std::array<Complex, kMaxExchangeSites> y = rhs_;
  if (!SolveHessenberg(m, n_, y)) return false;
  Complex s = 0.0;
  for (int i = 0; i < n_; ++i) s += weight_[i] * y[i];
  sum = s.real();
  return true;
}

}  // namespace exchange
