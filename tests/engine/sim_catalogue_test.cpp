#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <sstream>

#include "engine/sim_catalogue.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/expected_catalogue.h"

namespace {

struct ExpectedPar {
  int index = 0;
  std::string name;
  float value = 0;
  int32_t flags = 0;
  bool ownLimits = false;
  float min = 0;
  float max = 0;
};

// Reads the row notation: index "name" default kinds [min..max], rows separated by "; ".
std::vector<ExpectedPar> ParseRows(const std::string& text) {
  static const std::map<std::string, int32_t> kKinds = {
      {"H", 0x40}, {"C", 0x80}, {"W", 0x100}, {"SW", 0x200}, {"OF", 0x400},
      {"J", 0x800}, {"I", 0x10}, {"A", 0x1000}, {"M", 0x2000}};
  std::vector<ExpectedPar> rows;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find("; ", at);
    if (end == std::string::npos) end = text.size();
    const std::string row = text.substr(at, end - at);
    at = end + 2;
    ExpectedPar p;
    const size_t q1 = row.find('"');
    const size_t q2 = row.find('"', q1 + 1);
    p.index = std::stoi(row.substr(0, q1));
    p.name = row.substr(q1 + 1, q2 - q1 - 1);
    std::istringstream rest(row.substr(q2 + 1));
    std::string word;
    rest >> word;
    p.value = std::stof(word);
    while (rest >> word) {
      if (word[0] == '[') {
        const size_t dots = word.find("..");
        p.ownLimits = true;
        p.min = std::stof(word.substr(1, dots - 1));
        p.max = std::stof(word.substr(dots + 2, word.size() - dots - 3));
        continue;
      }
      std::istringstream kinds(word);
      std::string kind;
      while (std::getline(kinds, kind, '+')) {
        if (kind[0] == 'S' && kind.size() > 1 && std::isdigit(static_cast<unsigned char>(kind[1]))) {
          p.flags |= std::stoi(kind.substr(1));
        } else {
          p.flags |= kKinds.at(kind);
        }
      }
    }
    rows.push_back(p);
  }
  return rows;
}

std::map<std::string, std::string> ParseTips(const std::string& text) {
  std::map<std::string, std::string> tips;
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, '|')) {
    const size_t eq = item.find('=');
    tips[item.substr(0, eq)] = item.substr(eq + 1);
  }
  return tips;
}

std::string Padded(std::string name) {
  name.resize(12, ' ');
  return name;
}

// Limits and default tooltip of a parameter's kind with the built-in "Kavo MinMax" limits.
void ExpectKind(int type, ExpectedPar& p, std::string& tip) {
  auto set = [&](float min, float max, const char* kindTip) {
    p.min = min;
    p.max = max;
    if (tip.empty()) tip = kindTip;
  };
  if (p.flags & 0xF) {
    set(-500000, 500000, "Chemical shift (Hz) of nucleus");
  } else if (p.flags & 0x400) {
    set(type == 0 ? 0 : -800000, 800000,
        "Offset (Hz) of the right edge of displayed spectrum from right edge of full spectrum");
  } else if (p.flags & 0x200) {
    set(5, 1000000, "Width (Hz) of the displayed spectrum");
  } else if (p.flags & 0x100) {
    p.value = 0.5f;
    set(0.1f, 60000, "Width at half-height (Hz) of the signal (width in the absence of exchange)");
  } else if (p.flags & 0x800) {
    set(-10000, 10000, "Coupling constant (Hz) between indicated nuclei");
  } else if (p.flags & 0x80) {
    std::string upper = p.name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    set(-600000, 600000, upper.find("VAB") != std::string::npos
                             ? "Chemical shift (Hz) between A and B"
                             : "Center of the AB system (halfway between vA and vB)");
  }
}

class CatalogueTest : public EngineTest {};

