// Calls from several threads at once wait for each other: every conversion gives the GIF that
// the same call gives alone, and nothing of one call's state reaches another's.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "gifconv/corvid32.h"
#include "tests/gifconv/gif_helpers.h"
#include "tests/support/scratch_folder.h"

namespace {

// One kind of call, writing its GIF to the given path.
using Call = std::function<int32_t(const std::string& gif)>;

struct Pictures {
  explicit Pictures(const ScratchFolder& dir)
      : wmf(dir.File("in.wmf")), emf(dir.File("in.emf")),
        dib(MakeDib(3, 2, 24, {}, std::string("\0\0\xFF\0\xFF\0\xFF\0\0\0\0\0"
                                              "\xFF\xFF\xFF\0\0\0\x80\x80\x80\0\0\0",
                                              24))) {
    WmfBuilder w;
    w.SetWindowExt(40, 30).CreatePen(0, 2, 0x0000FF).CreateBrush(0, 0x00FF00).Select(0).Select(1);
    w.SetBkMode(2).SetBkColor(0xFFFF00).Rectangle(5, 5, 30, 20).LineTo(40, 30);
    WriteAll(wmf, w.Placeable(0, 0, 24, 18, 96));
    EmfBuilder e;
    e.CreatePen(1, 0, 3, 0xFF0000).Select(1).CreateBrush(2, 0, 0x0080FF).Select(2).SaveDc();
    e.SetMapMode(8).SetWindowExt(10, 10).SetViewportExt(20, 20).Ellipse(1, 1, 9, 9).RestoreDc(-1);
    WriteAll(emf, e.Bytes(0, 0, 22, 17));
  }
  std::vector<Call> Calls() const {
    return {
        [this](const std::string& gif) { return Corvid(emf.c_str(), gif.c_str(), 100, 100); },
        [this](const std::string& gif) { return Corvid(wmf.c_str(), gif.c_str(), 150, 100); },
        [this](const std::string& gif) {
          const CorvidHandle bitmap{CORVID_OBJ_BITMAP, dib.data(), dib.size()};
          const CorvidRect target{0, 0, 7, 5};
          return CorvidPic(&bitmap, gif.c_str(), &target, FLAG_INTERLACE, 0);
        },
        [this](const std::string& gif) {
          return CorvidEx(wmf.c_str(), gif.c_str(), 100, 50,
                          FLAG_BACKGROUND_COLOR | FLAG_TRANSPARENT, 0x00804020);
        },
    };
  }
  std::string wmf, emf, dib;
};

}  // namespace

TEST(Threads, TwoThreadsOfMixedCallsGiveTheGifsOfSingleCalls) {
  ScratchFolder dir;
  const Pictures pictures(dir);
  const std::vector<Call> calls = pictures.Calls();
  std::vector<std::string> expected;
  for (const Call& call : calls) {
    const std::string gif = dir.File("alone.gif");
    ASSERT_EQ(call(gif), 1);
    expected.push_back(ReadAll(gif));
  }

  constexpr int kCallsPerThread = 2000;
  // Each thread counts the calls that went wrong; EXPECT_* from threads would interleave.
  std::vector<int> wrong(2, 0);
  auto work = [&](int thread) {
    const std::string gif = dir.File("thread" + std::to_string(thread) + ".gif");
    for (int i = 0; i < kCallsPerThread; ++i) {
      const size_t kind = size_t(i + thread) % calls.size();  // the threads mix differently
      if (calls[kind](gif) != 1 || ReadAll(gif) != expected[kind]) ++wrong[size_t(thread)];
    }
  };
  std::thread other(work, 1);
  work(0);
  other.join();
  EXPECT_EQ(wrong[0], 0);
  EXPECT_EQ(wrong[1], 0);
}
