// The Jacobi diagonalisation of JacobiDiag with its rotations and pivot search run several
// elements at a time.
#pragma once

#include "engine/jacobi.h"

// For 2 <= n <= 70 and finite entries: the rotations, their order and every resulting bit are
// those of JacobiDiagFullScan. `lanes` is 8 (AVX-512) or 4 (AVX2); false, with A and V
// untouched, when n is outside 2..70 or the processor lacks that instruction set.
bool JacobiDiagVector(SpinBlockMatrix& A, SpinBlockMatrix& V, int n, int lanes);
