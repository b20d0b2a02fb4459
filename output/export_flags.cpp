#include "output/export_flags.h"

namespace {

bool Has(const std::string& spec, const char* word) {
  return spec.find(word) != std::string::npos;
}

}  // namespace

uint16_t ExportFlagsFromSpec(const std::string& spec) {
  const std::string format = spec.substr(0, 3);
  const bool screen = Has(spec, "-S");
  const bool disk = Has(spec, "Disk");
  uint16_t flags = 0;
  if (format == "WMF") {
    flags = screen ? 0x0242 : 0x0042;
    if (disk) flags |= kExportDisk;
  } else if (format == "EMF") {
    flags = screen ? 0x0642 : 0x0442;
    if (disk) flags |= kExportDisk;
    if (Has(spec, "InclZEF")) flags |= kExportInclZef;
  } else if (format == "BMP") {
    flags = disk ? 0x0270 : 0x0250;
    if (Has(spec, "LnSmooth")) flags |= kExportSmooth;
  } else if (format == "EPS") {
    flags = 0x0120;
  } else if (format == "GIF") {
    flags = screen ? 0x0268 : 0x0068;
    if (Has(spec, "Opaque")) flags |= kExportOpaque;
    if (Has(spec, "LnSmooth")) flags |= kExportSmooth;
  } else if (format == "JPG") {
    flags = screen ? 0x4260 : 0x4060;
  } else if (format == "PRN") {
    flags = 0x0044;
  }
  return flags;
}
