// Jacobi diagonalisation of the symmetric blocks of the spin Hamiltonian.
#pragma once

#include <array>

// A square block matrix addressed from 1 to 70 in both indexes (index 0 unused), in double.
struct SpinBlockMatrix {
  static constexpr int kDim = 71;
  std::array<double, kDim * kDim> e{};
  double& operator()(int row, int col) { return e[row + kDim * col]; }
  double operator()(int row, int col) const { return e[row + kDim * col]; }
  // Column col as contiguous storage: Column(col)[row] is (row, col).
  double* Column(int col) { return &e[kDim * col]; }
  const double* Column(int col) const { return &e[kDim * col]; }
};

// Diagonalises the leading n x n part of the symmetric matrix A by plane rotations, the largest
// off-diagonal element first. On return the diagonal of A holds the eigenvalues (unsorted) and
// column j of V the normalised eigenvector of A(j, j). At most Int(1.5 n^2) rotations.
void JacobiDiag(SpinBlockMatrix& A, SpinBlockMatrix& V, int n);

// The same rotations and results as JacobiDiag with each column's largest element kept from one
// rotation to the next, one element at a time: what JacobiDiag runs on processors without AVX2.
void JacobiDiagColumnMax(SpinBlockMatrix& A, SpinBlockMatrix& V, int n);

// The same rotations in the same order, with the pivot found by scanning the whole upper triangle
// before every rotation. Kept as the reference that the faster search must reproduce exactly.
void JacobiDiagFullScan(SpinBlockMatrix& A, SpinBlockMatrix& V, int n);
