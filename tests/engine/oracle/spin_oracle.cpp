#include "tests/engine/oracle/spin_oracle.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <sstream>

OracleSystem::OracleSystem(int n)
    : shift(n, 0.0),
      j(n, std::vector<double>(n, 0.0)),
      weak(n, std::vector<bool>(n, false)),
      observed(n, true) {}

void OracleSystem::Couple(int k, int l, double jkl, bool weakPair) {
  j[k][l] = j[l][k] = jkl;
  weak[k][l] = weak[l][k] = weakPair;
}

namespace {
// Bit k of a state index set: spin k is beta (m = -1/2).
double M(int state, int k) { return ((state >> k) & 1) ? -0.5 : 0.5; }
}  // namespace

std::vector<OracleLine> OracleSpectrum(const OracleSystem& sys, double minIntensity) {
  const int n = static_cast<int>(sys.shift.size());
  const int dim = 1 << n;
  Eigen::MatrixXd H = Eigen::MatrixXd::Zero(dim, dim);
  Eigen::MatrixXd lower = Eigen::MatrixXd::Zero(dim, dim);
  for (int s = 0; s < dim; ++s) {
    for (int k = 0; k < n; ++k) {
      H(s, s) += sys.shift[k] * M(s, k);
      for (int l = k + 1; l < n; ++l) {
        H(s, s) += sys.j[k][l] * M(s, k) * M(s, l);
        const bool flipFlop = M(s, k) != M(s, l) && !(!sys.weak.empty() && sys.weak[k][l]);
        if (flipFlop) H(s ^ (1 << k) ^ (1 << l), s) += 0.5 * sys.j[k][l];
      }
      const bool seen = sys.observed.empty() || sys.observed[k];
      if (seen && M(s, k) > 0) lower(s | (1 << k), s) += 1.0;
    }
  }
  Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(H);
  const Eigen::VectorXd& e = solver.eigenvalues();
  const Eigen::MatrixXd& v = solver.eigenvectors();
  const Eigen::MatrixXd t = v.transpose() * lower * v;  // t(q, p) = <q|L|p>
  std::vector<OracleLine> lines;
  for (int p = 0; p < dim; ++p)
    for (int q = 0; q < dim; ++q) {
      const double intensity = t(q, p) * t(q, p);
      if (intensity > minIntensity) lines.push_back({e(p) - e(q), intensity});
    }
  return lines;
}

std::vector<OracleLine> MergeLines(std::vector<OracleLine> lines, double gap) {
  std::sort(lines.begin(), lines.end(),
            [](const OracleLine& a, const OracleLine& b) { return a.freq < b.freq; });
  std::vector<OracleLine> clusters;
  double weighted = 0.0;
  double last = 0.0;
  for (const OracleLine& line : lines) {
    if (clusters.empty() || line.freq - last >= gap) {
      if (!clusters.empty() && clusters.back().intensity > 0)
        clusters.back().freq = weighted / clusters.back().intensity;
      clusters.push_back({line.freq, 0.0});
      weighted = 0.0;
    }
    clusters.back().intensity += line.intensity;
    weighted += line.freq * line.intensity;
    last = line.freq;
  }
  if (!clusters.empty() && clusters.back().intensity > 0)
    clusters.back().freq = weighted / clusters.back().intensity;
  return clusters;
}

std::string CompareStickSpectra(const std::vector<OracleLine>& actual,
                                const std::vector<OracleLine>& expected, double posTol,
                                double intTol) {
  // Clusters are formed over the lines of both spectra together, so that a pair of lines just
  // either side of the merging gap falls into the same cluster on both sides.
  struct Tagged {
    OracleLine line;
    int side;
  };
  std::vector<Tagged> all;
  for (const OracleLine& l : actual) all.push_back({l, 0});
  for (const OracleLine& l : expected) all.push_back({l, 1});
  std::sort(all.begin(), all.end(),
            [](const Tagged& a, const Tagged& b) { return a.line.freq < b.line.freq; });
  size_t begin = 0;
  while (begin < all.size()) {
    size_t end = begin + 1;
    while (end < all.size() && all[end].line.freq - all[end - 1].line.freq < 0.001) ++end;
    double sum[2] = {0, 0};
    double weighted[2] = {0, 0};
    for (size_t i = begin; i < end; ++i) {
      sum[all[i].side] += all[i].line.intensity;
      weighted[all[i].side] += all[i].line.intensity * all[i].line.freq;
    }
    const double pos[2] = {sum[0] > 0 ? weighted[0] / sum[0] : 0.0,
                           sum[1] > 0 ? weighted[1] / sum[1] : 0.0};
    const bool bothSeen = sum[0] > intTol && sum[1] > intTol;
    if (std::fabs(sum[0] - sum[1]) > intTol || (bothSeen && std::fabs(pos[0] - pos[1]) > posTol)) {
      std::ostringstream text;
      text.precision(10);
      text << "cluster near " << all[begin].line.freq << " Hz: engine (" << pos[0] << ", "
           << sum[0] << "), oracle (" << pos[1] << ", " << sum[1] << ")";
      return text.str();
    }
    begin = end;
  }
  return "";
}
