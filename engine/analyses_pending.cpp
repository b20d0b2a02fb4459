// Stand-ins for the static analyses until they are built: they produce no lines, so the spectrum
// of these types stays empty. Remove this file when the analyses land.
#include "engine/analyses.h"
#include "engine/engine_globals.h"

void CalcABQuartet(float, float, float, float& f1, float& f2, float& f3, float& f4, float& i1,
                   float& i2, float& i3, float& i4) {
  f1 = f2 = f3 = f4 = 0;
  i1 = i2 = i3 = i4 = 0;
}
void CalcAB2(float&, float&, float&) { gNumLines = 0; }
void CalcABX(float, float, float, float, float, float, uint8_t) { gNumLines = 0; }
void CalcABX3(float&, float&, float&, float&, float&) { gNumLines = 0; }
void CalcAAXX(float, float, float, float, float) { gNumLines = 0; }
void CalcNSpin(int16_t& count, int16_t, float, float, float, int16_t&) { count = 0; }
