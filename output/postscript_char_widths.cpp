#include "output/postscript_char_widths.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "documents/data_file.h"
#include "drawlib/util/error_location.h"
#include "output/postscript_char_strings.h"
#include "platform/runtime_numbers.h"

namespace {

enum RuleKind { kOwn, kFirst, kScaled, kSum, kConst };

struct WidthRule {
  int code;
  RuleKind kind;
  int a, b = 0, c = 0;  // kOwn, kFirst, kScaled: a code; kSum: three codes; kConst: the width
};

// Codes 128 to 356: the glyph whose width a code takes.
constexpr WidthRule kRules[] = {
    {128, kOwn, 32},
    {129, kOwn, 32},
    {130, kOwn, 203},
    {131, kFirst, 166},
    {132, kOwn, 185},
    {133, kOwn, 188},
    {134, kOwn, 178},
    {135, kOwn, 179},
    {136, kOwn, 195},
    {137, kOwn, 189},
    {138, kOwn, 83},
    {139, kOwn, 172},
    {140, kOwn, 234},
    {141, kOwn, 32},
    {142, kOwn, 32},
    {143, kOwn, 32},
    {144, kOwn, 32},
    {145, kOwn, 96},
    {146, kOwn, 169},
    {147, kOwn, 170},
    {148, kOwn, 186},
    {149, kOwn, 183},
    {150, kOwn, 177},
    {151, kOwn, 208},
    {152, kOwn, 196},
    {153, kFirst, 228},
    {154, kOwn, 115},
    {155, kOwn, 173},
    {156, kOwn, 250},
    {157, kOwn, 32},
    {158, kOwn, 32},
    {159, kOwn, 89},
    {160, kOwn, 32},
    {161, kOwn, 161},
    {162, kOwn, 162},
    {163, kOwn, 163},
    {164, kOwn, 168},
    {165, kOwn, 165},
    {166, kOwn, 124},
    {167, kOwn, 167},
    {168, kOwn, 200},
    {169, kFirst, 227},
    {170, kOwn, 227},
    {171, kOwn, 171},
    {172, kFirst, 216},
    {173, kOwn, 45},
    {174, kFirst, 226},
    {175, kOwn, 197},
    {176, kFirst, 176},
    {177, kFirst, 177},
    {178, kScaled, 50},
    {179, kScaled, 51},
    {180, kOwn, 194},
    {181, kFirst, 125},
    {182, kOwn, 182},
    {183, kOwn, 180},
    {184, kOwn, 203},
    {185, kScaled, 49},
    {186, kOwn, 202},
    {187, kOwn, 187},
    {188, kSum, 49, 47, 52},
    {189, kSum, 49, 47, 50},
    {190, kSum, 51, 47, 52},
    {191, kOwn, 65},
    {192, kOwn, 65},
    {193, kOwn, 65},
    {194, kOwn, 65},
    {195, kOwn, 65},
    {196, kOwn, 65},
    {197, kOwn, 65},
    {198, kOwn, 225},
    {199, kOwn, 67},
    {200, kOwn, 69},
    {201, kOwn, 69},
    {202, kOwn, 69},
    {203, kOwn, 69},
    {204, kOwn, 73},
    {205, kOwn, 73},
    {206, kOwn, 73},
    {207, kOwn, 73},
    {208, kOwn, 68},
    {209, kOwn, 78},
    {210, kOwn, 79},
    {211, kOwn, 79},
    {212, kOwn, 79},
    {213, kOwn, 79},
    {214, kOwn, 79},
    {215, kFirst, 180},
    {216, kOwn, 233},
    {217, kOwn, 85},
    {218, kOwn, 85},
    {219, kOwn, 85},
    {220, kOwn, 85},
    {221, kOwn, 89},
    {222, kOwn, 32},
    {223, kOwn, 251},
    {224, kOwn, 97},
    {225, kOwn, 97},
    {226, kOwn, 97},
    {227, kOwn, 97},
    {228, kOwn, 97},
    {229, kOwn, 97},
    {230, kOwn, 241},
    {231, kOwn, 99},
    {232, kOwn, 101},
    {233, kOwn, 101},
    {234, kOwn, 101},
    {235, kOwn, 101},
    {236, kOwn, 245},
    {237, kOwn, 245},
    {238, kOwn, 245},
    {239, kOwn, 245},
    {240, kFirst, 182},
    {241, kOwn, 110},
    {242, kOwn, 111},
    {243, kOwn, 111},
    {244, kOwn, 111},
    {245, kOwn, 111},
    {246, kOwn, 111},
    {247, kFirst, 184},
    {248, kOwn, 249},
    {249, kOwn, 117},
    {250, kOwn, 117},
    {251, kOwn, 117},
    {252, kOwn, 117},
    {253, kOwn, 121},
    {254, kOwn, 32},
    {255, kOwn, 121},
    {262, kOwn, 32},
    {263, kOwn, 32},
    {264, kOwn, 32},
    {265, kConst, 150},
    {266, kOwn, 32},
    {267, kOwn, 32},
    {268, kConst, 134},
    {269, kConst, 70},
    {270, kOwn, 32},
    {271, kOwn, 32},
    {272, kConst, 109},
    {273, kOwn, 32},
    {274, kConst, 225},
    {275, kOwn, 32},
    {276, kConst, 125},
    {277, kConst, 134},
    {278, kConst, -150},
    {279, kConst, -15},
    {280, kConst, -30},
    {281, kConst, -45},
    {282, kConst, -60},
    {283, kConst, -75},
    {284, kConst, -90},
    {285, kConst, -105},
    {286, kConst, -120},
    {287, kConst, -135},
    {288, kConst, 0},
    {289, kConst, 0},
    {290, kOwn, 32},
    {291, kConst, 150},
    {292, kOwn, 32},
    {293, kOwn, 32},
    {294, kOwn, 32},
    {295, kConst, 265},
    {296, kConst, 152},
    {297, kConst, 300},
    {298, kConst, 167},
    {299, kOwn, 32},
    {300, kConst, 208},
    {301, kConst, 164},
    {302, kConst, 0},
    {303, kConst, 0},
    {304, kConst, 0},
    {305, kConst, 0},
    {306, kConst, 188},
    {307, kConst, 150},
    {308, kConst, 0},
    {309, kConst, 210},
    {310, kConst, 194},
    {311, kConst, 0},
    {312, kConst, 408},
    {313, kConst, 162},
    {314, kConst, 201},
    {315, kOwn, 32},
    {316, kConst, 225},
    {317, kConst, 225},
    {318, kConst, 225},
    {319, kConst, 225},
    {320, kConst, 225},
    {321, kConst, 0},
    {322, kConst, 75},
    {323, kConst, 0},
    {324, kConst, 127},
    {325, kConst, 150},
    {326, kConst, 180},
    {327, kConst, 172},
    {328, kConst, 150},
    {329, kConst, 165},
    {330, kConst, 134},
    {331, kConst, 122},
    {332, kConst, 164},
    {333, kConst, 114},
    {334, kConst, 171},
    {335, kConst, 0},
    {336, kConst, 0},
    {337, kConst, 150},
    {338, kConst, 150},
    {339, kConst, 158},
    {340, kConst, 142},
    {341, kConst, 187},
    {342, kConst, 148},
    {343, kConst, 122},
    {344, kConst, 151},
    {345, kConst, 166},
    {346, kConst, 121},
    {347, kConst, 135},
    {348, kConst, 156},
    {349, kOwn, 32},
    {350, kConst, 150},
    {351, kConst, 187},
    {352, kConst, 135},
    {353, kConst, 90},
    {354, kConst, 70},
    {355, kConst, 90},
    {356, kConst, 158},
};

int16_t Clamp16(double v) {
  if (std::isnan(v)) return 0;
  return int16_t(std::clamp(v, -32768.0, 32767.0));
}

int16_t At(const std::vector<int16_t>& v, int code) {
  return code >= 0 && size_t(code) < v.size() ? v[size_t(code)] : 0;
}

int16_t RuleWidth(const WidthRule& r, float f, const std::vector<int16_t>& own,
                  const std::vector<int16_t>& first) {
  switch (r.kind) {
    case kOwn:
      return At(own, r.a);
    case kFirst:
      return At(first, r.a);
    case kScaled:
      return Clamp16(RoundHalfEven(double(float(At(own, r.a)) * f)));
    case kSum:
      return Clamp16(double(At(own, r.a)) + At(own, r.b) + At(own, r.c));
    case kConst:
      return int16_t(r.a);
  }
  return 0;
}

}  // namespace

