// Dynamic types computed with the n-site exchange matrix: the generic n-site types (18-21, 25,
// 29, 31, 41), the symmetric and mirrored site models (22, 26), the dimer-monomer triplets (30)
// and the CH2 rotation (36).
#include <string>
#include <vector>

#include "engine/analyses.h"
#include "engine/custom_population.h"
#include "engine/dynamic_driver.h"
#include "engine/engine_globals.h"
#include "engine/group_services.h"
#include "platform/runtime_numbers.h"

namespace dynamic {

namespace {

// Sites 1..n with populations P(pop)... x 0.01, rates pi P(rate)..., frequencies P(freq)...
void SitesFromParameters(int n, int pop, int rate, int freq) {
  for (int i = 0; i < n; ++i) {
    SetSite(i + 1, Par(pop + i) * 0.01f, Rate(Par(rate + i)), Par(freq + i));
  }
}

// The generic n-site type: normalise, notice, sites, generic matrix, exchange spectrum.
void GenericNSite(int n, int kPar, int firstRatio, int pop, int rate, bool hundredFirst = false) {
  std::vector<int> pars;
  for (int i = 0; i < n; ++i) pars.push_back(pop + i);
  NormalisePopulations(pars, hundredFirst);
  ShowCalculating();
  SitesFromParameters(n, pop, rate, 0);
  BuildGenericRates(n, Par(kPar), firstRatio);
  Exch(n);
}

void Type20() {
  std::string tempK;
  float T = Groups().CurrentTempK(tempK) ? static_cast<float>(Val(tempK)) : 0.0f;
  CustomPopulation(gSimPar[16].Value, gSimPar[17].Value, gSimPar[18].Value, gSimPar[19].Value, T);
  GenericNSite(5, 5, 6, 16, 21);
}

void Type22() {
  NormalisePopulations({8, 9, 10}, false, {2.0f, 1.0f, 1.0f});
  ShowCalculating();
  SetSite(1, Par(8) * 0.01f, Rate(Par(11)), Par(0));
  SetSite(2, Par(8) * 0.01f, Rate(Par(11)), Par(1));
  SetSite(3, Par(9) * 0.01f, Rate(Par(12)), Par(2));
  SetSite(4, Par(10) * 0.01f, Rate(Par(13)), Par(3));
  const float k = Par(4);
  ClearRates(4);
  SetPairRates(1, 2, k * Par(16));
  SetPairRates(1, 3, k * Par(5));
  SetPairRates(2, 3, k * Par(5));
  SetPairRates(1, 4, k * Par(6));
  SetPairRates(2, 4, k * Par(6));
  SetPairRates(3, 4, k * Par(7));
  FillDiagonal(4);
  Exch(4);
}

void Type26() {
  SetPar(18, Par(16));
  SetPar(19, Par(17));
  NormalisePopulations({16, 17, 18, 19, 20});
  ShowCalculating();
  SitesFromParameters(5, 16, 21, 0);
  // The mirrored pairs follow their partners (the rows whose names begin with "-").
  SetPar(13, Par(6));
  SetPar(14, Par(9));
  SetPar(11, Par(7));
  SetPar(15, Par(12));
  const float k = Par(5);
  ClearRates(5);
  SetPairRates(1, 2, k * Par(6));
  SetPairRates(1, 3, k * Par(7));
  SetPairRates(1, 5, k * Par(9));
  SetPairRates(2, 4, k * Par(11));
  SetPairRates(2, 5, k * Par(12));
  SetPairRates(3, 4, k * Par(13));
  SetPairRates(3, 5, k * Par(14));
  SetPairRates(4, 5, k * Par(15));
  FillDiagonal(5);
  Exch(5);
}

void Type30() {
  NormalisePopulations({8, 9});
  ShowCalculating();
  const float d = Par(8) * 0.01f / 8.0f;
  const float rd = Rate(Par(10)), rm = Rate(Par(11));
  SetSite(1, d, rd, Par(0) + Par(6));
  SetSite(2, 2.0f * d, rd, Par(0));
  SetSite(3, d, rd, Par(0) - Par(6));
  SetSite(4, d, rm, Par(1) + Par(7));
  SetSite(5, 2.0f * d, rm, Par(1));
  SetSite(6, d, rm, Par(1) - Par(7));
  SetSite(7, Par(9) * 0.01f, Rate(Par(12)), Par(2));
  const float k = Par(3), kx = k * Par(4), km = k * Par(5);
  ClearRates(7);
  for (int i = 1; i <= 3; ++i) SetPairRates(i, i + 3, kx);
  for (int i = 1; i <= 6; ++i) SetPairRates(i, 7, km);
  FillDiagonal(7);
  Exch(7);
}

void Type31() {
  NormalisePopulations({16, 17, 18, 19});
  ShowCalculating();
  const float pops[5] = {Par(16) * 0.667f, Par(16) * 0.333f, Par(17), Par(18), Par(19)};
  for (int i = 0; i < 5; ++i) SetSite(i + 1, pops[i] * 0.01f, Rate(Par(20 + i)), Par(i));
  BuildGenericRates(5, Par(5), 6);
  Exch(5);
}

void Type36() {
  float f[4], in[4];
  CalcABQuartet(Par(0), Par(1), Par(3), f[0], f[1], f[2], f[3], in[0], in[1], in[2], in[3]);
  const float I1 = in[0], I2 = in[1];
  const float share = Par(10) * 0.01f;
  const float rates[4] = {Rate(Par(7)), Rate(Par(7)), Rate(Par(8)), Rate(Par(8))};
  for (int i = 0; i < 4; ++i) SetSite(i + 1, share * in[i] * 0.25f, rates[i], f[i]);
  SetSite(5, 1.0f - share, Rate(Par(9)), Par(2));
  ShowCalculating();
  const float kc = Par(4) * Par(5), kb = Par(4) * Par(6);
  ClearRates(5);
  SetPairRates(1, 3, I2 * kb);
  SetPairRates(2, 4, I1 * kb);
  for (int i = 1; i <= 4; ++i) SetPairRates(i, 5, kc);
  FillDiagonal(5);
  Exch(5);
}

void Type41() {
  GenericNSite(3, 3, 4, 7, 10, true);
  CopySpectrumTo2();
  for (int i = 1; i <= 3; ++i) {
    gShiftHz[static_cast<size_t>(i)] = Par(15 + i);
    gSiteR2[static_cast<size_t>(i)] = Rate(Par(12 + i));
  }
  Exch(3);
  Combine(gSpectrum, 1.0f, gSpectrum2, gSpectrum);
}

}  // namespace

void NSiteTypes(int type) {
  switch (type) {
    case 18: GenericNSite(3, 3, 4, 7, 10, true); break;
    case 19: GenericNSite(4, 4, 5, 11, 15); break;
    case 20: Type20(); break;
    case 21: GenericNSite(6, 6, 7, 22, 28); break;
    case 22: Type22(); break;
    case 25:
      SetPar(12, Par(11) * 0.5f);
      GenericNSite(4, 4, 5, 11, 15);
      break;
    case 26: Type26(); break;
    case 29: GenericNSite(7, 7, 8, 29, 36); break;
    case 30: Type30(); break;
    case 31: Type31(); break;
    case 36: Type36(); break;
    case 41: Type41(); break;
    default: break;
  }
}

}  // namespace dynamic
