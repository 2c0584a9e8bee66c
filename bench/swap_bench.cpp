// The channel ways alone on the photograph, 1440 x 960: the fast form against the plain loop, in
// the same run, for a mix (way 21, the paint's) and a reversal (way 12). Report medians.
#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "pages/color/swap_ways.h"
#include "pages/color/swap_ways_reference.h"

namespace zc {
namespace {

using namespace bench;

using SwapScene = PhotoScene;

template <void (*Way)(const PlaneView&, const PixelView&, int)>
void swapBench(benchmark::State& state) {
  static SwapScene scene;
  const int way = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Way(scene.planes(), scene.canvas(), way);
    benchmark::DoNotOptimize(scene.bytes.data());
  }
}
void fastForm(const PlaneView& p, const PixelView& o, int way) {
  applySwapWay(p, o, way);
}
void BM_SwapWayFast(benchmark::State& s) {
  swapBench<fastForm>(s);
}
void BM_SwapWayPlainLoop(benchmark::State& s) {
  swapBench<applySwapWayReference>(s);
}

ZINDLE_MEDIAN_BENCHMARK(BM_SwapWayFast)->Arg(21)->Arg(12);
ZINDLE_MEDIAN_BENCHMARK(BM_SwapWayPlainLoop)->Arg(21)->Arg(12);

}  // namespace
}  // namespace zc
