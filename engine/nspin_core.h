// The quantum-mechanical analysis of 2 to 8 coupled spin-1/2 nuclei, on explicit arrays.
#pragma once

#include <span>

#include "engine/jacobi.h"

// Most lines one analysis writes.
constexpr int kNSpinMaxLines = 6000;

struct NSpinResult {
  int count = 0;          // lines written, at indexes 1 to count
  bool overflow = false;  // true when the line limit stopped the analysis
};

// shiftHz: index 1..n, the shift of spin k in Hz. jMatrix: 81 entries addressed k + 9 l; for
// k < l entry k + 9 l holds J(k, l) and entry l + 9 k holds J(k, l) / 2.
// Lines come in the order of the block pairs (fewest beta spins first), then of the lower
// eigenstate, then of the upper one; a line is kept when its intensity is at least minIntensity
// and its position lies in [low, high]. Lines go to freq/intensity from index 1; at most
// min(6000, size - 1) lines are written, and reaching that limit ends the analysis.
// `diagonalise` is JacobiDiag; JacobiDiagFullScan gives the same lines, slower.
using BlockDiagonaliser = void (*)(SpinBlockMatrix&, SpinBlockMatrix&, int);
NSpinResult NSpinAnalyse(std::span<const float> shiftHz, std::span<const float> jMatrix, int n,
                         float minIntensity, float low, float high, std::span<float> freq,
                         std::span<float> intensity, BlockDiagonaliser diagonalise = JacobiDiag);
