#include "tests/engine/dyn_oracle/dyn_oracle.h"

#include <Eigen/Dense>
#include <complex>

namespace dyn_oracle {

namespace {

using Complex = std::complex<double>;
using CMatrix = Eigen::MatrixXcd;

CMatrix Kron(const CMatrix& a, const CMatrix& b) {
  CMatrix out(a.rows() * b.rows(), a.cols() * b.cols());
  for (Eigen::Index i = 0; i < a.rows(); ++i) {
    for (Eigen::Index j = 0; j < a.cols(); ++j) {
      out.block(i * b.rows(), j * b.cols(), b.rows(), b.cols()) = a(i, j) * b;
    }
  }
  return out;
}

// Column-major vectorisation: vec(A X B) = (B^T kron A) vec(X).
Eigen::VectorXcd Vec(const CMatrix& m) {
  return Eigen::Map<const Eigen::VectorXcd>(m.data(), m.size());
}

}  // namespace

double BlochMcConnell(const Sites& sites, double nu) {
  const Eigen::Index n = static_cast<Eigen::Index>(sites.p.size());
  CMatrix m = CMatrix::Zero(n, n);
  for (Eigen::Index i = 0; i < n; ++i) {
    double rowSum = 0.0;
    for (Eigen::Index j = 0; j < n; ++j) {
      if (i == j) continue;
      m(i, j) = sites.k[static_cast<size_t>(i)][static_cast<size_t>(j)];
      rowSum += sites.k[static_cast<size_t>(i)][static_cast<size_t>(j)];
    }
    m(i, i) = Complex(-rowSum - sites.r[static_cast<size_t>(i)],
                      -kTwoPi * (nu - sites.v[static_cast<size_t>(i)]));
  }
  Eigen::VectorXcd p(n);
  for (Eigen::Index i = 0; i < n; ++i) p(i) = sites.p[static_cast<size_t>(i)];
  const Eigen::VectorXcd x = m.fullPivLu().solve(Eigen::VectorXcd::Ones(n));
  return -(p.transpose() * x)(0).real();
}

Sites TwoSites(double tau, double pA, double pB, double rA, double rB, double vA, double vB) {
  // kab + kba = 1 / tau and pA kab = pB kba.
  const double total = 1.0 / tau;
  const double kab = total * pB / (pA + pB);
  const double kba = total * pA / (pA + pB);
  return Sites{{pA, pB}, {rA, rB}, {vA, vB}, {{0.0, kab}, {kba, 0.0}}};
}

double CoupledABPair(double k, double r2, double J, double vA, double vB, double nu) {
  CMatrix iz(2, 2), ip(2, 2), im(2, 2), ix(2, 2), iy(2, 2), one = CMatrix::Identity(2, 2);
  iz << 0.5, 0, 0, -0.5;
  ip << 0, 1, 0, 0;  // raising operator (basis alpha, beta)
  im << 0, 0, 1, 0;
  ix = (ip + im) * 0.5;
  iy = (ip - im) * Complex(0, -0.5);
  const CMatrix iz1 = Kron(iz, one), iz2 = Kron(one, iz);
  const CMatrix H =
      kTwoPi * (vA * iz1 + vB * iz2 + J * (Kron(ix, ix) + Kron(iy, iy) + Kron(iz, iz)));
  CMatrix swap = CMatrix::Zero(4, 4);  // exchanges the states of the two spins
  swap(0, 0) = swap(3, 3) = 1.0;
  swap(1, 2) = swap(2, 1) = 1.0;
  const CMatrix id4 = CMatrix::Identity(4, 4), id16 = CMatrix::Identity(16, 16);
  const CMatrix commutator = Kron(id4, H) - Kron(H.transpose(), id4);
  const CMatrix L =
      Complex(0, -1) * commutator - r2 * id16 + k * (Kron(swap.transpose(), swap) - id16);
  const CMatrix fPlus = Kron(ip, one) + Kron(one, ip);
  const CMatrix fMinus = Kron(im, one) + Kron(one, im);
  const CMatrix A = Complex(0, kTwoPi * nu) * id16 - L;
  const Eigen::VectorXcd x = A.fullPivLu().solve(Vec(fMinus));
  const CMatrix fPlusT = fPlus.transpose();
  return (Vec(fPlusT).transpose() * x)(0).real();
}

double QuartetRelaxing(double J, double T1, double v0, double nu) {
  const double w = 0.5 / T1;
  Sites s;
  const double m[4] = {1.5, 0.5, -0.5, -1.5};
  for (double mi : m) {
    s.p.push_back(0.25);
    s.r.push_back(0.0);
    s.v.push_back(v0 + mi * J);
  }
  s.k = {{0, w, w, 0}, {w, 0, 0, w}, {w, 0, 0, w}, {0, w, w, 0}};
  return BlochMcConnell(s, nu);
}

}  // namespace dyn_oracle
