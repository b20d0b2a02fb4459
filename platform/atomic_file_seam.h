// Test seam of the atomic writer, for tests and fuzz targets only; the programs never use it.
// With syncing skipped, saves are still written through a temporary file and a rename (so they
// stay atomic for every reader), but nothing waits for the disk: a power cut could lose them.
#pragma once

#include <string>

void AtomicWriteSkipSyncForTests(bool skip);
// While `reason` is not empty every save fails with that reason before anything is written
// (a full disk or a lost folder, for tests of the callers' failure roads); "" ends it.
void AtomicWriteFailForTests(const std::string& reason);
// While `err` is not 0, setting the temporary file's permissions fails with that error number
// (as on a file system that refuses it); 0 ends it.
void AtomicWriteChmodErrorForTests(int err);
