// What the user waits for after a step button or a typed value: SetParValue with recalculation
// (mode 7) -> CalcSpectrum -> DrawSpectra onto the Qt picture, for every simulation type at its
// catalogue defaults and for eight fully coupled spins, at 1600 and 3000 points. Runs on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <memory>

#include "drawlib/ini/libr_ini.h"
#include "engine/engine_globals.h"
#include "engine/mainwin_services.h"
#include "mainwin/kavo_form.h"
#include "mainwin/quiet_host.h"
#include "platform/msgbox.h"
#include "platform/ui/picture_widget.h"

namespace {

struct Window {
  explicit Window(int points) : picture(new PictureWidget), form(host, *picture) {
    host.scaleWidth = points * 15.0f + 6000;
    const float width = points * 15.0f, height = 0.55f * width;
    picture->resize(points, static_cast<int>(height / 15));
    FormControls& c = form.Controls();
    c.SetGeometry(Ctl::picKavo, 0, c.Get(Ctl::fraIncrement).Left, 1500, width, height);
    RegisterMainWindowServices(&form);
    RedimLineList(kStartLineCapacity);
    gVertScale = height;
    gBaseLnTwips = static_cast<int16_t>(0.92f * height);
    gExpBaseLnTwips = gBaseLnTwips;
    gDiffBaseLnTwips = static_cast<int16_t>(0.3f * height);
    VertLockHt = 0.72f * gBaseLnTwips;
    gSpectHz = 300;
    form.PicCalcScaling();
  }
  ~Window() { RegisterMainWindowServices(nullptr); }

  QuietHost host;
  std::unique_ptr<PictureWidget> picture;
  KavoForm form;
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_mainwin_redraw";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

void FreshEngine() {
  ResetEngineState();
  // The limits come from the built-in defaults: the settings file named here does not exist.
  IniRegisterFile((std::filesystem::temp_directory_path() / "kavo_bench_absent.ini").string());
}

// One step of the first parameter row, up and down in turn, with recalculation and drawing.
void StepRow0(benchmark::State& state, Window& w) {
  const int16_t p = w.form.RowParameter(0);
  if (p < 0) {
    state.SkipWithError("no parameter row");
    return;
  }
  const float start = gSimPar[static_cast<size_t>(p)].Value;
  float sign = 1;
  for (auto _ : state) {
    w.form.SetParValue(start + sign * 0.01f, p, 7);
    sign = -sign;
  }
  state.counters["points"] = gNumPts;
}

void BM_TypeAtDefaults(benchmark::State& state) {
  App();
  FreshEngine();
  Window w(static_cast<int>(state.range(1)));
  // Choosing the type that is current takes no snapshot and asks nothing.
  gSimType = static_cast<int16_t>(state.range(0));
  w.form.OptType_Click(gSimType);
  StepRow0(state, w);
}

// Type 34 with every one of the 28 couplings non-zero.
void BM_EightSpinsFullyCoupled(benchmark::State& state) {
  App();
  FreshEngine();
  Window w(static_cast<int>(state.range(0)));
  gSimType = 34;
  w.form.OptType_Click(34);
  for (int k = 8; k < 36; ++k)
    gSimPar[static_cast<size_t>(k)].Value = static_cast<float>(-19.5 + 1.25 * (k - 8));
  StepRow0(state, w);
}

// A dragged marker let go: the release stores the shift, recalculates and redraws.
void BM_MarkerRelease(benchmark::State& state) {
  App();
  FreshEngine();
  Window w(static_cast<int>(state.range(1)));
  gSimType = static_cast<int16_t>(state.range(0));
  w.form.OptType_Click(gSimType);
  if (gNumSpinMarks < 1) {
    state.SkipWithError("no marker");
    return;
  }
  const float y = gBaseLnTwips + 50.0f;
  float dx = 15;
  for (auto _ : state) {
    const float x = (gSpectHz - gSpinMarks[1].Shift + gHorOffHz) * gTwipsPerHz;
    w.form.picKavo_MouseMove(0, 0, x, y);
    w.form.picKavo_MouseMove(1, 0, x + dx, y);
    w.form.picKavo_MouseUp(1, 0, x + dx, y);
    dx = -dx;
  }
}

// A step button held down: ten steps, each recalculating and redrawing (the time is for all
// ten).
void BM_HeldStepButton(benchmark::State& state) {
  App();
  FreshEngine();
  Window w(static_cast<int>(state.range(1)));
  gSimType = static_cast<int16_t>(state.range(0));
  w.form.OptType_Click(gSimType);
  bool up = true;
  for (auto _ : state) {
    for (int k = 0; k < 10; ++k) {
      if (up) w.form.CmndPlus_Click(0);
      else w.form.CmndNeg_Click(0);
    }
    up = !up;
  }
}

void TypeCases(benchmark::internal::Benchmark* b) {
  for (int points : {1600, 3000})
    for (int type = 1; type <= 43; ++type) b->Args({type, points});
}

}  // namespace

BENCHMARK(BM_TypeAtDefaults)->Apply(TypeCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EightSpinsFullyCoupled)->Arg(1600)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkerRelease)->Apply(TypeCases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeldStepButton)->Apply(TypeCases)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  App();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
