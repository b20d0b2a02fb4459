// Random-partner exchange (types 23, 24, 37, 43): a nucleus coupled to a set of partners that
// exchange at random, modelled as fixed sites with fixed populations and rate multiples.
#include <array>
#include <vector>

#include "engine/dynamic_driver.h"
#include "engine/engine_globals.h"

namespace dynamic {

namespace {

struct RandomModel {
  int sites;
  std::vector<float> pops;               // site 1..n
  std::vector<int> multiples;            // frequency of site i: Va + multiples[i] * J
  std::vector<std::vector<float>> rows;  // rate / k; the diagonal entry is ignored
};

// The decimal constants are those of the model (0.333333, not 1/3).
const RandomModel& ModelOf(int type) {
  static const RandomModel k43{
      3, {0.25f, 0.5f, 0.25f}, {1, 0, -1}, {{0, 0.5f, 0}, {0.25f, 0, 0.25f}, {0, 0.5f, 0}}};
  static const RandomModel k23{5,
                               {0.1111f, 0.2222f, 0.3333f, 0.2222f, 0.1111f},
                               {2, 1, 0, -1, -2},
                               {{0, 0.333333f, 0.333333f, 0, 0},
                                {0.166667f, 0, 0.333333f, 0.166667f, 0},
                                {0.111111f, 0.222222f, 0, 0.222222f, 0.111111f},
                                {0, 0.166667f, 0.333333f, 0, 0.166667f},
                                {0, 0, 0.333333f, 0.333333f, 0}}};
  static const RandomModel k24{6,
                               {0.1111f, 0.2222f, 0.1111f, 0.2222f, 0.2222f, 0.1111f},
                               {2, 1, 0, 0, -1, -2},
                               {{0, 0.333333f, 0, 0.333333f, 0, 0},
                                {0.166667f, 0, 0.166667f, 0.166667f, 0.166667f, 0},
                                {0, 0.333333f, 0, 0, 0.333333f, 0},
                                {0.166667f, 0.166667f, 0, 0, 0.166667f, 0.166667f},
                                {0, 0.166667f, 0.166667f, 0.166667f, 0, 0.166667f},
                                {0, 0, 0, 0.333333f, 0.333333f, 0}}};
  static const RandomModel k37{7,
                               {0.0625f, 0.125f, 0.1875f, 0.25f, 0.1875f, 0.125f, 0.0625f},
                               {3, 2, 1, 0, -1, -2, -3},
                               {{0, 0.25f, 0.25f, 0.25f, 0, 0, 0},
                                {0.125f, 0, 0.25f, 0.25f, 0.125f, 0, 0},
                                {0.083333f, 0.166667f, 0, 0.25f, 0.1666667f, 0.083333f, 0},
                                {0.0625f, 0.125f, 0.1875f, 0, 0.1875f, 0.125f, 0.0625f},
                                {0, 0.083333f, 0.166667f, 0.25f, 0, 0.166667f, 0.083333f},
                                {0, 0, 0.125f, 0.25f, 0.25f, 0, 0.125f},
                                {0, 0, 0, 0.25f, 0.25f, 0.25f, 0}}};
  switch (type) {
    case 23: return k23;
    case 24: return k24;
    case 37: return k37;
    default: return k43;
  }
}

}  // namespace

void RandomPartnerTypes(int type) {
  if (type != 43) ShowCalculating();
  const RandomModel& model = ModelOf(type);
  const float va = Par(0), J = Par(1), k = Par(2), rate = Rate(Par(3));
  for (int i = 0; i < model.sites; ++i) {
    SetSite(i + 1, model.pops[static_cast<size_t>(i)], rate,
            va + static_cast<float>(model.multiples[static_cast<size_t>(i)]) * J);
  }
  ClearRates(model.sites);
  for (int i = 0; i < model.sites; ++i) {
    for (int j = 0; j < model.sites; ++j) {
      if (i != j)
        SetRate(i + 1, j + 1, model.rows[static_cast<size_t>(i)][static_cast<size_t>(j)] * k);
    }
  }
  FillDiagonal(model.sites);
  Exch(model.sites);
}

}  // namespace dynamic
