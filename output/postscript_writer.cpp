#include "output/postscript_writer.h"

#include <algorithm>
#include <cmath>

#include "documents/data_file.h"
#include "drawlib/device/world_window.h"
#include "drawlib/pardata.h"
#include "drawlib/util/error_location.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "platform/runtime_numbers.h"

namespace {

constexpr int16_t kPrologEntry = 374;
constexpr double kWorldUnitsPerPoint = 14.182;
constexpr size_t kPointsAfterHeader = 1001;  // indexes 0 to 1000; more are added on demand
constexpr uint16_t kOutputPrinter = 0x0004;

// A bounding-box extent in points, kept to the 32-bit range ("0 " writes it and one blank).
std::string BoxExtent(double worldUnits, double scale) {
  double points = worldUnits * scale / kWorldUnitsPerPoint;
  if (!std::isfinite(points)) points = std::isnan(points) ? 0.0 : std::copysign(2147483647.0, points);
  return Format(std::clamp(points, -2147483648.0, 2147483647.0), "0 ");
}

// The title of the comments line: a line end inside it would end the comment early.
std::string CommentText(const std::string& title) {
  std::string s = title;
  std::replace(s.begin(), s.end(), '\r', ' ');
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

// The title as the text of a PostScript string.
std::string StringText(const std::string& title) {
  std::string s = ReplaceAll(title, "\\", "\\\\");
  s = ReplaceAll(s, "(", "\\(");
  return ReplaceAll(s, ")", "\\)");
}

// Str without its leading blank.
std::string PlainText(float x) {
  std::string s = Str(x);
  return s.empty() || s[0] != ' ' ? s : s.substr(1);
}

}  // namespace

void ZEF1PS::PSAppend(const std::string& text) { buffer_ += text; }

void ZEF1PS::PSHeader(const std::string& title, float x1, float y1, float x2, float y2) {
  pointX_.assign(kPointsAfterHeader, 0);
  pointY_.assign(kPointsAfterHeader, 0);
  ErrorLocation = 7029;
  colourCache_ = -999;
  const float scale = Pardata[35].Default;
  buffer_ = "%!PS-Adobe-2.0 EPSF-1.2\n%%BoundingBox: ";
  buffer_ += " 0 0 " + BoxExtent(double(x2) - double(x1), scale) +
             BoxExtent(double(y2) - double(y1), scale) + "\n";
  buffer_ += "%%Title: " + CommentText(title) + "\n";
  buffer_ += "%%EndComments\n%%EndProlog\n";
  std::string pi;
  if ((OutputFlags & kOutputPrinter) && Pardata[48].Default > 0.5f) pi = StringText(title);
  buffer_ += "/PI (" + pi + ") def\n";
  buffer_ += FileDataRetrieve(kPrologEntry);
  buffer_ += " " + CommaToPoint(Format(Pardata[21].Default, "0.00")) + " _supscale\n";
  if (epsRotatedGet_ && epsRotatedGet_() != 0) {
    buffer_ += " " + PlainText((y2 - y1) * scale) + " 0" + " 0 _m";
    buffer_ += " _cptT 90 rotate ";
    if (epsRotatedSet_) epsRotatedSet_(0);
  }
  PSXY(-999, RoundToLong(x1), RoundToLong(y1), RoundToLong(x2), RoundToLong(y2));
  ErrorLocation = 7030;
}

std::string ZEF1PS::PSTrailer() {
  ErrorLocation = 7019;
  buffer_ += " _zefreset end %%trailer ";
  pointX_.assign(2, 0);
  pointY_.assign(2, 0);
  ErrorLocation = 7020;
  return buffer_;
}

void ZEF1PS::SetEpsRotation(std::function<int16_t()> get, std::function<void(int16_t)> set) {
  epsRotatedGet_ = std::move(get);
  epsRotatedSet_ = std::move(set);
}

ZEF1PS& PostScriptWriterInstance() {
  static ZEF1PS writer;
  return writer;
}

void PostScriptWriterRegister() { SetPostScriptWriter(&PostScriptWriterInstance()); }
