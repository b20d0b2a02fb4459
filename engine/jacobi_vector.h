// The Jacobi diagonalisation of JacobiDiag with its rotations and pivot search run four
// elements at a time.
#pragma once

#include "engine/jacobi.h"

// For 2 <= n <= 70, finite entries and processors with AVX2 only: the rotations, their order and every resulting bit
// are those of JacobiDiagFullScan.
void JacobiDiagVector(SpinBlockMatrix& A, SpinBlockMatrix& V, int n);
