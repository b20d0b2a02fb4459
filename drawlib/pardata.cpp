#include "drawlib/pardata.h"

#include <cmath>

#include "drawlib/util/strings.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

std::array<ParRecord, kPardataRows> Pardata;

namespace {

// Takes the text before the first comma out of `rest` (with the comma). A field that starts with
// a double quote runs to the closing quote, so a caption may hold commas.
std::string TakeField(std::string& rest) {
  const std::string trimmed = LTrim(rest);
  if (!trimmed.empty() && trimmed[0] == '"') {
    const size_t close = trimmed.find('"', 1);
    if (close != std::string::npos) {
      std::string field = trimmed.substr(1, close - 1);
      const size_t cut = trimmed.find(',', close);
      rest = cut == std::string::npos ? std::string() : trimmed.substr(cut + 1);
      return field;
    }
  }
  return GetToken(rest, ",");
}

}  // namespace

void PardataParseRow(const std::string& rowText, ParRecord& rec) {
  std::string rest = rowText;
  // Shows the message when the row is used up before the next field.
  auto next = [&]() {
    if (rest.empty()) MsgBox("error in Pardata: [" + rowText + "]", vbOKOnly, "");
    return TakeField(rest);
  };
  auto number = [&]() { return static_cast<float>(Val(next())); };

  rec.Name = Trim(TakeField(rest));
  std::string format = next();
  std::erase(format, ' ');
  rec.Format = format;
  rec.Value = number();
  rec.Current = rec.Value;
  rec.Default = number();
  rec.Max = number();
  rec.Min = number();
  rec.Increment = number();
  if (rest.empty()) MsgBox("error in Pardata: [" + rowText + "]", vbOKOnly, "");
  int16_t flags = 0;
  rec.Flags = TryCInt(Val(rest), flags) ? flags : 0;
}

void PardataBuild() {
  for (int i = 0; i < kPardataRows; ++i) {
    Pardata[i] = ParRecord{};
    const std::string row = PardataBuiltInRows[i];
    if (!row.empty()) PardataParseRow(row, Pardata[i]);
  }
  for (const PardataOptionText& opt : PardataBuiltInOptions) {
    std::string text = opt.text;
    text.resize(kPardataOptionsLength, ' ');
    Pardata[opt.row].Options = text;
  }
}

float ParamValidate(float& v, int16_t i) {
  if (!PardataRowValid(i)) return v;
  const ParRecord& row = Pardata[i];
  // -999 is the "keep" marker whatever the row's flags say.
  if (v == kParKeep) {
    v = row.Current;
    return v;
  }
  const bool absolute = (row.Flags & kParFlagAbsolute) != 0;
  if (!std::isfinite(v)) {
    v = row.Value;
    return v;
  }
  const float tested = absolute ? std::fabs(v) : v;
  if (tested > row.Max || tested < row.Min) {
    v = (absolute && v < 0) ? -row.Value : row.Value;
  }
  return v;
}
