// The Lorentzian of the line broadening tabulated once per call: 1 / (c x^2 + 1) at the grid
// distances x = 0, hzPerPt, 2 hzPerPt, ... (x grown by repeated 32-bit addition), so that each
// line or stick is added as one scaled copy of the table instead of point by point.
#pragma once

#include <vector>

class LorentzKernel {
 public:
  // Tabulates distances 0..points (the whole grid of `points` points). Reuses its storage.
  void Build(float c, float hzPerPt, int points);
  // How many distances t = 0, 1, ... a line of height h reaches: h / (c x_t^2 + 1) is at least
  // cut for exactly these (the value is evaluated as the point-by-point sum evaluates it).
  int Reach(float h, float cut) const;
  // Adds h / (c x_t^2 + 1) (as h times the tabulated reciprocal) at points centre - t and
  // centre + t for from <= t < to, where those lie in 1..points.
  // The sums are held in double (sums()[1..points]), cleared by Build: thousands of tails that
  // overlap add up without the rounding of a 32-bit running sum.
  void AddRing(int centre, float h, int from, int to);
  void AddLine(int centre, float h, int reach) { AddRing(centre, h, 0, reach); }
  const std::vector<double>& sums() const { return sums_; }
  // Copies the sums into spectrum points 1..points.
  void StoreSums(std::vector<float>& spectrum) const;

 private:
  int size_ = 0;               // distances tabulated: 0..size_-1
  int points_ = 0;
  std::vector<double> sums_;   // the broadened points, 1..points_
  double invC_ = 1;        // 1 / c
  double invHzPerPt_ = 1;  // 1 / hzPerPt
  std::vector<float> denom_;   // c x_t^2 + 1 at distance t
  std::vector<float> recip_;   // 1 / denom_[t]
  std::vector<float> mirror_;  // mirror_[size_ - 1 - t] = recip_[t], for the left half
};
