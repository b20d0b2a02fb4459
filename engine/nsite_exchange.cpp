// The exchange matrix is solved in double precision: in 32-bit arithmetic fast exchange loses the
// spectrum. Only the weighted sum P^T M^-1 1 is needed, so one solve against the vector of ones
// replaces the full inverse; M changes from point to point only by a multiple of the identity, so
// it is brought to Hessenberg form once per call and each point costs O(n^2).
#include "engine/nsite_exchange.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include "engine/exchange_point_solvers.h"
#include "engine/exchange_numbers.h"
#include "platform/msgbox.h"

using exchange::FiniteFloat;

namespace {

using exchange::ComplexMatrix;
using exchange::SiteWeights;
constexpr int kMaxSites = kAnalysisSlots - 1;

int gScopeDepth = 0;
bool gScopeReported = false;

template <class PointSolver>
void Lineshape(const SiteArray& P, const SiteArray& R, const SiteArray& V, const SiteMatrix& K,
               std::vector<float>& out, int n, int points, int step, float scale, float firstHz,
               float hzPerPt);

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
  Lineshape<exchange::HessenbergPointSolver>(P, R, V, K, out, n, points, step, scale, firstHz,
                                             hzPerPt);
}

void ExchangeMatrixLineshapeOnGridByLu(const SiteArray& P, const SiteArray& R, const SiteArray& V,
                                       const SiteMatrix& K, std::vector<float>& out, int n,
                                       int points, int step, float scale, float firstHz,
                                       float hzPerPt) {
  Lineshape<exchange::LuPointSolver>(P, R, V, K, out, n, points, step, scale, firstHz, hzPerPt);
}

namespace {

template <class PointSolver>
void Lineshape(const SiteArray& P, const SiteArray& R, const SiteArray& V, const SiteMatrix& K,
               std::vector<float>& out, int n, int points, int step, float scale, float firstHz,
               float hzPerPt) {
  if (n < 1 || n > kMaxSites) return;
  points = std::min(points, static_cast<int>(out.size()) - 1);
  if (points < 0) return;
  step = std::max(step, 1);

  // The fixed part: K(i, j) off the diagonal, K(i, i) - R(i) on it. K(i, i) is minus the sum
  // of row i's other entries, formed here in double: held as a 32-bit float it carries an error
  // of about one s-1 at rates near 1e7, as much as the line width itself.
  ComplexMatrix fixed{};
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
  SiteWeights siteHz{};
  SiteWeights weight{};
  for (int i = 0; i < n; ++i) {
    siteHz[i] = V[static_cast<size_t>(i + 1)];
    weight[i] = P[static_cast<size_t>(i + 1)];
  }
  const PointSolver solver(fixed, siteHz, weight, n);
  float lastValue = 0.0f;  // value at the last solved point
  auto solve = [&](int k) -> float {
    const float nu = static_cast<float>(k) * hzPerPt + firstHz;
    double sum = 0.0;
    if (!solver.WeightedSum(nu, sum)) {
      reportSingular();
      return lastValue;
    }
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

}  // namespace
