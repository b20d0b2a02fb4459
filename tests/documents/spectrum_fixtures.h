// Writes the experimental spectrum formats byte by byte for the loader tests: a little-endian
// byte buffer with fields placed at their offsets, and one builder per format.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

class FixtureBytes {
 public:
  FixtureBytes& Put(std::size_t at, const std::string& text) {
    Grow(at + text.size());
    bytes.replace(at, text.size(), text);
    return *this;
  }
  FixtureBytes& Long(std::size_t at, int32_t v) { return Raw(at, uint64_t(uint32_t(v)), 4); }
  FixtureBytes& Single(std::size_t at, float v) {
    return Raw(at, std::bit_cast<uint32_t>(v), 4);
  }
  FixtureBytes& Double(std::size_t at, double v) { return Raw(at, std::bit_cast<uint64_t>(v), 8); }
  FixtureBytes& Grow(std::size_t size) {
    if (bytes.size() < size) bytes.resize(size, '\0');
    return *this;
  }
  std::string bytes;

 private:
  FixtureBytes& Raw(std::size_t at, uint64_t v, std::size_t n) {
    Grow(at + n);
    for (std::size_t i = 0; i < n; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return *this;
  }
};

// Values are given from the highest point down (file order).
inline FixtureBytes LybricsFile(int32_t siValue, float sw, float sf, float off,
                                const std::vector<int32_t>& values) {
  FixtureBytes f;
  f.Put(0, std::string("KEYSNMR\0", 8));
  f.Put(8, "TD L").Long(12, 99);
  f.Put(16, "SI L").Long(20, siValue);
  f.Put(24, "SW R").Single(28, sw);
  f.Put(32, "SF R").Single(36, sf);
  f.Put(40, "OFFR").Single(44, off);
  f.Put(48, "ENDK");
  f.Grow(2560);
  for (std::size_t i = 0; i < values.size(); ++i) f.Long(2560 + 8 * i, values[i]).Long(2564 + 8 * i, -7);
  return f;
}

// w4: the layout variant (2 or another value); data start at word w1 (+1 unless w4 is 2).
inline FixtureBytes NutsFile(int32_t w4, int32_t points, float sw, float mhz, float ref,
                             const std::vector<float>& values, int32_t dims = 1) {
  FixtureBytes f;
  f.Long(0, 67305985).Long(8, dims).Long(16, w4);
  f.Long(96 * 4, points).Long(99 * 4, 3);
  f.Single(112 * 4, sw).Single(113 * 4, mhz).Single(115 * 4, ref).Single(119 * 4, 0.5f);
  if (w4 != 2) {
    f.Put(205 * 4, "Proton {test}\x01junk").Put(218 * 4, "second").Put(236 * 4, "Cap_tion");
  } else {
    f.Put(284 * 4, "A").Put(292 * 4, "B").Put(268 * 4, "C").Put(300 * 4, "");
  }
  const int32_t w1 = 400;
  f.Long(4, w1);
  const std::size_t first = static_cast<std::size_t>(w4 == 2 ? w1 : w1 + 1) * 4;
  f.Grow(first);
  for (std::size_t i = 0; i < values.size(); ++i) f.Single(first + 8 * i, values[i]).Single(first + 8 * i + 4, 99);
  return f;
}

// A NUTS text header (its first 2 characters are skipped), Ctrl-Z, then value pairs.
inline FixtureBytes NutsTextFile(const std::string& header, const std::vector<float>& values,
                                 std::size_t markerAt = 0) {
  FixtureBytes f;
  f.Put(0, "xx" + header);
  if (markerAt > f.bytes.size()) f.bytes.resize(markerAt, ' ');
  const std::size_t marker = f.bytes.size();
  f.Put(marker, "\x1A");
  for (std::size_t i = 0; i < values.size(); ++i) f.Single(marker + 1 + 8 * i, values[i]).Long(marker + 5 + 8 * i, 0);
  return f;
}

inline FixtureBytes TecmagFile(int32_t n, double mhz, double r, double w,
                               const std::vector<float>& values, int32_t n2 = 1) {
  FixtureBytes f;
  f.Put(0, "TNT1.003TMAG").Long(20, n).Long(24, n2);
  f.Double(104, mhz).Double(200, r).Double(260, w);
  f.Put(896, "Title one").Put(928, "Second\ttab");
  f.Grow(1056);
  for (std::size_t i = 0; i < values.size(); ++i) f.Single(1056 + 8 * i, values[i]).Long(1060 + 8 * i, 0);
  f.Grow(1352);
  return f;
}
