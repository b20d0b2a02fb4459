// The PostScript width tables of the built data file against the numbers of the URW metrics.
#include <gtest/gtest.h>

#include "tests/documents/built_data_file.h"

namespace {

using WidthTables = BuiltDataFile;

TEST_F(WidthTables, WidthsInHundredFiftiethsOfTheDigit) {
  struct Case {
    int entry, index, width;
  };
  // Helvetica: "zero" 556; Times: "zero" 500. Widths x 150 / zero, rounded.
  const Case cases[] = {
      {371, 31, 556},  {371, '0', 150}, {371, ' ', 75},  {371, 'A', 180}, {371, 'a', 150},
      {371, 'm', 225}, {371, 'i', 60},  {371, 'W', 255},
      {371, 176, 108},  // left empty by the standard encoding: the symbol font's degree, 400
      {372, 31, 500},  {372, '0', 150}, {372, 'A', 217}, {372, 'a', 133}, {372, 'm', 233},
      {372, 'W', 283}, {372, 176, 120},
      // Outside the encoded positions.
      {371, 0, 0},     {371, 30, 0},    {371, 127, 0},   {371, 256, 0},   {372, 360, 0},
  };
  for (int entry : {371, 372}) EXPECT_EQ(Entry(entry).size(), 722u) << entry;
  for (const Case& c : cases) EXPECT_EQ(Int16At(Entry(c.entry), 2 * c.index), c.width) << c.entry << " " << c.index;
}

}  // namespace
