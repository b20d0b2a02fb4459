#include "drawlib/util/geometry.h"

#include <algorithm>
#include <cmath>

namespace {

struct RotationCache {
  float angle = 0.0f;
  float cosine = 1.0f;
  float sine = 0.0f;
  int16_t valid = 0;
};
RotationCache rotation;

constexpr float kPi = 3.1415932f;
constexpr float kTwoPi = 6.2831864f;

}  // namespace

void ResetRotationCache() { rotation = RotationCache{}; }

void RotatePoint(float& x, float& y, float angle) {
  if (rotation.valid == 0 || std::fabs(angle - rotation.angle) > 0.005f) {
    rotation.cosine = std::cos(angle);
    rotation.sine = std::sin(angle);
    rotation.angle = angle;
    rotation.valid = 1;
  }
  const float nx = x * rotation.cosine - y * rotation.sine;
  const float ny = x * rotation.sine + y * rotation.cosine;
  x = nx;
  y = ny;
}

void RotateAbout(float cx, float cy, float& x, float& y, float angle) {
  float dx = x - cx, dy = y - cy;
  RotatePoint(dx, dy, angle);
  x = dx + cx;
  y = dy + cy;
}

double VectorAngle(float x, float y) {
  if (x == 0.0f && y == 0.0f) return 0.0;
  const double sign = y > 0.0f ? 1.0 : (y < 0.0f ? -1.0 : 0.0);
  double a;
  if (std::fabs(y) <= std::fabs(x)) {
    a = sign * std::atan(std::fabs(double(y) / double(x)));
  } else {
    a = sign * (double(kPi) / 2.0 - std::atan(std::fabs(double(x) / double(y))));
  }
  if (x < 0.0f) a = double(kPi) - a;
  if (a < 0.0) a += double(kTwoPi);
  return a;
}

float VectorPolar(float x, float y, float& length) {
  length = std::sqrt(x * x + y * y);
  return float(VectorAngle(x, y));
}

bool PointInRect(float x, float y, float left, float bottom, float right, float top) {
  return left < x && x < right && bottom < y && y < top;
}

void ArrayMinMax(const std::vector<float>& items, float& largest, float& smallest, int32_t first,
                 int32_t last) {
  if (first < 0 || std::size_t(first) >= items.size()) return;
  largest = smallest = items[std::size_t(first)];
  const int64_t end = std::min<int64_t>(last, int64_t(items.size()) - 1);
  for (int64_t i = first; i <= end; ++i) {
    largest = std::max(largest, items[std::size_t(i)]);
    smallest = std::min(smallest, items[std::size_t(i)]);
  }
}
