// The export entry: an export text becomes flags and a region, and the renderer draws it.
#pragma once

#include <string>

void ExportBySpec(const std::string& spec);
