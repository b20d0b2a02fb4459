// Display formats of the calculator's boxes.
#pragma once

#include <string>

// A rate constant or a half-life: "0.000" from 0.01 to 999 (both inclusive), else "0.00E+#".
std::string FormatRate(float x);
// A reaction time: "0.000" from 0.01 to 99, "0.0" above 99 up to 9999, else "0.00E+#".
std::string FormatTime(float x);
// A percentage of reaction strictly between 0 and 100: "0.00", with more decimals (up to six,
// then "0.00E+#") where "0.00" would read 0 or 100, so that the text read back stays inside.
std::string FormatPercent(float x);
