#include "engine/lorentz_kernel.h"

#include <algorithm>
#include <cmath>

#include "engine/vector_clones.h"

void LorentzKernel::Build(float c, float hzPerPt, int points) {
  size_ = std::max(points, 0) + 1;
  invC_ = 1 / static_cast<double>(c);
  invHzPerPt_ = 1 / static_cast<double>(hzPerPt);
  const size_t size = static_cast<size_t>(size_);
  if (denom_.size() < size) {
    denom_.resize(size);
    recip_.resize(size);
    mirror_.resize(size);
    sums_.resize(size + 1);
  }
  points_ = std::max(points, 0);
  std::fill(sums_.begin(), sums_.begin() + points_ + 1, 0.0);
  float x = 0;
  for (int t = 0; t < size_; ++t) {
    denom_[static_cast<size_t>(t)] = c * (x * x) + 1;
    x += hzPerPt;
  }
  for (int t = 0; t < size_; ++t) {
    const float r = 1 / denom_[static_cast<size_t>(t)];
    recip_[static_cast<size_t>(t)] = r;
    mirror_[static_cast<size_t>(size_ - 1 - t)] = r;
  }
}

int LorentzKernel::Reach(float h, float cut) const {
  // h / denom_ falls with the distance. The smooth curve meets the cut near distance t0; as the
  // tabulated x drifts only slightly from t * hzPerPt, the exact last distance at or above the
  // cut is almost always among t0 - 1 .. t0 + 2, tested at once. Otherwise step to it.
  auto reaches = [&](int t) {
    return t < size_ && h / denom_[static_cast<size_t>(std::max(t, 0))] >= cut;
  };
  if (!reaches(0)) return 0;
  const double ratio = static_cast<double>(h) / cut - 1;
  double guess = std::sqrt(std::max(ratio, 0.0) * invC_) * invHzPerPt_;
  if (!(guess >= 1)) guess = 1;
  const int t0 = static_cast<int>(std::min(guess, static_cast<double>(size_)));
  const int inWindow = reaches(t0 - 1) + reaches(t0) + reaches(t0 + 1);
  const bool beyond = reaches(t0 + 2);
  if (reaches(t0 - 1) && !beyond) return t0 - 1 + inWindow;
  int t = std::clamp(t0, 0, size_ - 1);
  while (reaches(t + 1)) ++t;
  while (t > 0 && !reaches(t)) --t;
  return t + 1;
}

namespace {

// out[i] += h x table[i] for i = 0..n-1, chosen at run time for the widest vector unit. The
// additions are element by element (no contraction), so the wider clone gives the same sums.
KAVO_VECTOR_CLONES void AddScaled(
    double* __restrict out, const float* __restrict table, int n, float h) {
  for (int i = 0; i < n; ++i) out[i] += static_cast<double>(h * table[i]);
}

}  // namespace

void LorentzKernel::AddRing(int centre, float h, int from, int to) {
  const int points = points_;
  to = std::min(to, size_);
  if (from >= to) return;
  // Left half (with the centre when from is 0): points centre - (to - 1) .. centre - from,
  // distance centre - i, read ascending from the mirrored table at (size_ - 1 - centre) + i.
  const int first = std::max(1, centre - to + 1);
  const int last = std::min(centre - from, points);
  if (first <= last)
    AddScaled(sums_.data() + first, mirror_.data() + (size_ - 1 - centre + first),
              last - first + 1, h);
  // Right half: points centre + max(from, 1) .. centre + to - 1.
  const int begin = std::max(centre + std::max(from, 1), 1);
  const int end = std::min(points, centre + to - 1);
  if (begin <= end)
    AddScaled(sums_.data() + begin, recip_.data() + (begin - centre), end - begin + 1, h);
}

void LorentzKernel::StoreSums(std::vector<float>& spectrum) const {
  const int n = std::min(points_, static_cast<int>(spectrum.size()) - 1);
  for (int p = 1; p <= n; ++p)
    spectrum[static_cast<size_t>(p)] = static_cast<float>(sums_[static_cast<size_t>(p)]);
}
