// Closed-form exchange-broadened line shapes evaluated over the spectrum grid (gNumPts,
// gHzPerPt, gHorOffHz). Each kernel overwrites points 0..gNumPts of its target (only those that
// exist in the array) and multiplies by scale; summing sub-spectra is the caller's business.
// A point whose value is not finite is stored as 0.
#pragma once

#include <vector>

// Uncoupled two-site exchange with unequal populations and a relaxation rate per site: tau (s) is
// 1 / (kab + kba), pA and pB the population fractions, rA and rB the rates 1/T2 (s-1), v0 the mean
// of the two shifts and delta their difference (Hz).
void TwoSiteLineshape(float tau, float pA, float pB, float rA, float rB, float v0, float delta,
                      std::vector<float>& target, float scale);

// Mutual exchange of the two nuclei of a coupled AB pair at rate k (s-1); T2 in s, J, vA, vB in
// Hz. Slow exchange gives the AB quartet, fast exchange one line at (vA + vB) / 2.
void CoupledABLineshape(float k, float T2, float J, float vA, float vB, std::vector<float>& target,
                        float scale);

// A 1:1:1:1 quartet of coupling J (Hz) centred at v0 (Hz), collapsed by the relaxation time T1
// (ms) of its spin-3/2 coupling partner; always written into gSpectrum. Point i is evaluated one
// spacing further than the grid: at gHorOffHz + (i + 1) * gHzPerPt.
void QuartetT1Lineshape(float J, float T1, float v0, float scale);
