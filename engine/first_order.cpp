#include "engine/first_order.h"

#include <algorithm>

#include "engine/engine_globals.h"
#include "platform/msgbox.h"

namespace {

// Number of lines of the pattern of a multiplicity code (0 for an unknown code).
int PatternLines(int16_t code) {
  if (code >= 0 && code <= 8) return code + 1;
  if (code == 9) return 3;
  if (code == 10) return 4;
  return 0;
}

}  // namespace

bool FirstOrderMultiplet(float centre, float intensity, std::vector<float>& freqs,
                         std::vector<float>& ints, int16_t& count, float J, int16_t code) {
  const int lines = PatternLines(code);
  if (lines == 0) return true;
  const long last = static_cast<long>(count) + lines - 1;
  if (count < 0 || last >= static_cast<long>(std::min(freqs.size(), ints.size()))) return false;

  const float h = J / 2;
  const float I = intensity;
  auto put = [&](float offset, float value) {
    freqs[static_cast<size_t>(count)] = centre + offset;
    ints[static_cast<size_t>(count)] = value;
    ++count;
  };
  switch (code) {
    case 0:
      put(0, I);
      break;
    case 1:
      put(-h, I * 0.5f);
      put(h, I * 0.5f);
      break;
    case 2:
      put(0, I * 0.5f);
      put(-J, I / 4);
      put(J, I / 4);
      break;
    case 3:
      put(-h, I * 3 / 8);
      put(h, I * 3 / 8);
      put(-(h * 3), I * 1 / 8);
      put(h * 3, I * 1 / 8);
      break;
    case 4:
      put(0, I * 6 / 16);
      put(-J, I * 4 / 16);
      put(J, I * 4 / 16);
      put(-(J + J), I * 1 / 16);
      put(J + J, I * 1 / 16);
      break;
    case 5:
      put(-h, I * 10 / 32);
      put(h, I * 10 / 32);
      put(-(h * 3), I * 5 / 32);
      put(h * 3, I * 5 / 32);
      put(-(h * 5), I * 1 / 32);
      put(h * 5, I * 1 / 32);
      break;
    case 6:
      put(0, I * 20 / 64);
      put(-J, I * 15 / 64);
      put(J, I * 15 / 64);
      put(-(J + J), I * 6 / 64);
      put(J + J, I * 6 / 64);
      put(-(J * 3), I * 1 / 64);
      put(J * 3, I * 1 / 64);
      break;
    case 7:
      put(-h, I * 35 / 128);
      put(h, I * 35 / 128);
      put(-(h * 3), I * 21 / 128);
      put(h * 3, I * 21 / 128);
      put(-(h * 5), I * 7 / 128);
      put(h * 5, I * 7 / 128);
      put(-(h * 7), I * 1 / 128);
      put(h * 7, I * 1 / 128);
      break;
    case 8:
      put(0, I * 70 / 256);
      put(-J, I * 56 / 256);
      put(J, I * 56 / 256);
      put(-(J + J), I * 28 / 256);
      put(J + J, I * 28 / 256);
      put(-(J * 3), I * 8 / 256);
      put(J * 3, I * 8 / 256);
      put(-(J * 4), I * 1 / 256);
      put(J * 4, I * 1 / 256);
      break;
    case 9:
      put(0, I / 3);
      put(J, I / 3);
      put(-J, I / 3);
      break;
    case 10:
      put(h * 3, I * 0.25f);
      put(h, I * 0.25f);
      put(-h, I * 0.25f);
      put(-(h * 3), I * 0.25f);
      break;
    default:
      break;
  }
  return true;
}

void FirstOrderSplit(float J, int16_t& count, int16_t code) {
  const int oldCount = std::clamp<int>(count, 0, LineListUBound());
  // Computed in 32 bits; an unknown (even negative) code yields no lines, never a negative size.
  const long size = static_cast<long>(std::max(PatternLines(code), 1)) * oldCount + 1;
  if (static_cast<long>(code + 1) * oldCount + 1 > kMaxFirstOrderLines) {
    MsgBox("Too many lines for current dimensioning.", vbExclamation, "First Order Calculations");
    return;
  }
  std::vector<float> freqs(static_cast<size_t>(size) + 1, 0.0f);
  std::vector<float> ints(static_cast<size_t>(size) + 1, 0.0f);
  EnsureLineCapacity(static_cast<int>(size));

  int16_t next = 1;
  for (int i = 1; i <= oldCount; ++i) {
    FirstOrderMultiplet(gLineFreq[static_cast<size_t>(i)], gLineInt[static_cast<size_t>(i)], freqs,
                        ints, next, J, code);
  }
  const int lines = next - 1;
  for (int i = 1; i <= lines; ++i) {
    gLineFreq[static_cast<size_t>(i)] = freqs[static_cast<size_t>(i)];
    gLineInt[static_cast<size_t>(i)] = ints[static_cast<size_t>(i)];
    gLineColor[static_cast<size_t>(i)] = gTraceColors[0];
  }
  count = static_cast<int16_t>(lines);
}
