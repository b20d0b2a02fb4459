#include "engine/nspin_core.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxSpins = 8;

// The product basis grouped into blocks of equal numbers of beta spins (bit k - 1 of a state
// code set: spin k is beta), codes increasing within a block.
struct Basis {
  int n = 0;
  int blockSize[kMaxSpins + 2] = {};   // block b = 1..n+1 holds the states with b-1 beta spins
  int blockStart[kMaxSpins + 2] = {};  // first ordered index of block b (from 1)
  std::vector<int> code;               // ordered index -> state code
  // The states of the block below that state i (ordered index) comes from by turning one alpha
  // spin into beta, in the order of the spins: places from 0 at from[i * n + t], t < fromCount[i].
  std::vector<int> from;
  std::vector<int> fromCount;

  explicit Basis(int spins)
      : n(spins),
        code((1 << spins) + 1),
        from(static_cast<size_t>((1 << spins) + 1) * spins),
        fromCount((1 << spins) + 1) {
    blockSize[1] = 1;
    blockStart[1] = 1;
    for (int b = 1; b <= n; ++b) {
      blockSize[b + 1] = blockSize[b] * (n + 1 - b) / b;
      blockStart[b + 1] = blockStart[b] + blockSize[b];
    }
    // State code -> place within its block, from 0 (needed only to build `from`).
    std::vector<int> place(static_cast<size_t>(1) << n);
    int next[kMaxSpins + 2];
    for (int b = 1; b <= n + 1; ++b) next[b] = blockStart[b];
    for (int s = 0; s < (1 << n); ++s) {
      const int b = 1 + std::popcount(static_cast<unsigned>(s));
      place[s] = next[b] - blockStart[b];
      code[next[b]++] = s;
    }
    for (int i = 1; i <= (1 << n); ++i) {
      int count = 0;
      for (int k = 1; k <= n; ++k)
        if ((code[i] >> (k - 1)) & 1)
          from[static_cast<size_t>(n) * i + count++] = place[code[i] ^ (1 << (k - 1))];
      fromCount[i] = count;
    }
  }
};

// The basis of n spins, built at the first analysis of that size and kept.
const Basis& BasisFor(int n) {
  thread_local std::array<std::unique_ptr<Basis>, kMaxSpins + 1> bases;
  if (!bases[n]) bases[n] = std::make_unique<Basis>(n);
  return *bases[n];
}

// Work arrays kept between analyses: after the first analysis of a size nothing is allocated.
struct Workspace {
  std::vector<double> energy;
  std::vector<double> vectors;  // eigenvectors of every block, one after the other, by column
  std::vector<double> w;
  std::vector<double> amplitude;
  std::vector<double> upT;
};

// True when exactly two bits of `x` are set.
bool TwoBits(unsigned x) {
  const unsigned rest = x & (x - 1);
  return rest != 0 && (rest & (rest - 1)) == 0;
}

double SpinM(int code, int k) { return ((code >> (k - 1)) & 1) ? -0.5 : 0.5; }

// Builds block b of the Hamiltonian into H (1-based, size m).
void BuildBlock(const Basis& basis, int b, std::span<const float> shiftHz,
                std::span<const float> jMatrix, SpinBlockMatrix& H) {
  const int n = basis.n;
  const int m = basis.blockSize[b];
  const int first = basis.blockStart[b];
  for (int i = 1; i <= m; ++i) {
    const int ci = basis.code[first + i - 1];
    double diag = 0.0;
    for (int k = 1; k <= n; ++k) diag += SpinM(ci, k) * static_cast<double>(shiftHz[k]);
    for (int k = 1; k <= n - 1; ++k)
      for (int l = k + 1; l <= n; ++l)
        diag += SpinM(ci, k) * SpinM(ci, l) * static_cast<double>(jMatrix[k + 9 * l]);
    H(i, i) = diag;
    for (int j = i + 1; j <= m; ++j) {
      const unsigned flipped = static_cast<unsigned>(ci ^ basis.code[first + j - 1]);
      double h = 0.0;
      if (TwoBits(flipped)) {
        const int k1 = std::countr_zero(flipped) + 1;
        const int k2 = 32 - std::countl_zero(flipped);
        h = static_cast<double>(jMatrix[k2 + 9 * k1]);
      }
      H(i, j) = h;
      H(j, i) = h;
    }
  }
}

