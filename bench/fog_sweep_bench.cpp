#include <cstdint>
#include <vector>

#include "bench_support.h"
#include "pages/fog/fog_sweep.h"
#include "pages/fog/fog_sweep_reference.h"

// The Zindle Eye sweep at its heaviest setting, horn L, on the 1440 x 960 canvas: the fast sweep
// (certified separable sums, and full sums throughout) against the plain loop, and the ratio of
// their medians.

namespace {

struct Scene {
  static constexpr int kWidth = zc::bench::kWidth;
  static constexpr int kHeight = zc::bench::kHeight;
  bool loaded = false;
  std::vector<int32_t> source[3];  // the photograph tiled over the canvas
  std::vector<int32_t> plane[3];
  std::vector<uint8_t> bytes;

  zc::PlaneView planes() {
    return zc::PlaneView{{plane[0].data(), plane[1].data(), plane[2].data()}, kWidth, kHeight};
  }
  zc::PixelView pixels() { return zc::PixelView{bytes.data(), kWidth, kHeight}; }
  // The state the page's paint hands to the sweep: the picture in the planes and the working image.
  void reset() {
    for (int k = 0; k < 3; ++k) plane[k] = source[k];
    zc::copyPlanesToPixels(planes(), pixels());
  }
};

Scene& scene() {
  static Scene s = [] {
    Scene made;
    const std::vector<uint8_t>& pixels = zc::bench::photographPixels();
    if (pixels.empty()) return made;
    const size_t cells = static_cast<size_t>(Scene::kWidth) * Scene::kHeight;
    for (int k = 0; k < 3; ++k) {
      made.source[k].resize(cells);
      for (size_t i = 0; i < cells; ++i) made.source[k][i] = pixels[3 * i + k];
    }
    made.bytes.resize(cells * 3);
    made.loaded = true;
    return made;
  }();
  return s;
}

std::vector<double>& fastTimes() {
  static std::vector<double> t;
  return t;
}
std::vector<double>& fullSumTimes() {
  static std::vector<double> t;
  return t;
}
std::vector<double>& plainTimes() {
  static std::vector<double> t;
  return t;
}

zc::SweepParams hornL() {
  zc::SweepParams p;
  p.variant = 2;
  p.horn = 12;
  return p;
}

// Times one sweep per iteration; setting the picture up again is not timed.
template <class Run>
void timeSweeps(benchmark::State& state, std::vector<double>& record, Run run) {
  Scene& s = scene();
  if (!s.loaded) {
    state.SkipWithError("kodim23.bmp missing");
    return;
  }
  for (auto _ : state) {
    s.reset();
    zc::bench::timeManually(state, record, [&] { run(s); });
  }
  benchmark::DoNotOptimize(s.plane[0].data());
}

void BM_FogSweepFast(benchmark::State& state) {
  timeSweeps(state, fastTimes(),
             [](Scene& s) { zc::runSweep(s.pixels(), s.planes(), hornL(), nullptr); });
}

void BM_FogSweepFastFullSums(benchmark::State& state) {
  zc::SweepTuning tuning;
  tuning.certified = false;
  timeSweeps(state, fullSumTimes(),
             [&](Scene& s) { zc::runSweep(s.pixels(), s.planes(), hornL(), nullptr, tuning); });
}

void BM_FogSweepPlainLoop(benchmark::State& state) {
  timeSweeps(state, plainTimes(),
             [](Scene& s) { zc::runSweepReference(s.pixels(), s.planes(), hornL(), nullptr); });
}

// The ratios of the medians of the runs above (it must run after them).
void BM_FogSweepSpeedup(benchmark::State& state) {
  for (auto _ : state) {
  }
  if (fastTimes().empty() || plainTimes().empty()) {
    state.SkipWithError("run BM_FogSweepFast and BM_FogSweepPlainLoop first");
    return;
  }
  const double fast = zc::bench::median(fastTimes());
  const double plain = zc::bench::median(plainTimes());
  state.counters["fast_s"] = fast;
  state.counters["plain_s"] = plain;
  state.counters["speedup"] = plain / fast;
  if (!fullSumTimes().empty()) {
    const double full = zc::bench::median(fullSumTimes());
    state.counters["full_sums_s"] = full;
    state.counters["speedup_full_sums"] = plain / full;
  }
}

BENCHMARK(BM_FogSweepFast)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FogSweepFastFullSums)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FogSweepPlainLoop)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FogSweepSpeedup)->Iterations(1);

}  // namespace
