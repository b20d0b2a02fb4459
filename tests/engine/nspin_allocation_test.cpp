// The spin analysis runs on every step of a dragged handle: after its first call at a size it
// allocates nothing, on the calling thread or on the workers.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "engine/nspin_core.h"
#include "engine/worker_pool.h"

namespace {
std::atomic<long> gAllocations{0};
}  // namespace

// Every allocation of this test program is counted (it goes on to malloc as usual). GCC takes
// the free() of the replacing deletes for a mismatch with the standard operator new once they are
// inlined; these are the matching pair.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(NSpinAnalyse, NoAllocationAfterTheFirstCallAtASize) {
  std::array<float, 9> shift{};
  std::array<float, 81> j{};
  for (int a = 1; a <= 8; ++a) {
    shift[static_cast<size_t>(a)] = 100.0f + 37.0f * static_cast<float>(a % 5) + 3.0f * a;
    for (int b = a + 1; b <= 8; ++b) {
      const float J = static_cast<float>((a * 7 + b * 3) % 13) - 6.0f;
      j[static_cast<size_t>(a + 9 * b)] = J;
      j[static_cast<size_t>(b + 9 * a)] = J * 0.5f;
    }
  }
  std::vector<float> freq(kNSpinMaxLines + 1);
  std::vector<float> intensity(kNSpinMaxLines + 1);
  // Room for 50 lines too, so that the cut at the limit is on the road.
  for (size_t room : {freq.size(), size_t{51}}) {
    for (int n = 2; n <= 8; ++n) {
      const std::span<float> f(freq.data(), room);
      const std::span<float> i(intensity.data(), room);
      NSpinAnalyse(shift, j, n, 0.01f, 0, 1000, f, i);
      const long before = gAllocations.load();
      for (int again = 0; again < 3; ++again) NSpinAnalyse(shift, j, n, 0.01f, 0, 1000, f, i);
      EXPECT_EQ(gAllocations.load() - before, 0)
          << n << " spins, room " << room << ", " << EngineThreads() << " threads";
    }
  }
}

}  // namespace
