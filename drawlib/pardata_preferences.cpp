#include "drawlib/pardata_preferences.h"

#include <cmath>

#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/util/numbers.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr const char* kSection = "Preferences";

bool RowInUse(int row) { return PardataRowValid(row) && !Pardata[row].Name.empty(); }

// True when the text starts, after blanks, with something Val can read as a number.
bool HasNumber(const std::string& text) {
  const std::string t = LTrim(text);
  size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
  if (i < t.size() && t[i] == '.') ++i;
  return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

}  // namespace

std::string PreferencesKey(int row) {
  if (!PardataRowValid(row)) return "";
  return std::to_string(row) + " " + Pardata[row].Name;
}

bool PreferencesStore(int row) {
  if (!RowInUse(row)) return false;
  const ParRecord& r = Pardata[row];
  return IniPutString(kSection, PreferencesKey(row), Format(r.Default, r.Format)) != 0;
}

bool PreferencesEntryRead(const std::string& key, const std::string& value) {
  int16_t row = 0;
  if (!HasNumber(key) || !TryCInt(Val(key), row) || !RowInUse(row)) return false;
  const std::string number = CommaToPoint(value);
  if (!HasNumber(number)) return false;
  const float v = static_cast<float>(Val(number));
  if (!std::isfinite(v)) return false;
  Pardata[row].Default = v;
  return true;
}

void PreferencesRead() {
  IniEntryTable entries;
  const int count = IniReadSection(kSection, entries);
  for (int e = 0; e < count; ++e) PreferencesEntryRead(entries[0][e], entries[1][e]);
}
