#include "output/bottom_label.h"

#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "drawlib/util/strings.h"
#include "engine/engine_globals.h"
#include "engine/sim_type_traits.h"
#include "platform/runtime_numbers.h"

std::string BottomTextFields;

namespace {

std::function<std::tm()> gClock;

std::tm Now() { return gClock ? gClock() : NowLocal(); }

std::string ScaleText() { return CommaToPoint(Format(Pardata[35].Default, "0.00")); }

}  // namespace

void SetBottomLabelClock(std::function<std::tm()> clock) { gClock = std::move(clock); }

void BottomLabelReset() {
  BottomTextFields.clear();
  gClock = nullptr;
}

std::string BottomLabelText(const std::string& fields) {
  const std::string prefix = "VIREO ";
  const std::string fullName = ShowsLoadedSpectrum() ? gFinm : std::string();
  if (!fields.empty()) BottomTextFields = fields;
  if (BottomTextFields == "NotSpecified" || BottomTextFields.empty())
    BottomTextFields = IniGetString("ExportButtons", "DrawingName", "NotSpecified");
  const std::tm now = Now();
  const std::string date = FormatDateTime(now, "mm-dd-yyyy");
  if (BottomTextFields == "NotSpecified")
    return prefix + fullName + " " + date + " Scale: " + ScaleText();

  std::string text = prefix;
  std::string name = fullName;
  std::string rest = BottomTextFields;
  do {
    const std::string field = GetToken(rest, "|");
    if (field == "Date") {
      text += date + " ";
    } else if (field == "Filename") {
      std::string folder, file;
      SplitPath(name, folder, file);
      name = file;
      text += file + " ";
    } else if (field == "Filename and Path") {
      // The full path, also after a "Filename" field.
      text += fullName + " ";
    } else if (field == "Time") {
      text += FormatDateTime(now, "hh:mm:ss") + " ";
    } else if (field == "Print Scale") {
      text += "Scale: " + ScaleText() + " ";
    }
  } while (rest.size() >= 3);
  return text;
}
