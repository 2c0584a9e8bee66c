// The light core alone on the photograph, 1440 x 960: the table form against the plain loop, in
// the same run, at the three kinds of factor (1: a shift, 2: a stretch, 255: the spectrum core's
// threshold). Report medians.
#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "pages/color/channel_stats.h"
#include "pages/color/channel_stats_reference.h"
#include "pages/color/light_core.h"
#include "pages/color/light_core_reference.h"

namespace zc {
namespace {

using namespace bench;

using LightCoreScene = PhotoScene;

// The start and end of the light core for a factor.
struct Range {
  int start, end;
};
Range rangeOfFactor(int64_t factor) {
  if (factor == 255) return {128, 129};
  if (factor == 2) return {100, 200};
  return {50, 200};
}

template <void (*Core)(const PlaneView&, const PixelView&, int, int)>
void lightCoreBench(benchmark::State& state) {
  static LightCoreScene scene;
  const Range r = rangeOfFactor(state.range(0));
  for (auto _ : state) {
    Core(scene.planes(), scene.canvas(), r.start, r.end);
    benchmark::DoNotOptimize(scene.bytes.data());
  }
}
void tableForm(const PlaneView& p, const PixelView& o, int f, int t) {
  applyLightCore(p, o, f, t);
}
void BM_LightCoreTable(benchmark::State& s) {
  lightCoreBench<tableForm>(s);
}
void BM_LightCorePlainLoop(benchmark::State& s) {
  lightCoreBench<applyLightCoreReference>(s);
}

// The channel points the page measures at every paint.
template <void (*Stats)(const PlaneView&, ChannelStatsState&)>
void statsBench(benchmark::State& state) {
  static LightCoreScene scene;
  ChannelStatsState stats;
  for (auto _ : state) {
    Stats(scene.planes(), stats);
    benchmark::DoNotOptimize(stats);
  }
}
void fastStats(const PlaneView& p, ChannelStatsState& s) {
  computeChannelStats(p, s);
}
void BM_ChannelStatsFast(benchmark::State& s) {
  statsBench<fastStats>(s);
}
void BM_ChannelStatsPlainLoop(benchmark::State& s) {
  statsBench<computeChannelStatsReference>(s);
}

ZINDLE_MEDIAN_BENCHMARK(BM_LightCoreTable)->Arg(1)->Arg(2)->Arg(255);
ZINDLE_MEDIAN_BENCHMARK(BM_LightCorePlainLoop)->Arg(1)->Arg(2)->Arg(255);
ZINDLE_MEDIAN_BENCHMARK(BM_ChannelStatsFast);
ZINDLE_MEDIAN_BENCHMARK(BM_ChannelStatsPlainLoop);

}  // namespace
}  // namespace zc
