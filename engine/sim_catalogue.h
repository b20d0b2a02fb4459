// The simulation-type catalogue: filling a type's record with its defaults, the seven-site
// parameter set, and the clamp every parameter change passes through.
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine_globals.h"

// Overwrites rec with the catalogue entry of type (0..44) and completes it: limits from
// SimParLimits (read from "Kavo MinMax" on first use), default tooltips, increments, panel rows
// (at most ParScrnMax() + 1 of them), spins and the vertical multiplier. A type outside 0..44
// leaves rec cleared (LastPar 0).
void SimTypeSetup(SimTypeRec& rec, int16_t type);

// Writes the parameters of the seven-site exchange type into rec and returns its spin index
// text, spin labels and vertical factor.
void NSiteParNames(SimTypeRec& rec, std::string& spinIndexes, std::string& spinLabels,
                   float& factor);

// Rounds (integer-valued parameters, halves to even) and clamps value to the limits of gSimPar
// entry index (maximum first, then minimum), stores it as that entry's Value and returns it in
// value. A value that is not finite is refused: the entry keeps its value, which is returned.
void SimParClamp(float& value, int16_t index);

// Reads the twelve limits of the settings section "Kavo MinMax" into SimParLimits, once per
// process (again only after ResetEngineState).
void SimParLimitsRead();
