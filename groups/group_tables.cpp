#include "groups/group_tables.h"

#include "documents/clip_transfer.h"
#include "drawlib/steps/packed_drawing.h"
#include "drawlib/steps/step_list.h"
#include "drawlib/util/numbers.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "platform/runtime_numbers.h"
#include "platform/runtime_text.h"

namespace {

constexpr float kKelvinOffset = 273.16f;
constexpr float kMinRate = 1e-7f;
constexpr const char* kDeltaG = "^DG~^#";

std::string Fixed(double v, const char* pattern) { return CommaToPoint(Format(v, pattern)); }

std::string FreeEnergy(float t, float rate) {
  return t > 0 && rate > kMinRate ? Fixed(EyringFreeEnergy(t, rate), "0.00") : "";
}

// The item's temperature in kelvin (a value below -1 is in degrees Celsius); 0 when not set.
float ItemKelvin(const SimItem& item) {
  float t = ValPoint(item.TempK);
  if (t < -1) t += kKelvinOffset;
  return t >= 10 ? t : 0;
}

struct Row {
  std::string label, cell;
};

// The rate rows of one item.
std::vector<Row> RateRows(const SimItem& item, const SimTypeRec& rec, float& rate) {
  std::vector<Row> rows;
  const float t = ItemKelvin(item);
  const int16_t last = rec.LastPar;
  float k = 0;
  for (int16_t j = 0; j <= last; ++j)
    if (Trim(rec.Par[static_cast<size_t>(j)].Name) == "k")
      k = ValPoint(item.Param[static_cast<size_t>(j)]);
  for (int16_t j = 0; j <= last; ++j) {
    const std::string name = Trim(rec.Par[static_cast<size_t>(j)].Name);
    if (name.empty() || name[0] != 'k') continue;
    const std::string& v = item.Param[static_cast<size_t>(j)];
    if (name == "kab+kba") {
      const float sum = ValPoint(v);
      const float pa = static_cast<float>(Val(item.Param[4]));
      const bool split = pa > 0 && pa < 100;
      const float kab = split ? sum / (pa / (100 - pa) + 1) : 0;
      const float kba = split ? sum / ((100 - pa) / pa + 1) : 0;
      rows.push_back({name, v});
      rows.push_back({"%a", Fixed(pa, "0.00")});
      rows.push_back({"kab", split ? Fixed(kab, "0.000") : ""});
      rows.push_back({std::string(kDeltaG) + "(ab)", split ? FreeEnergy(t, kab) : ""});
      rows.push_back({"kba", split ? Fixed(kba, "0.000") : ""});
      rows.push_back({std::string(kDeltaG) + "(ba)", split ? FreeEnergy(t, kba) : ""});
      continue;
    }
    rows.push_back({name, v});
    if (name.size() >= 2 && name.substr(name.size() - 2) == "/k") {
      rate = ValPoint(v) * k;
      rows.push_back({name.substr(0, name.size() - 2), Fixed(rate, "0.000")});
    } else {
      rate = ValPoint(v);  // "k" itself, or a rate of its own
    }
    rows.push_back({kDeltaG, FreeEnergy(t, rate)});
  }
  return rows;
}

}  // namespace

GroupTable BuildGroupTable(const std::vector<SimItem>& items, const SimTypeRec& typeRec,
                           bool rates) {
  GroupTable table = {{"Title:"}, {"SimNum:"}, {"Filename:"}, {"Temp K:"}, {"Temp C:"}};
  float rate = 0;
  for (size_t i = 0; i < items.size() && i < kGroupItems; ++i) {
    const SimItem& item = items[i];
    if (!ItemInUse(item)) continue;
    const float t = ItemKelvin(item);
    table[0].push_back(item.Name);
    table[1].push_back(Trim(Str(static_cast<int16_t>(i + 1))));
    table[2].push_back(item.FileName);
    table[3].push_back(t > 0 ? item.TempK : "");
    table[4].push_back(t > 0 ? Fixed(t - kKelvinOffset, "0.00") : "");
    std::vector<Row> rows;
    if (rates) {
      rows = RateRows(item, typeRec, rate);
    } else {
      for (int16_t j = 0; j <= typeRec.LastPar; ++j)
        rows.push_back({Trim(typeRec.Par[static_cast<size_t>(j)].Name),
                        item.Param[static_cast<size_t>(j)]});
    }
    const size_t columns = table[0].size();
    if (table.size() < 5 + rows.size()) table.resize(5 + rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
      std::vector<std::string>& line = table[5 + r];
      if (line.empty()) line.push_back("");
      line[0] = rows[r].label;
      line.resize(columns - 1, "");
      line.push_back(rows[r].cell);
    }
  }
  for (auto& line : table) line.resize(table[0].size(), "");
  return table;
}

std::string GroupTableText(const GroupTable& table) {
  std::string text;
  for (size_t r = 1; r < table.size(); ++r) {
    for (const std::string& cell : table[r]) text += cell + "\t";
    text += "\r\n";
  }
  return text;
}

void CopyGroupTable(const GroupTable& table) {
  size_t cells = 0;
  for (const auto& line : table) cells += line.size();
  ClipboardBatch batch;
  ClipboardAddText(GroupTableText(table));
  if (cells > static_cast<size_t>(kStepListUBound)) {
    batch.End();
    MsgBox("The table is too large for a drawing: only its text was copied.");
    return;
  }
  StepCount = 0;
  for (size_t r = 0; r < table.size(); ++r) {
    for (size_t c = 0; c < table[r].size(); ++c) {
      const auto s = static_cast<size_t>(++StepCount);
      StepList.ClearStep(static_cast<int>(s));
      StepList.X[s] = -4000 + 804.0f * static_cast<float>(c + 1);
      StepList.Y[s] = 4000 - 241.2f * static_cast<float>(r);
      StepList.StepType[s] = kStepLabel;
      const std::string& cell = table[r][c];
      StepList.Text[s] = cell.empty() ? "" : (r == 0 ? "F  H = 2 D = 45 > " : "F  H = 2 > ") + cell;
    }
  }
  int16_t flags = kPackLong;
  ClipDataSetVariant(StepData(PackZEFByte(1, StepCount, StepList, flags)), 34);
}