std::vector<int16_t> PSEntryWidths(int16_t entry) {
  const std::string bytes = FileDataRetrieve(entry);
  std::vector<int16_t> widths(kCharCodes, 0);
  const size_t n = std::min(bytes.size() / 2, widths.size());
  for (size_t i = 0; i < n; ++i) {
    const auto lo = uint8_t(bytes[2 * i]), hi = uint8_t(bytes[2 * i + 1]);
    widths[i] = int16_t(uint16_t(lo | hi << 8));
  }
  return widths;
}

void PSRawWidths(std::vector<int16_t>& target) {
  ErrorLocation = 7005;
  target = PSEntryWidths(kHelveticaWidthsEntry);
  ErrorLocation = 7006;
}

void PSCharWidths(int16_t entry, float f, const std::vector<int16_t>& first,
                  std::vector<int16_t>& target) {
  const bool times = entry == kTimesWidthsEntry;
  ErrorLocation = times ? 7011 : 7007;
  PSWidthRemap(f, PSEntryWidths(entry), first, target);
  ErrorLocation = times ? 7012 : 7008;
}

void PSWidthRemap(float f, const std::vector<int16_t>& own, const std::vector<int16_t>& first,
                  std::vector<int16_t>& target) {
  ErrorLocation = 7009;
  if (target.size() < size_t(kCharCodes)) target.resize(kCharCodes, 0);
  for (int code = 30; code <= 127; ++code) target[size_t(code)] = At(own, code);
  for (const WidthRule& r : kRules) target[size_t(r.code)] = RuleWidth(r, f, own, first);
  ErrorLocation = 7010;
}
