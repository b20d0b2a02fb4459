// The population model of the five-site exchange type: the population of site d from an
// equilibrium with the temperature, enthalpy and entropy and the reagent concentration given in
// the settings section "Kavo 5 Spin LiI Pelko". Inactive unless its "OK" key reads "OK".
#pragma once

// pa, pb, pc: populations of sites a, b, c (percent); pd: replaced by the model's population
// when the model is active, every input is present and the result is finite and positive;
// T: temperature in kelvin. A missing input or an unusable result is reported with a message
// box (first failing check only) and leaves pd unchanged.
void CustomPopulation(float& pa, float& pb, float& pc, float& pd, float& T);