TEST_F(CatalogueTest, EveryTypeMatchesTheCatalogue) {
  gVertScale = 2;
  for (const ExpectedType& e : kExpectedTypes) {
    SCOPED_TRACE("type " + std::to_string(e.type));
    SimTypeRec rec;
    rec.Par[75].Name = "stale";
    SimTypeSetup(rec, static_cast<int16_t>(e.type));

    EXPECT_EQ(rec.Caption, e.caption);
    EXPECT_EQ(rec.Mode, e.mode);
    EXPECT_EQ(rec.LastPar, e.last);
    EXPECT_FLOAT_EQ(rec.VertMult, 2 * e.factor);
    std::string order = e.order;
    if (order.empty()) {
      for (int i = 0; i <= e.last; ++i) order.push_back(static_cast<char>('0' + i));
    }
    EXPECT_EQ(rec.Order, order);
    EXPECT_EQ(rec.PrintPars, order);
    EXPECT_EQ(rec.SpecID, "");
    EXPECT_EQ(rec.Spins[0].ParIndex, e.centre);

    const std::vector<ExpectedPar> rows = ParseRows(e.params);
    ASSERT_EQ(static_cast<int>(rows.size()), e.last + 1);
    const auto tips = ParseTips(e.tips);
    std::vector<int32_t> flags(76, 0);
    for (ExpectedPar p : rows) {
      SCOPED_TRACE("parameter " + std::to_string(p.index) + " \"" + p.name + "\"");
      std::string tip = tips.count(p.name) ? tips.at(p.name) : "";
      ExpectKind(e.type, p, tip);
      const SimParRec& got = rec.Par[static_cast<size_t>(p.index)];
      EXPECT_EQ(got.Name, Padded(p.name));
      EXPECT_FLOAT_EQ(got.Value, p.value);
      EXPECT_FLOAT_EQ(got.Min, p.min);
      EXPECT_FLOAT_EQ(got.Max, p.max);
      EXPECT_EQ(got.Flags & ~0x20, p.flags);
      EXPECT_EQ(got.Incr, "1");
      EXPECT_EQ(got.Tip, tip);
      flags[static_cast<size_t>(p.index)] = p.flags;
    }
    // Parameters beyond the last are empty.
    for (int i = e.last + 1; i < 76; ++i) {
      const SimParRec& got = rec.Par[static_cast<size_t>(i)];
      EXPECT_EQ(got.Name, std::string(12, ' '));
      EXPECT_EQ(got.Flags, 0);
      EXPECT_EQ(got.Incr, "");
    }
    // With 14 panel rows: the first 14 parameters in panel order that are not hidden.
    int shown = 0;
    for (char c : order) {
      const int k = c - '0';
      const bool row = (flags[static_cast<size_t>(k)] & 0x40) == 0 && shown <= 13;
      if (row) ++shown;
      EXPECT_EQ((rec.Par[static_cast<size_t>(k)].Flags & 0x20) != 0, row) << "row bit of " << k;
    }

    // Spins: label=parameter index, in order; shift = that parameter's value.
    std::vector<std::pair<uint8_t, int>> spins;
    std::istringstream in(e.spins);
    std::string item;
    while (std::getline(in, item, ',')) {
      if (item[0] == ' ') item.erase(0, 1);
      spins.emplace_back(static_cast<uint8_t>(item[0]), std::stoi(item.substr(2)));
    }
    ASSERT_EQ(rec.SpinCount, static_cast<int>(spins.size()));
    for (size_t i = 0; i < spins.size(); ++i) {
      const SpinRec& s = rec.Spins[i + 1];
      EXPECT_EQ(s.Label, spins[i].first);
      EXPECT_EQ(s.ParIndex, spins[i].second);
      EXPECT_FLOAT_EQ(s.Shift, rec.Par[static_cast<size_t>(spins[i].second)].Value);
    }
    for (size_t i = 1; i <= 4; ++i) EXPECT_EQ(rec.Spins[i].Color, gTraceColors[i - 1]);
  }
}

TEST_F(CatalogueTest, AbRowsAndTooltips) {
  SimTypeRec rec;
  SimTypeSetup(rec, 2);
  std::vector<std::string> rows;
  for (char c : rec.Order) {
    const SimParRec& p = rec.Par[static_cast<size_t>(c - '0')];
    if (p.Flags & kParShown) rows.push_back(p.Name);
  }
  EXPECT_THAT(rows, ::testing::ElementsAre("  Jab       ", "  Vab       ", "Vcentr      ",
                                           "  Wa        ", "Right-Hz    ", "WdthHz      "));
  EXPECT_EQ(rec.Par[1].Tip, "Chemical shift (Hz) between A and B");
  EXPECT_EQ(rec.Par[6].Tip, "Center of the AB system (halfway between vA and vB)");
}

TEST_F(CatalogueTest, ShortPanelKeepsFirstRowsInPanelOrder) {
  window.parScrnMax = 3;
  SimTypeRec rec;
  SimTypeSetup(rec, 4);
  for (int i = 0; i <= 12; ++i) {
    EXPECT_EQ((rec.Par[static_cast<size_t>(i)].Flags & kParShown) != 0, i < 4) << i;
  }
}

