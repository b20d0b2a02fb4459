// First-order multiplets: one line split into the binomial pattern of 0 to 8 equivalent nuclei,
// a 1:1:1 triplet (code 9) or a 1:1:1:1 quartet (code 10).
#pragma once

#include <cstdint>
#include <vector>

// Appends the multiplet of a line (centre in Hz, total intensity) at indexes count, count+1, ...
// and leaves count one past the last written index. A code outside 0..10 appends nothing. The
// arrays are never resized: when they cannot hold the whole multiplet nothing is written and
// false is returned.
bool FirstOrderMultiplet(float centre, float intensity, std::vector<float>& freqs,
                         std::vector<float>& ints, int16_t& count, float J, int16_t code);

// Replaces lines 1..count of the line list by their multiplets for coupling J and multiplicity
// code, colours every line with trace colour 0 and returns the new count. More than 5000
// resulting lines are refused with the "Too many lines" message and leave the list unchanged.
void FirstOrderSplit(float J, int16_t& count, int16_t code);

// Most lines a split may produce.
constexpr int kMaxFirstOrderLines = 5000;
