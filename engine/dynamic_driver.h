// Internal pieces of the dynamic-NMR driver (CalcDynamicSpectrum in analyses.h): the shared
// steps of its cases and one routine per family of exchange types.
#pragma once

#include <vector>

namespace dynamic {

// Value of gSimPar entry k, and storing one.
float Par(int k);
void SetPar(int k, float value);
// Shift of nucleus n (gSpins entry n).
float Shift(int n);
// pi * width: the relaxation rate of a line width in Hz.
float Rate(float widthHz);

// Scales the listed population percentages to a sum of 100 (Pk * 100 / S when hundredFirst,
// else Pk * (100 / S)), stores them and shows each on-screen one as "0.00" in its value box.
// sumWeights gives each percentage's weight in S (default 1 each).
void NormalisePopulations(const std::vector<int>& pars, bool hundredFirst = false,
                          const std::vector<float>& sumWeights = {});
// Prints "Calculating" on line 1 of the spectrum picture.
void ShowCalculating();

// Site i (1-based) of the exchange arrays.
void SetSite(int i, float population, float rate, float frequencyHz);
// Clears the exchange matrix of sites 1..n.
void ClearRates(int n);
// Rate a -> b and its detailed-balance reverse b -> a (rate * pop(a) / pop(b)). A site without
// population takes no part in the exchange: both rates are 0 then.
void SetPairRates(int a, int b, float rate);
// Rate i -> j only.
void SetRate(int i, int j, float rate);
// Writes every diagonal entry (i, i) of sites 1..n as minus the sum of row i's others.
void FillDiagonal(int n);
// Generic matrix: pair rates k * P(ratio), ratios in pair order ab, ac, ..., (n-1)n from
// firstRatio, reverses by detailed balance.
void BuildGenericRates(int n, float k, int firstRatio);
// The n-site exchange spectrum into target (gSpectrum by default).
void Exch(int n);
void Exch(int n, std::vector<float>& target);

// dest(i) = a * x(i) + y(i) over points 0..gNumPts (dest may be x or y).
void Combine(std::vector<float>& dest, float a, const std::vector<float>& x,
             const std::vector<float>& y);
// gSpectrum2 = gSpectrum over points 0..gNumPts.
void CopySpectrumTo2();
// Sets points 0..gNumPts of the spectrum to 0.
void ClearPoints(std::vector<float>& spectrum);

// The families of types.
void TwoSiteTypes(int type);        // 15, 17, 38
void CoupledABTypes(int type);      // 16, 27, 28, 32, 33, 40
void NSiteTypes(int type);          // 18-22, 25, 26, 29, 30, 31, 36, 41
void MultipletType42();             // 42
void RandomPartnerTypes(int type);  // 23, 24, 37, 43
void XPartOfABXType35();            // 35

}  // namespace dynamic
