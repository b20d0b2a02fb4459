#include "drawlib/util/numeric_key.h"

#include <gtest/gtest.h>

TEST(NumericKeyFilter, DecidesEveryKindOfKey) {
  struct Case {
    int key;
    const char* text;
    int keyAfter;
    const char* textAfter;
    bool moveFocus;
  };
  for (const Case& c : {
           Case{13, "12", 0, "12", true},      // Enter moves on
           Case{'a', "12", 0, "12", false},    // letters swallowed
           Case{' ', "12", 0, "12", false},
           Case{'7', "12", '7', "12", false},  // digits and Backspace pass
           Case{8, "12", 8, "12", false},
           Case{'-', "12", 0, "-12", false},   // minus negates the whole value
           Case{'-', "-12", 0, "-12", false},  // only once
           Case{'+', "-12", 0, " 12", false},  // plus makes it positive
           Case{'+', "0", 0, " 0", false},
           Case{'-', "0", 0, " 0", false},     // never "-0"
           Case{'.', "1.5", 0, "1.5", false},  // a second point is refused
           Case{'.', "15", '.', "15", false},
           Case{',', "25", ',', "25", false},   // a comma is the decimal separator too
           Case{',', "", ',', "", false},
           Case{',', "2,5", 0, "2,5", false},   // one separator per number, either kind
           Case{',', "2.5", 0, "2.5", false},
           Case{'.', "2,5", 0, "2,5", false},
           Case{'-', "2,5", 0, "-2.5", false},  // a sign reads the comma as a point
           Case{'+', "-2,5", 0, " 2.5", false},
           Case{'-', "", '-', "", false},      // in an empty box all three are typed
           Case{'.', "", '.', "", false},
       }) {
    int16_t key = int16_t(c.key);
    std::string text = c.text;
    bool moveFocus = !c.moveFocus;
    std::string result = NumericKeyFilter(key, text, &moveFocus);
    EXPECT_EQ(key, c.keyAfter) << c.key << " on " << c.text;
    EXPECT_EQ(result, c.textAfter) << c.key << " on " << c.text;
    EXPECT_EQ(text, c.textAfter);
    EXPECT_EQ(moveFocus, c.moveFocus) << c.key << " on " << c.text;
  }
}
