// Moves, segments, circles and polylines of the PostScript writer.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>

#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "output/postscript_writer.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"

namespace {

void AppendInt(std::string& s, int64_t v) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  s.append(digits, end);
}

// Output coordinate of a world coordinate: rounded halves to even, kept to the 32-bit range.
int32_t Transform(int32_t v, float origin, float scale) {
  return RoundToLong((double(v) - double(origin)) * double(scale));
}

int32_t Clamp32(int64_t v) {
  return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

// " x y" and the operator, each number after exactly one blank.
void ZEF1PS::AppendCollapsed(int32_t x, int32_t y, const char* op) {
  buffer_ += ' ';
  AppendInt(buffer_, x);
  buffer_ += ' ';
  AppendInt(buffer_, y);
  buffer_ += op;
}

void ZEF1PS::AppendMove(int32_t x, int32_t y) {
  PSDropMoveto();
  AppendCollapsed(x, y, " _m");
  lastX_ = x;
  lastY_ = y;
}

void ZEF1PS::PSXY(int16_t penCode, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  ErrorLocation = 7025;
  WorldWindowRec& w = WorldWindow;
  if (penCode == -999) {
    w.x0 = float(x1);
    w.y0 = float(y1);
    w.sx = w.sy = Pardata[35].Default;
    lastX_ = lastY_ = -999;
    ErrorLocation = 7026;
    return;
  }
  const int32_t X1 = Transform(x1, w.x0, w.sx), Y1 = Transform(y1, w.y0, w.sy);
  const int32_t X2 = Transform(x2, w.x0, w.sx), Y2 = Transform(y2, w.y0, w.sy);
  if (penCode == 1) {
    if (lastX_ != X1 || lastY_ != Y1) {
      PSDropMoveto();
      AppendCollapsed(X1, Y1, " _m");
    }
    AppendCollapsed(X2, Y2, " _l");
    lastX_ = X2;
    lastY_ = Y2;
  } else if (penCode == -996) {
    const int64_t cx = RoundToLong((int64_t(X1) + X2) / 2.0);
    const int64_t cy = RoundToLong((int64_t(Y1) + Y2) / 2.0);
    const double dx = double(int64_t(X2) - X1), dy = double(int64_t(Y2) - Y1);
    const int64_t r = RoundToLong(std::sqrt(dx * dx + dy * dy) * 0.5);
    PSDropMoveto();
    buffer_ += " " + Str(Clamp32(cx + r)) + " " + Str(int32_t(cy)) + " _m";
    buffer_ += " " + Str(int32_t(cx)) + " " + Str(int32_t(cy)) + " " + Str(int32_t(r)) +
               " 0 360 " + "arc ";
    buffer_ += Str(X2) + " " + Str(Y2) + " _m";
    lastX_ = X2;
    lastY_ = Y2;
  } else if (penCode == -997) {
    AppendMove(X2, Y2);
  } else if (penCode != -1) {
    MsgBox("Improper call to PSXY: pp% = [" + Str(penCode) + "]");
  }
  ErrorLocation = 7026;
}

void ZEF1PS::PSDropMoveto() {
  ErrorLocation = 7027;
  const size_t n = buffer_.size();
  if (n >= 3 && buffer_.compare(n - 3, 3, " _m") == 0) {
    int count = 0;
    bool previous = false;
    // Back from the character before " _m": the second blank that follows a non-blank starts
    // the move.
    for (size_t i = n - 3; i >= 1; --i) {
      if (buffer_[i - 1] == ' ' && previous) {
        previous = false;
        if (++count == 2) {
          buffer_.resize(i - 1);
          break;
        }
      } else {
        previous = true;
      }
    }
  }
  ErrorLocation = 7028;
}

void ZEF1PS::PSPolyline(float x, float y, int16_t mode) {
  ErrorLocation = 7013;
  if (mode == 2) {
    ++pointCount_;
    if (pointX_.size() <= pointCount_) {
      pointX_.resize(pointCount_ + 1 + pointCount_ / 2, 0);
      pointY_.resize(pointX_.size(), 0);
    }
    pointX_[pointCount_] = RoundToLong(x);
    pointY_[pointCount_] = RoundToLong(y);
  } else if (mode == 1) {
    if (pointX_.empty()) {
      pointX_.assign(1, 0);
      pointY_.assign(1, 0);
    }
    pointX_[0] = RoundToLong(x);
    pointY_[0] = RoundToLong(y);
    pointCount_ = 0;
  } else if (pointCount_ > 0) {
    // The arrays shrink at the end of a document; points never stored there read as 0.
    if (pointX_.size() <= pointCount_) {
      pointX_.resize(pointCount_ + 1, 0);
      pointY_.resize(pointCount_ + 1, 0);
    }
    if ((mode & 0x08) && !(mode & 0x10)) buffer_ += " _fillon";
    for (size_t i = 1; i <= pointCount_; ++i)
      PSXY(1, pointX_[i - 1], pointY_[i - 1], pointX_[i], pointY_[i]);
    if (mode & 0x18) buffer_ += " _filloff";
    pointCount_ = 0;
  }
  ErrorLocation = 7014;
}
