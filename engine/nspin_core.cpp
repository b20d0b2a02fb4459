#include "engine/nspin_core.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <memory>
#include <vector>

#include "engine/vector_clones.h"
#include "engine/worker_pool.h"

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
KAVO_VECTOR_CLONES void Amplitudes(
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

// Scratch of one thread taking part in an analysis.
struct SlotScratch {
  SpinBlockMatrix H;
  SpinBlockMatrix V;
  // The upper eigenvectors by rows, padded with zeros to whole groups of eight.
  double upT[SpinBlockMatrix::kDim * (SpinBlockMatrix::kDim + kSide)];
  double w[SpinBlockMatrix::kDim];
  double amplitude[SpinBlockMatrix::kDim + kSide];
};

// Work arrays kept between analyses: after the first analysis of a size (and thread count)
// nothing is allocated.
struct Workspace {
  std::vector<double> energy;
  std::vector<double> vectors;  // eigenvectors of every block, one after the other, by column
  // With threads: the lines each block pair accepts, before they join the line list in order.
  std::vector<float> pairFreq;
  std::vector<float> pairIntensity;
  std::vector<std::unique_ptr<SlotScratch>> slots;
};

// From this many spins on, the blocks are diagonalised on several threads. Waking the workers
// and waiting for them costs some 30-80 us; six spins (about 0.12 ms in all, a 20-state block the
// largest) gain no more than that.
constexpr int kThreadedSpins = 7;
// Threads that still shorten the analysis of eight spins (the largest block alone then sets the
// time).
constexpr int kMostThreads = 4;

struct Analysis {
  const Basis& basis;
  std::span<const float> shiftHz;
  std::span<const float> jMatrix;
  BlockDiagonaliser diagonalise;
  float minIntensity;
  float low;
  float high;
  Workspace& work;
  size_t vectorStart[kMaxSpins + 2] = {};
  // With threads: the blocks in the order they are taken, each pair's place in the pair lines
  // and the count it accepted, and how many of each pair's two blocks are done.
  int task[kMaxSpins + 1] = {};
  size_t pairStart[kMaxSpins + 1] = {};
  int pairCount[kMaxSpins + 1] = {};
  std::atomic<int> pairBlocksDone[kMaxSpins + 1] = {};
};

// Builds and diagonalises block b, its energies and eigenvectors into their places.
void SolveBlock(Analysis& a, int b, SlotScratch& scratch) {
  const Basis& basis = a.basis;
  const int m = basis.blockSize[b];
  BuildBlock(basis, b, a.shiftHz, a.jMatrix, scratch.H);
  a.diagonalise(scratch.H, scratch.V, m);
  double* energy = a.work.energy.data() + basis.blockStart[b];
  for (int i = 1; i <= m; ++i) energy[i - 1] = scratch.H(i, i);
  double* out = a.work.vectors.data() + a.vectorStart[b];
  for (int p = 1; p <= m; ++p)
    for (int l = 1; l <= m; ++l) *out++ = scratch.V(l, p);
}

// The lines of the transitions from block b to block b + 1, in the order of the lower
// eigenstate, then of the upper one, into freq and intensity from index `at`. Returns the number
// written, or room + 1 when one more line was accepted than there is room for (the lines
// before it written).
int PairLines(const Analysis& a, int b, SlotScratch& scratch, float* freq, float* intensity,
              size_t at, int room) {
  const Basis& basis = a.basis;
  const int n = basis.n;
  const int lowSize = basis.blockSize[b];
  const int upSize = basis.blockSize[b + 1];
  const double* lowVec = a.work.vectors.data() + a.vectorStart[b];
  const double* upVec = a.work.vectors.data() + a.vectorStart[b + 1];
  const double* energy = a.work.energy.data();
  // upT[u * stride + q] = vectors(u, q).
  const int stride = (upSize + kSide - 1) / kSide * kSide;
  double* upT = scratch.upT;
  std::fill(upT, upT + static_cast<size_t>(stride) * upSize, 0.0);
  for (int q = 0; q < upSize; ++q)
    for (int u = 0; u < upSize; ++u)
      upT[static_cast<size_t>(stride) * u + q] = upVec[static_cast<size_t>(upSize) * q + u];
  int count = 0;
  for (int p = 1; p <= lowSize; ++p) {
    // w(u): lower eigenstate p carried by the lowering operator onto upper basis state u.
    const double* lowP = lowVec + static_cast<size_t>(lowSize) * (p - 1);
    for (int u = 0; u < upSize; ++u) {
      const int i = basis.blockStart[b + 1] + u;
      const int* from = basis.from.data() + static_cast<size_t>(n) * i;
      double sum = 0.0;
      for (int t = 0; t < basis.fromCount[i]; ++t) sum += lowP[from[t]];
      scratch.w[u] = sum;
    }
    Amplitudes(upT, stride, scratch.w, upSize, scratch.amplitude);
    const double ep = energy[basis.blockStart[b] + p - 1];
    for (int q = 1; q <= upSize; ++q) {
      const double amp = scratch.amplitude[q - 1];
      const float I = static_cast<float>(amp * amp);
      const float F = static_cast<float>(ep - energy[basis.blockStart[b + 1] + q - 1]);
      if (!(I >= a.minIntensity && F >= a.low && F <= a.high)) continue;
      if (count >= room) return room + 1;
      freq[at + count] = F;
      intensity[at + count] = I;
      ++count;
    }
  }
  return count;
}

// One task of a threaded analysis: a block, then the lines of each pair whose other block is
// done already (so no thread waits for another).
void RunTask(void* context, int index, int slot) {
  Analysis& a = *static_cast<Analysis*>(context);
  SlotScratch& scratch = *a.work.slots[static_cast<size_t>(slot)];
  const int b = a.task[index];
  SolveBlock(a, b, scratch);
  for (int pair : {b - 1, b}) {
    if (pair < 1 || pair > a.basis.n) continue;
    // The thread finishing the second block sees the first one's results.
    if (a.pairBlocksDone[pair].fetch_add(1, std::memory_order_acq_rel) != 1) continue;
    const size_t room = static_cast<size_t>(a.basis.blockSize[pair]) * a.basis.blockSize[pair + 1];
    a.pairCount[pair] =
        PairLines(a, pair, scratch, a.work.pairFreq.data(), a.work.pairIntensity.data(),
                  a.pairStart[pair], static_cast<int>(room));
  }
}

// The tasks of a threaded analysis in the order they are taken: the blocks from the largest
// down (the largest, on the calling thread, sets the time).
int PlanTasks(Analysis& a) {
  const Basis& basis = a.basis;
  const int n = basis.n;
  int count = 0;
  for (int b = 1; b <= n + 1; ++b) a.task[count++] = b;
  std::sort(a.task, a.task + count, [&basis](int x, int y) {
    const int sx = basis.blockSize[x];
    const int sy = basis.blockSize[y];
    return sx != sy ? sx > sy : x < y;
  });
  size_t start = 0;
  for (int b = 1; b <= n; ++b) {
    a.pairStart[b] = start;
    start += static_cast<size_t>(basis.blockSize[b]) * basis.blockSize[b + 1];
  }
  a.work.pairFreq.resize(start);
  a.work.pairIntensity.resize(start);
  return count;
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

  thread_local Workspace work;
  Analysis a{BasisFor(n), shiftHz, jMatrix, diagonalise, minIntensity, low, high, work};
  const Basis& basis = a.basis;
  work.energy.resize((1 << n) + 1);
  size_t total = 0;
  for (int b = 1; b <= n + 1; ++b) {
    a.vectorStart[b] = total;
    total += static_cast<size_t>(basis.blockSize[b]) * basis.blockSize[b];
  }
  work.vectors.resize(total);

  const int threads = n >= kThreadedSpins ? std::min(EngineThreads(), kMostThreads) : 1;
  if (work.slots.size() < static_cast<size_t>(threads)) work.slots.resize(threads);
  for (int slot = 0; slot < threads; ++slot)
    if (!work.slots[slot]) work.slots[slot] = std::make_unique<SlotScratch>();

  if (threads == 1) {
    // On the calling thread: block by block, then the lines pair by pair straight into the list.
    SlotScratch& scratch = *work.slots[0];
    for (int b = 1; b <= n + 1; ++b) SolveBlock(a, b, scratch);
    for (int b = 1; b <= n; ++b) {
      const int left = limit - result.count;
      const int got = PairLines(a, b, scratch, freq.data(), intensity.data(),
                                static_cast<size_t>(result.count) + 1, left);
      result.count += std::min(got, left);
      if (got > left) {
        result.overflow = true;
        return result;
      }
    }
    return result;
  }

  RunTasks(PlanTasks(a), threads, RunTask, &a);
  // The pairs' lines join the list in the order of the pairs, up to the limit.
  for (int b = 1; b <= n; ++b) {
    const int take = std::min(a.pairCount[b], limit - result.count);
    const size_t at = static_cast<size_t>(result.count) + 1;
    for (int k = 0; k < take; ++k) {
      freq[at + k] = work.pairFreq[a.pairStart[b] + k];
      intensity[at + k] = work.pairIntensity[a.pairStart[b] + k];
    }
    result.count += take;
    if (take < a.pairCount[b]) {
      result.overflow = true;
      break;
    }
  }
  return result;
}
