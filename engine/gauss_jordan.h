// In-place inversion of a real 32-bit float matrix by Gauss-Jordan elimination with full
// pivoting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A square matrix of 32-bit floats indexed 0..dim-1 in both directions (row-major); the
// inversion uses indexes 1..N, as the exchange code lays its matrices out.
struct FloatMatrix {
  explicit FloatMatrix(int dimension = 0)
      : dim(dimension), cells(static_cast<size_t>(dimension) * dimension, 0.0f) {}
  float& at(int row, int col) { return cells[static_cast<size_t>(row) * dim + col]; }
  float at(int row, int col) const { return cells[static_cast<size_t>(row) * dim + col]; }
  int dim;
  std::vector<float> cells;
};

// Largest N the pivot bookkeeping accepts.
constexpr int kGaussJordanMaxOrder = 14;

// Replaces the leading N x N part (indexes 1..N) of A by its inverse. flag = 0 on success, -1
// when the matrix is singular: then "Matrix singular " is shown (exclamation icon, OK and Cancel)
// and A is left partly reduced. An N above 14 or beyond the matrix is refused with an internal
// error message (flag -1, A unchanged).
void GaussJordanInvert(FloatMatrix& A, int16_t N, int16_t& flag);
