#include "engine/type_tables.h"

#include <cstddef>

#include "engine/engine_globals.h"
#include "engine/sim_catalogue.h"

void LoadSimTypeTables(int16_t type) {
  if (type < 0 || type >= static_cast<int16_t>(gSimTypes.size())) return;
  gSimType = type;
  SimTypeRec& rec = gSimTypes[static_cast<std::size_t>(type)];
  if (rec.LastPar == 0) SimTypeSetup(rec, type);
  gSimPar = rec.Par;
  gSpins = rec.Spins;
  gLastPar = rec.LastPar;
  gSpinCount = rec.SpinCount;
  gTypeMode = rec.Mode;
  gVertMult = rec.VertMult;
  for (int i = 0; i <= gLastPar; ++i) {
    const SimParRec& p = gSimPar[static_cast<std::size_t>(i)];
    if (p.Flags & kParSpecWidth) gSpectHz = p.Value;
    if (p.Flags & kParOffset) gHorOffHz = p.Value;
  }
}
