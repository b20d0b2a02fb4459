#include "ratecalc/eyring.h"

#include <cmath>

namespace {
constexpr double kGasConstantCal = 1.987;   // cal/(mol K)
constexpr double kLnBoltzmannOverPlanck = 23.76;
}  // namespace

double FreeEnergyFromRate(double k, double T) {
  return T * kGasConstantCal * (std::log(T / k) + kLnBoltzmannOverPlanck) / 1000.0;
}

double RateFromFreeEnergy(double G, double T) {
  return std::exp(std::log(T) + kLnBoltzmannOverPlanck - G * 1000.0 / (T * kGasConstantCal));
}

double PercentReaction(double time, double k) { return 100.0 - 100.0 / std::exp(time * k); }

double FirstOrderSolve(double percent, double x) {
  return std::log(100.0 / (100.0 - percent)) / x;
}
