// The rate formulas of the calculator, in double precision (T in kelvin, G in kcal/mol,
// k in 1/s, times in s). Callers store the results as 32-bit floats and check them.
#pragma once

// Calories to joules, as the rest of the toolset uses it.
inline constexpr double kJoulePerCalorie = 4.186;
// Kelvin of 0 degrees Celsius, as the calculator uses it.
inline constexpr double kKelvinOffset = 273.16;
// Half-life = kHalfLifeFactor / k.
inline constexpr double kHalfLifeFactor = 0.693;

// Eyring relation: free energy of activation from a rate constant (needs T > 0, k > 0).
double FreeEnergyFromRate(double k, double T);
// Eyring relation: rate constant from a free energy of activation (needs T > 0).
double RateFromFreeEnergy(double G, double T);
// Percentage of a first-order reaction after `time` at rate constant k.
double PercentReaction(double time, double k);
// ln(100 / (100 - percent)) / x: the rate constant for a time, or the time for a rate constant.
double FirstOrderSolve(double percent, double x);
