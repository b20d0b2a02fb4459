// The check of a fuzz target: a failed property aborts with its description.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}
