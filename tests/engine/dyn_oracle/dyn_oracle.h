// Test oracle for the exchange line shapes, in double precision and from first principles.
// Frequencies in Hz; angular frequencies use the engine's 2 pi (6.2831925) so that the oracle
// and the kernels agree on where a line lies.
#pragma once

#include <vector>

namespace dyn_oracle {

constexpr double kTwoPi = 6.2831925;

// n exchanging sites (Bloch-McConnell / Kubo-Sack): populations p, relaxation rates r (s-1),
// frequencies v (Hz) and the rate matrix k (k[i][j] rate i -> j, the diagonal ignored and
// formed as minus the row sum). I(nu) = -Re[p^T M^-1 1], M = K - diag(r) - i 2pi diag(nu - v).
struct Sites {
  std::vector<double> p, r, v;
  std::vector<std::vector<double>> k;
};
double BlochMcConnell(const Sites& sites, double nu);

// Two-site exchange with total rate kab + kba = 1 / tau, the forward rates following the
// populations (pA kab = pB kba).
Sites TwoSites(double tau, double pA, double pB, double rA, double rB, double vA, double vB);

// Coupled AB pair whose two nuclei swap places at rate k, from the density matrix in Liouville
// space (16 x 16): H = 2pi (vA Iz1 + vB Iz2 + J I1.I2), d sigma/dt = -i[H, sigma]
// - r2 sigma + k (P sigma P - sigma), I(nu) = Re Tr(F+ (i 2pi nu - L)^-1 F-).
double CoupledABPair(double k, double r2, double J, double vA, double vB, double nu);

// Spin 1/2 coupled (J) to a spin 3/2 whose states relax by the quadrupolar mechanism in the
// extreme-narrowing limit: four sites at v0 + m J (m = 3/2 .. -3/2) of population 1/4, and
// equal transition rates W for |dm| = 1 between +-3/2 and +-1/2 and for |dm| = 2, none between
// +1/2 and -1/2 or between +3/2 and -3/2. 1/T1 = 2 W of the spin 3/2; T1 in seconds.
double QuartetRelaxing(double J, double T1, double v0, double nu);

}  // namespace dyn_oracle
