// The program data file KAVO71.dat: a read-only store of numbered entries, read once and then
// served from memory.
#pragma once

#include <cstdint>
#include <string>

// The bytes of entry n (from 1) of the data file named by FileLocation slot 7, one character per
// byte; "" for n = 0, an absent entry, or (after a report) an entry that cannot be read.
std::string FileDataRetrieve(int16_t n);

// Reads the data file at `path` into memory, replacing what was held; false when it cannot be
// read (nothing is held then and the next retrieval tries again).
bool DataFileLoad(const std::string& path);
// Holds `bytes` as the data file's contents, as if read from it (tests and fuzzing).
void DataFileSetBytes(std::string bytes);
// Forgets the held copy (tests).
void DataFileReset();
