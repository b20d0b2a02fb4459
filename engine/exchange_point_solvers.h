// Solvers of the exchange matrix at one grid point: M(v) x = 1 for x and the weighted sum
// P^T Re(x), where M(v) = G - i w I with the constant G = F + i 6.2831925 diag(V) (F: rates and
// relaxation) and w = 6.2831925 v.
#pragma once

#include <array>
#include <complex>

namespace exchange {

using Complex = std::complex<double>;
constexpr int kMaxExchangeSites = 8;
using ComplexMatrix = std::array<Complex, kMaxExchangeSites * kMaxExchangeSites>;  // (i, j) at i n + j
using SiteWeights = std::array<double, kMaxExchangeSites>;

// Forms M(v) afresh at every point (diagonal imaginary part (v - V(i)) * -6.2831925) and solves
// it by LU with partial pivoting: O(n^3) per point. The reference for the Hessenberg solver.
class LuPointSolver {
 public:
  LuPointSolver(const ComplexMatrix& fixed, const SiteWeights& siteHz, const SiteWeights& weight,
                int n);
  // false when M(v) is singular.
  bool WeightedSum(float nu, double& sum) const;

 private:
  ComplexMatrix fixed_;
  SiteWeights siteHz_;
  SiteWeights weight_;
  int n_;
};

// Reduces G once to upper Hessenberg form H = Q* G Q (Householder reflections), so that at each
// point only (H - i w I) y = Q* 1 is solved, O(n^2), and P^T x = (Q^T P)^T y.
class HessenbergPointSolver {
 public:
  HessenbergPointSolver(const ComplexMatrix& fixed, const SiteWeights& siteHz,
                        const SiteWeights& weight, int n);
  bool WeightedSum(float nu, double& sum) const;

 private:
  ComplexMatrix h_;
  std::array<Complex, kMaxExchangeSites> rhs_;     // Q* 1
  std::array<Complex, kMaxExchangeSites> weight_;  // Q^T P
  int n_;
};

}  // namespace exchange
