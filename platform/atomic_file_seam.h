// Test seam of the atomic writer, for tests and fuzz targets only; the programs never use it.
// With syncing skipped, saves are still written through a temporary file and a rename (so they
// stay atomic for every reader), but nothing waits for the disk: a power cut could lose them.
#pragma once

void AtomicWriteSkipSyncForTests(bool skip);
