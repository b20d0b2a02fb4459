// Line shape of uncoupled nuclei exchanging between n sites, from the complex exchange matrix
// M(v) = K - diag(R) - i 6.2831925 diag(v - V) solved at the grid points.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine_globals.h"

using SiteArray = std::array<float, kAnalysisSlots>;                    // sites 1..8
using SiteMatrix = std::array<float, kAnalysisSlots * kAnalysisSlots>;  // (i, j) at i + 9 j

// Writes out(k) = scale * 5 * -Re[P^T M(v_k)^-1 1] for the points k = 0..points of the grid
// (v_k = k * gHzPerPt + gHorOffHz), for sites 1..n (1 to 8). Only every step-th point is solved;
// where the value stays within the flat limit (0.5, or 1e-4 of the largest value so far when
// that is less) of the last value that changed more, the next solved point repeats that value;
// the points between are interpolated linearly. The last point is always
// solved; nothing beyond `points` (or the array) is read or written. The diagonal of K is taken
// as minus the sum of each row's other entries (as the driver builds it), formed in double.
// A singular matrix is reported with "Matrix singular " (once per call, or once per
// SingularReportScope); that point keeps the previous value and the spectrum is still produced.
void ExchangeMatrixLineshape(const SiteArray& P, const SiteArray& R, const SiteArray& V,
                             const SiteMatrix& K, std::vector<float>& out, int n, int points,
                             int step, float scale);

// As ExchangeMatrixLineshape, with point k at firstHz + k * hzPerPt (32-bit).
void ExchangeMatrixLineshapeOnGrid(const SiteArray& P, const SiteArray& R, const SiteArray& V,
                                   const SiteMatrix& K, std::vector<float>& out, int n, int points,
                                   int step, float scale, float firstHz, float hzPerPt);

// The same with the exchange matrix formed and solved by a full LU at every point: the reference
// the one-off Hessenberg reduction must reproduce.
void ExchangeMatrixLineshapeOnGridByLu(const SiteArray& P, const SiteArray& R, const SiteArray& V,
                                       const SiteMatrix& K, std::vector<float>& out, int n,
                                       int points, int step, float scale, float firstHz,
                                       float hzPerPt);

// While one of these lives, "Matrix singular " is shown at most once in all kernel calls (one
// calculation of the dynamic driver).
class SingularReportScope {
 public:
  SingularReportScope();
  ~SingularReportScope();
  SingularReportScope(const SingularReportScope&) = delete;
  SingularReportScope& operator=(const SingularReportScope&) = delete;
};