// amplitude[q] = sum over u of upT[u * stride + q] * w[u] for q = 0..stride-1 (a multiple of
// eight; the rows are padded with zeros), each sum taken in the order of u from zero; eight sums
// run side by side (the vector clone chosen at run time), with the same results.
constexpr int kSide = 8;
__attribute__((target_clones("avx512f", "avx2", "default"))) void Amplitudes(
    const double* __restrict upT, int stride, const double* __restrict w, int size,
    double* __restrict amplitude) {
  for (int q0 = 0; q0 < stride; q0 += kSide) {
    double sum[kSide] = {};
    for (int u = 0; u < size; ++u) {
      const double wu = w[u];
      const double* row = upT + static_cast<size_t>(stride) * u + q0;
      for (int i = 0; i < kSide; ++i) sum[i] += row[i] * wu;
    }
    for (int i = 0; i < kSide; ++i) amplitude[q0 + i] = sum[i];
  }
}

}  // namespace

NSpinResult NSpinAnalyse(std::span<const float> shiftHz, std::span<const float> jMatrix, int n,
                         float minIntensity, float low, float high, std::span<float> freq,
                         std::span<float> intensity, BlockDiagonaliser diagonalise) {
  NSpinResult result;
  if (n < 1 || n > kMaxSpins || shiftHz.size() <= static_cast<size_t>(n) ||
      jMatrix.size() < 81)
    return result;
  const size_t room = std::min(freq.size(), intensity.size());
  const int limit = room == 0 ? 0 : static_cast<int>(std::min<size_t>(kNSpinMaxLines, room - 1));

  const Basis& basis = BasisFor(n);
  thread_local Workspace work;
  std::vector<double>& energy = work.energy;
  energy.resize((1 << n) + 1);
  std::vector<double>& vectors = work.vectors;
  size_t vectorStart[kMaxSpins + 2] = {};
  size_t total = 0;
  for (int b = 1; b <= n + 1; ++b)
    total += static_cast<size_t>(basis.blockSize[b]) * basis.blockSize[b];
  vectors.clear();
  vectors.reserve(total);
  SpinBlockMatrix H;
  SpinBlockMatrix V;
  for (int b = 1; b <= n + 1; ++b) {
    const int m = basis.blockSize[b];
    BuildBlock(basis, b, shiftHz, jMatrix, H);
    diagonalise(H, V, m);
    vectorStart[b] = vectors.size();
    for (int i = 1; i <= m; ++i) energy[basis.blockStart[b] + i - 1] = H(i, i);
    for (int p = 1; p <= m; ++p)
      for (int l = 1; l <= m; ++l) vectors.push_back(V(l, p));
  }

  // w(u) for each lower eigenstate p: that state carried by the lowering operator onto upper
  // basis state u.
  std::vector<double>& w = work.w;
  std::vector<double>& amplitude = work.amplitude;
  for (int b = 1; b <= n; ++b) {
    const int lowSize = basis.blockSize[b];
    const int upSize = basis.blockSize[b + 1];
    const double* lowVec = vectors.data() + vectorStart[b];
    const double* upVec = vectors.data() + vectorStart[b + 1];
    w.resize(upSize);
    // The upper eigenvectors by rows, padded with zeros to whole groups of eight:
    // upT[u * stride + q] = vectors(u, q).
    const int stride = (upSize + kSide - 1) / kSide * kSide;
    amplitude.resize(stride);
    std::vector<double>& upT = work.upT;
    upT.assign(static_cast<size_t>(stride) * upSize, 0.0);
    for (int q = 0; q < upSize; ++q)
      for (int u = 0; u < upSize; ++u)
        upT[static_cast<size_t>(stride) * u + q] = upVec[static_cast<size_t>(upSize) * q + u];
    for (int p = 1; p <= lowSize; ++p) {
      const double* lowP = lowVec + static_cast<size_t>(lowSize) * (p - 1);
      for (int u = 0; u < upSize; ++u) {
        const int i = basis.blockStart[b + 1] + u;
        const int* from = basis.from.data() + static_cast<size_t>(n) * i;
        double sum = 0.0;
        for (int t = 0; t < basis.fromCount[i]; ++t) sum += lowP[from[t]];
        w[u] = sum;
      }
      Amplitudes(upT.data(), stride, w.data(), upSize, amplitude.data());
      const double ep = energy[basis.blockStart[b] + p - 1];
      for (int q = 1; q <= upSize; ++q) {
        const double a = amplitude[q - 1];
        const float I = static_cast<float>(a * a);
        const float F = static_cast<float>(ep - energy[basis.blockStart[b + 1] + q - 1]);
        if (!(I >= minIntensity && F >= low && F <= high)) continue;
        if (result.count >= limit) {
          result.overflow = true;
          return result;
        }
        ++result.count;
        freq[result.count] = F;
        intensity[result.count] = I;
      }
    }
  }
  return result;
}
