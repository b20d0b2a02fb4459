// The exchange matrix is solved in double precision (a complex LU of at most 8 x 8): in 32-bit
// arithmetic fast exchange loses the spectrum. Only the weighted sum P^T M^-1 1 is needed, so one
// solve against the vector of ones replaces the full inverse.
#include "engine/nsite_exchange.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include "engine/exchange_numbers.h"
#include "platform/msgbox.h"

using exchange::FiniteFloat;

namespace {

using Complex = std::complex<double>;
constexpr int kMaxSites = kAnalysisSlots - 1;

int gScopeDepth = 0;
bool gScopeReported = false;

// Solves M x = 1 by LU with partial pivoting; false when M is singular.
bool SolveAgainstOnes(std::array<Complex, kMaxSites * kMaxSites>& m, int n,
                      std::array<Complex, kMaxSites>& x) {
  for (int i = 0; i < n; ++i) x[i] = 1.0;
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
      for (int l = 0; l < n; ++l) std::swap(m[c * n + l], m[pivot * n + l]);
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

}  // namespace

SingularReportScope::SingularReportScope() {
  if (gScopeDepth++ == 0) gScopeReported = false;
}

SingularReportScope::~SingularReportScope() { --gScopeDepth; }

void ExchangeMatrixLineshape(const SiteArray& P, const SiteArray& R, const SiteArray& V,
                             const SiteMatrix& K, std::vector<float>& out, int n, int points,
                             int step, float scale) {
  ExchangeMatrixLineshapeOnGrid(P, R, V, K, out, n, points, step, scale, gHorOffHz, gHzPerPt);
}

void ExchangeMatrixLineshapeOnGrid(const SiteArray& P, const SiteArray& R, const SiteArray& V,
                                   const SiteMatrix& K, std::vector<float>& out, int n, int points,
                                   int step, float scale, float firstHz, float hzPerPt) {
  if (n < 1 || n > kMaxSites) return;
  points = std::min(points, static_cast<int>(out.size()) - 1);
  if (points < 0) return;
  step = std::max(step, 1);

  // The fixed part: K(i, j) off the diagonal, K(i, i) - R(i) on it. K(i, i) is minus the sum
  // of row i's other entries, formed here in double: held as a 32-bit float it carries an error
  // of about one s-1 at rates near 1e7, as much as the line width itself.
  std::array<Complex, kMaxSites * kMaxSites> fixed{};
  for (int i = 0; i < n; ++i) {
    double rowSum = 0.0;
    for (int j = 0; j < n; ++j) {
      if (i == j) continue;
      const double rate = K[static_cast<size_t>((i + 1) + 9 * (j + 1))];
      fixed[i * n + j] = rate;
      rowSum += rate;
    }
    fixed[i * n + i] = -rowSum - R[static_cast<size_t>(i + 1)];
  }
  bool reportedHere = false;
  auto reportSingular = [&] {
    if (gScopeDepth > 0) {
      if (gScopeReported) return;
      gScopeReported = true;
    } else {
      if (reportedHere) return;
      reportedHere = true;
    }
    MsgBox("Matrix singular ", vbOKCancel + vbExclamation);
  };
  float lastValue = 0.0f;  // value at the last solved point
  auto solve = [&](int k) -> float {
    const float nu = static_cast<float>(k) * hzPerPt + firstHz;
    std::array<Complex, kMaxSites* kMaxSites> m = fixed;
    for (int i = 0; i < n; ++i) {
      const double im =
          (static_cast<double>(nu) - V[static_cast<size_t>(i + 1)]) * -exchange::kTwoPi;
      m[i * n + i] = Complex(m[i * n + i].real(), im);
    }
    std::array<Complex, kMaxSites> x{};
    if (!SolveAgainstOnes(m, n, x)) {
      reportSingular();
      return lastValue;
    }
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
      sum += static_cast<double>(P[static_cast<size_t>(i + 1)]) * x[i].real();
    const float value = FiniteFloat(static_cast<double>(scale) * 5.0 * sum);
    lastValue = value;
    return value;
  };

  // Solved (or flat-skipped) points: 0, step, 2 step, ... and always the last point.
  auto nextNode = [&](int k) { return k >= points ? points + 1 : std::min(k + step, points); };
  // A stretch counts as flat while the value stays within 0.5 of the last value that changed
  // (half a twip at the display's scale, where peaks are thousands), and never more than 1e-4
  // of the largest value so far: a spectrum whose values are small against 0.5 (a unit
  // vertical scale, or one scaled far down) would otherwise have every other point set to 0.
  float previous = 0.0f;
  float largest = 0.0f;
  int node = 0;
  while (node <= points) {
    const float value = solve(node);
    out[static_cast<size_t>(node)] = FiniteFloat(-static_cast<double>(value));
    largest = std::max(largest, std::fabs(value));
    const float flatBelow = std::min(0.5f, 1e-4f * largest);
    if (std::fabs(previous - value) >= flatBelow) {
      previous = value;
    } else {
      // Flat: the next node repeats the last changing value unless it is the last point.
      const int skipped = nextNode(node);
      if (skipped < points) {
        out[static_cast<size_t>(skipped)] = FiniteFloat(-static_cast<double>(previous));
        node = skipped;
      }
    }
    node = nextNode(node);
  }
  if (step < 2) return;
  for (int k0 = 0; k0 < points;) {
    const int k1 = std::min(k0 + step, points);
    const int gap = k1 - k0;
    const float slope =
        (out[static_cast<size_t>(k1)] - out[static_cast<size_t>(k0)]) / static_cast<float>(gap);
    for (int j = 1; j < gap; ++j) {
      out[static_cast<size_t>(k0 + j)] =
          static_cast<float>(j) * slope + out[static_cast<size_t>(k0)];
    }
    k0 = k1;
  }
}
