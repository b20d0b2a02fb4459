#include "output/bottom_label_text.h"

#include <ctime>

#include "drawlib/ini/libr_ini.h"
#include "drawlib/pardata.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/paths.h"
#include "drawlib/util/strings.h"
#include "engine/engine_globals.h"
#include "platform/runtime_numbers.h"

namespace {

std::string gBottomTextFields;

std::tm Now() {
  const std::time_t t = std::time(nullptr);
  std::tm when{};
  localtime_r(&t, &when);
  return when;
}

}  // namespace

void BottomLabelTextReset() { gBottomTextFields.clear(); }

std::string BottomLabelText(const std::string& fields) {
  const std::string prefix = "VIREO ";
  std::string name = (gLineFit != 0 || gSimType == 0) ? gFinm : "";
  if (!fields.empty()) gBottomTextFields = fields;
  if (gBottomTextFields.empty() || gBottomTextFields == "NotSpecified")
    gBottomTextFields = IniGetString("ExportButtons", "DrawingName", "NotSpecified");
  const std::tm now = Now();
  const std::string date = FormatDateTime(now, "mm-dd-yyyy");
  const std::string scale = CommaToPoint(Format(Pardata[35].Default, "0.00"));
  if (gBottomTextFields == "NotSpecified" || gBottomTextFields.empty())
    return prefix + name + " " + date + " Scale: " + scale;
  std::string text = prefix;
  std::string rest = gBottomTextFields;
  do {
    const std::string token = GetToken(rest, "|");
    if (token == "Date") {
      text += date + " ";
    } else if (token == "Filename") {
      std::string folder, file;
      SplitPath(name, folder, file);
      name = file;
      text += name + " ";
    } else if (token == "Filename and Path") {
      text += name + " ";
    } else if (token == "Time") {
      text += FormatDateTime(now, "hh:nn:ss") + " ";
    } else if (token == "Print Scale") {
      text += "Scale: " + scale + " ";
    }
  } while (rest.size() >= 3);
  return text;
}
