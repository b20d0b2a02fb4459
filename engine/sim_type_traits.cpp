#include "engine/sim_type_traits.h"

#include "engine/engine_globals.h"
#include "engine/sim_catalogue_data.h"

namespace {

bool Has(int16_t type, uint8_t trait) {
  if (type < 0 || type >= kSimTypeCount) return false;
  return (kCatalogue[static_cast<size_t>(type)].traits & trait) != 0;
}

}  // namespace

bool ShowsSpectrumType(int16_t type) { return Has(type, kTypeShowsSpectrum); }
bool HasOwnLineWidths(int16_t type) { return Has(type, kTypeOwnWidths); }
bool HasExchangeMatrix(int16_t type) {
  return type >= 0 && type < kSimTypeCount && !Has(type, kTypeNoExchangeMatrix);
}
bool HasCouplingTree(int16_t type) { return Has(type, kTypeCouplingTree); }

bool ShowsLoadedSpectrum() { return gLineFit != 0 || ShowsSpectrumType(gSimType); }
