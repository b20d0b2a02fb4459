// Point-by-point reference versions of LorentzSum and LineBroadenFast (same arguments, same
// globals): every point's sum built line by line, each Lorentzian value divided out afresh.
#pragma once

#include <cstdint>
#include <vector>

void ReferenceLorentzSum(std::vector<float>& spectrum, int16_t lines, float width, float offset,
                         float vm);
void ReferenceLineBroadenFast(std::vector<float>& spectrum, int16_t lines, float width,
                              float offset, float vm);
