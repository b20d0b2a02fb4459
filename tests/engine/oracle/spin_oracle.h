// Test oracle: the stick spectrum of n spin-1/2 nuclei from the full spin Hamiltonian in double,
// H = sum of shift_k Iz_k + sum of J_kl I_k.I_l, diagonalised whole (2^n states).
#pragma once

#include <string>
#include <vector>

struct OracleLine {
  double freq = 0.0;
  double intensity = 0.0;
};

struct OracleSystem {
  std::vector<double> shift;              // Hz, spins 0..n-1
  std::vector<std::vector<double>> j;     // Hz, symmetric, n x n
  // Pairs coupled only through Jkl Iz_k Iz_l (the X approximation); empty: none.
  std::vector<std::vector<bool>> weak;
  // Spins whose lowering operators make up the observed transition operator; empty: all.
  std::vector<bool> observed;

  explicit OracleSystem(int n);
  void Couple(int k, int l, double jkl, bool weakPair = false);
};

// Every transition p -> q with intensity |<q| sum of I-_k |p>|^2 above minIntensity, at
// E_p - E_q Hz.
std::vector<OracleLine> OracleSpectrum(const OracleSystem& system, double minIntensity = 1e-9);

// Lines sorted by position, chains of lines closer than gap merged into one cluster each
// (position weighted by intensity, intensities summed).
std::vector<OracleLine> MergeLines(std::vector<OracleLine> lines, double gap = 0.001);

// Compares two stick spectra cluster by cluster (chains of lines of either spectrum closer than
// 0.001 Hz): summed intensities within intTol, and where both are above intTol, weighted
// positions within posTol. Returns an empty text when they agree, else the first mismatch.
std::string CompareStickSpectra(const std::vector<OracleLine>& actual,
                                const std::vector<OracleLine>& expected, double posTol,
                                double intTol);