TEST_F(CatalogueTest, LineWidthsStartAtHalfHertz) {
  SimTypeRec rec;
  SimTypeSetup(rec, 15);  // "  Wa" and "  Wb" sit where the presets 8 and 2 were
  EXPECT_FLOAT_EQ(rec.Par[2].Value, 0.5f);
  EXPECT_FLOAT_EQ(rec.Par[3].Value, 0.5f);
}

TEST_F(CatalogueTest, PeakListWidthIsALineWidth) {
  SimTypeRec rec;
  SimTypeSetup(rec, 44);
  EXPECT_EQ(rec.LastPar, 0);
  EXPECT_EQ(rec.Par[0].Flags & kParWidth, kParWidth);
  EXPECT_FLOAT_EQ(rec.Par[0].Value, 0.5f);
  EXPECT_FLOAT_EQ(rec.Par[0].Min, 0.1f);
}

TEST_F(CatalogueTest, TypeZeroSetsGridWidthOnlyWhenCurrent) {
  gSimType = 3;
  gSpectHz = 300;
  SimTypeRec rec;
  SimTypeSetup(rec, 0);
  EXPECT_FLOAT_EQ(gSpectHz, 300);
  gSimType = 0;
  SimTypeSetup(rec, 0);
  EXPECT_FLOAT_EQ(gSpectHz, 4000);
}

TEST_F(CatalogueTest, TypeOutsideCatalogueLeavesEmptyRecord) {
  SimTypeRec rec;
  SimTypeSetup(rec, 45);
  EXPECT_EQ(rec.LastPar, 0);
  SimTypeSetup(rec, -1);
  EXPECT_EQ(rec.LastPar, 0);
}

TEST_F(CatalogueTest, LimitsComeFromSettingsOncePerProcess) {
  WriteSettings(
      "[Kavo MinMax]\r\nLineWidthMin=abc\r\nJCouplingMax=250,5\r\nChemicalShiftMax= 1e3\r\n");
  SimTypeRec rec;
  SimTypeSetup(rec, 3);
  EXPECT_FLOAT_EQ(SimParLimits.LineWidthMin, 0);
  EXPECT_FLOAT_EQ(SimParLimits.JCouplingMax, 250);
  EXPECT_FLOAT_EQ(SimParLimits.ChemicalShiftMax, 1000);
  EXPECT_FLOAT_EQ(SimParLimits.SpectrumWidthMin, 5);  // missing key: built-in default
  EXPECT_FLOAT_EQ(rec.Par[3].Max, 250);
  EXPECT_FLOAT_EQ(rec.Par[8].Min, 0);
  // Later edits of the file take effect only at the next start.
  std::ofstream(iniPath, std::ios::binary) << "[Kavo MinMax]\r\nJCouplingMax=7\r\n";
  SimTypeSetup(rec, 3);
  EXPECT_FLOAT_EQ(rec.Par[3].Max, 250);
}

TEST_F(CatalogueTest, ClampRoundsHalvesToEvenThenMaximumThenMinimum) {
  SelectType(1);  // "  #A" (index 1): integer-valued, limits 0..8
  struct Case {
    float in;
    float out;
  };
  for (const Case& c : {Case{8.6f, 8}, Case{2.5f, 2}, Case{3.5f, 4}, Case{-3, 0}, Case{8, 8},
                        Case{0, 0}, Case{-0.5f, 0}, Case{1e9f, 8}, Case{-1e9f, 0}}) {
    float v = c.in;
    SimParClamp(v, 1);
    EXPECT_FLOAT_EQ(v, c.out) << c.in;
    EXPECT_FLOAT_EQ(gSimPar[1].Value, c.out) << c.in;
  }
  // A non-integer parameter keeps its fraction; crossed limits leave the minimum.
  float v = 12.25f;
  SimParClamp(v, 0);
  EXPECT_FLOAT_EQ(v, 12.25f);
  gSimPar[0].Max = -5;
  gSimPar[0].Min = 5;
  v = 0;
  SimParClamp(v, 0);
  EXPECT_FLOAT_EQ(v, 5);
}

TEST_F(CatalogueTest, ClampRefusesValuesThatAreNotFinite) {
  SelectType(3);
  gSimPar[0].Value = 115;
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity()}) {
    float v = bad;
    SimParClamp(v, 0);
    EXPECT_FLOAT_EQ(v, 115);
    EXPECT_FLOAT_EQ(gSimPar[0].Value, 115);
  }
}

}  // namespace
