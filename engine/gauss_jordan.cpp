#include "engine/gauss_jordan.h"

#include <array>
#include <cmath>
#include <utility>

#include "platform/msgbox.h"

namespace {

void ReportSingular(int16_t& flag) {
  flag = -1;
  MsgBox("Matrix singular ", vbOKCancel + vbExclamation);
}

}  // namespace

void GaussJordanInvert(FloatMatrix& A, int16_t N, int16_t& flag) {
  flag = 0;
  if (N < 0 || N > kGaussJordanMaxOrder || N >= A.dim) {
    flag = -1;
    MsgBox("Internal error in GaussJordanInvert: bounds violation.", vbCritical);
    return;
  }
  std::array<int, kGaussJordanMaxOrder + 1> ipiv{}, pivotRow{}, pivotCol{};
  std::array<float, kGaussJordanMaxOrder + 1> rhs{};  // the single right-hand column
  for (int i = 1; i <= N; ++i) {
    float big = 0.0f;
    int row = 0, col = 0;
    for (int r = 1; r <= N; ++r) {
      if (ipiv[r] == 1) continue;
      for (int q = 1; q <= N; ++q) {
        if (ipiv[q] > 1) return ReportSingular(flag);
        if (ipiv[q] == 0 && std::fabs(A.at(r, q)) > big) {
          big = std::fabs(A.at(r, q));
          row = r;
          col = q;
        }
      }
    }
    if (col == 0) return ReportSingular(flag);  // nothing but zeros left to pivot on
    ++ipiv[col];
    pivotRow[i] = row;
    pivotCol[i] = col;
    if (row != col) {
      for (int l = 1; l <= N; ++l) std::swap(A.at(row, l), A.at(col, l));
      std::swap(rhs[row], rhs[col]);
    }
    const float piv = A.at(col, col);
    if (piv == 0.0f) return ReportSingular(flag);
    A.at(col, col) = 1.0f;
    for (int l = 1; l <= N; ++l) A.at(col, l) = A.at(col, l) / piv;
    rhs[col] = rhs[col] / piv;
    for (int r = 1; r <= N; ++r) {
      if (r == col) continue;
      const float d = A.at(r, col);
      A.at(r, col) = 0.0f;
      for (int l = 1; l <= N; ++l) A.at(r, l) = A.at(r, l) - A.at(col, l) * d;
      rhs[r] = rhs[r] - rhs[col] * d;
    }
  }
  for (int l = N; l >= 1; --l) {
    if (pivotRow[l] != pivotCol[l]) {
      for (int r = 1; r <= N; ++r) std::swap(A.at(r, pivotRow[l]), A.at(r, pivotCol[l]));
    }
  }
  for (int i = 1; i <= N; ++i) {
    if (ipiv[i] != 1) return ReportSingular(flag);
  }
}
