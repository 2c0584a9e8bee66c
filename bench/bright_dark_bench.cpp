// Bright and dark alone on the photograph, 1440 x 960, at the paint's values (150, 20): the table
// looked up 64 bytes a step against the plain loop. Report medians.
#include <vector>

#include "bench_support.h"
#include "pages/fog/bright_dark.h"
#include "pages/fog/bright_dark_reference.h"

namespace zc {
namespace {

using namespace bench;

template <void (*Apply)(const PixelView&, int, int)>
void brightDarkBench(benchmark::State& state) {
  const std::vector<uint8_t>& photo = photographPixels();
  std::vector<uint8_t> bytes(photo.size());
  for (auto _ : state) {
    state.PauseTiming();
    bytes = photo;
    state.ResumeTiming();
    Apply(PixelView{bytes.data(), kWidth, kHeight}, 150, 20);
    benchmark::DoNotOptimize(bytes.data());
  }
}
void tableForm(const PixelView& work, int bright, int dark) {
  applyBrightDark(work, bright, dark);
}
void BM_BrightDarkTable(benchmark::State& s) {
  brightDarkBench<tableForm>(s);
}
void BM_BrightDarkPlainLoop(benchmark::State& s) {
  brightDarkBench<applyBrightDarkReference>(s);
}

ZINDLE_MEDIAN_BENCHMARK(BM_BrightDarkTable);
ZINDLE_MEDIAN_BENCHMARK(BM_BrightDarkPlainLoop);

}  // namespace
}  // namespace zc
