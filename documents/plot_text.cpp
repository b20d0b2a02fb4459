#include "documents/plot_text.h"

#include "drawlib/steps/step_list.h"
#include "drawlib/util/numbers.h"
#include "drawlib/util/strings.h"
#include "engine/engine_globals.h"
#include "platform/runtime_numbers.h"

std::string PlotParamText(int k) {
  if (k < 0 || k >= kSimParCount) return "";
  SimParRec& par = gSimPar[static_cast<std::size_t>(k)];
  std::string name = par.Name;
  name = TrimNul(name, 0);
  par.Name = (name + std::string(kSimParNameLength, ' ')).substr(0, kSimParNameLength);
  return name + " = " + CommaToPoint(Format(par.Value, "0.00"));
}

bool PlotAddLabel(float x, float y, const std::string& text) {
  if (StepCount >= kStepListUBound) return false;
  const auto i = static_cast<std::size_t>(++StepCount);
  StepList.X[i] = x;
  StepList.Y[i] = y;
  StepList.StepType[i] = 0xFFFF;
  StepList.Data[i] = std::monostate{};
  StepList.Text[i] = StepCount == kStepListUBound ? "L  R =  .7 > ..." : text;
  return StepCount < kStepListUBound;
}
