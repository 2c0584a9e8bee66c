#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pages/fog/fog_sweep.h"
#include "pages/fog/fog_sweep_reference.h"

// The Zindle Eye sweep at its heaviest setting, horn L, on the 1440 x 960 canvas: the fast sweep
// (certified separable sums, and full sums throughout) against the plain loop, and the ratio of
// their medians.

namespace {

struct Scene {
  static constexpr int kWidth = 1440;
  static constexpr int kHeight = 960;
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
    constexpr int kPhotoWidth = 768, kPhotoHeight = 512;
    std::ifstream in(std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp", std::ios::binary);
    const std::vector<char> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (data.size() < 54 + static_cast<size_t>(kPhotoWidth) * kPhotoHeight * 3) return made;
    const size_t cells = static_cast<size_t>(Scene::kWidth) * Scene::kHeight;
    for (int k = 0; k < 3; ++k) {
      made.source[k].resize(cells);
      for (int y = 0; y < Scene::kHeight; ++y) {
        for (int x = 0; x < Scene::kWidth; ++x) {
          const size_t from = static_cast<size_t>(y % kPhotoHeight) * kPhotoWidth + x % kPhotoWidth;
          made.source[k][static_cast<size_t>(y) * Scene::kWidth + x] =
              static_cast<uint8_t>(data[54 + 3 * from + k]);
        }
      }
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

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
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
    const auto start = std::chrono::steady_clock::now();
    run(s);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    record.push_back(seconds);
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
  const double fast = median(fastTimes());
  const double plain = median(plainTimes());
  state.counters["fast_s"] = fast;
  state.counters["plain_s"] = plain;
  state.counters["speedup"] = plain / fast;
  if (!fullSumTimes().empty()) {
    const double full = median(fullSumTimes());
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
