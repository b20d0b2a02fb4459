// Test fixture of the print preview and option dialog models: fresh process state, the
// drawing library's preferences, an empty settings file, the page rectangles of a Letter page
// at print scale 1, and a type with twelve parameters.
#pragma once

#include "documents/spec_record.h"
#include "drawlib/params_apply.h"
#include "engine/engine_globals.h"
#include "tests/drawlib/drawlib_state.h"
#include "tests/support/process_state.h"

class OutputModelTest : public DrawlibState {
 protected:
  void SetUp() override {
    ResetProcessState();
    DrawlibState::SetUp();
    Pardata[35].Default = 1.0f;
    int16_t mode = kApplyToLibrary | kApplyNoPrinter;
    ParamsApply(std::string(1, char(35)), mode);
    gSimType = 5;
    gSimTypes[gSimType] = SimTypeRec{};
    gSimTypes[gSimType].LastPar = 11;
    gLineFit = 0;
    gSpec.MHz = 100;
  }
  void TearDown() override {
    DrawlibState::TearDown();
    ResetProcessState();
  }
};
