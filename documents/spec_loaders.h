// The loaders of experimental NMR spectrum files: each reads one format into a spectrum record
// and the raw value array (index 0..points, resized to exactly that on every load).
// Loaders return -1 on success and 0 on failure, after their own message box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "documents/spec_record.h"

int16_t LoadSpectrumLybrics(const std::string& fileName, SpecRec& rec, std::vector<float>& raw);
int16_t LoadSpectrumNuts(const std::string& fileName, SpecRec& rec, std::vector<float>& raw);
int16_t LoadSpectrumNUTST3(const std::string& fileName, SpecRec& rec, std::vector<float>& raw);
int16_t LoadSpectrumTECMAG(const std::string& fileName, SpecRec& rec, std::vector<float>& raw);

// Detects the file's type and runs its loader; on a failed load the record and raw array are
// restored. Nonzero on success.
int16_t LoadSpectrumFile(const std::string& fileName, SpecRec& rec, std::vector<float>& raw);

// The lowest raw index that the last loader filled from its file. The values fill the array
// from the top index down; a file with fewer values than points + 1 leaves the indices below
// this one empty (they hold 0, no loaded value).
int32_t SpecLowestLoaded();

// Clears the items and strings of a record before a load.
void SpecReset(SpecRec& rec);
