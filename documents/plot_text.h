// Texts of the plot document: a parameter as "name = value", and the table cell writer that
// stops at the end of the step arrays.
#pragma once

#include <cstdint>
#include <string>

// "name = value" ("0.00", point decimal) of parameter k, its name field rewritten left-aligned;
// "" for k outside 0..75.
std::string PlotParamText(int k);

// Appends a label step (type 65535) at (x, y). At the last index of the step arrays the cell
// becomes "L  R =  .7 > ..." and nothing more is written; returns false from then on.
bool PlotAddLabel(float x, float y, const std::string& text);
