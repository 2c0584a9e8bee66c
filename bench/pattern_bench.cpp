// One whole paint of the Pattern page at the 1440 x 960 canvas with a 1440 x 960 photograph, the
// zone drawn and the pattern on. Report the median.
#include <vector>

#include "bench_support.h"
#include "core/workspace.h"
#include "pages/outline_pattern/pattern_image.h"
#include "pages/outline_pattern/pattern_image_reference.h"
#include "pages/outline_pattern/zone_draw.h"
#include "pages/outline_pattern/zone_pattern.h"

namespace zc {
namespace {

using namespace bench;

void BM_PaintPatternZoneDrawnAndPatternOn(benchmark::State& state) {
  ProgramRun run;
  run.press(640, 10);  // the Pattern tab
  PatternPageState& p = ws().pattern;
  p.ranges[kZoneGrey] = ZoneRange{90, 150};
  p.drawZoneRequest = 1;
  p.areaMode = 1;
  p.patternRequest = 1;
  for (auto _ : state) run.paint();
}

ZINDLE_MEDIAN_BENCHMARK(BM_PaintPatternZoneDrawnAndPatternOn);

// The zone drawn and the pattern made: the plain pair of steps and the one-pass form, on the same
// pixels, in one run.
void BM_ZoneDrawThenPatternImage(benchmark::State& state) {
  const std::vector<uint8_t>& photo = photographPixels();
  std::vector<uint8_t> canvas = photo;
  std::vector<int32_t> marks(kWidth * kHeight);
  for (auto _ : state) {
    state.PauseTiming();
    canvas = photo;
    state.ResumeTiming();
    const PixelView view{canvas.data(), kWidth, kHeight};
    benchmark::DoNotOptimize(zoneDraw(view, 90, 150, 255));
    benchmark::DoNotOptimize(
        patternImageReference(view, MarkView{marks.data(), kWidth, kHeight}, 255));
  }
}

void BM_ZoneAndPattern(benchmark::State& state) {
  const std::vector<uint8_t>& photo = photographPixels();
  std::vector<uint8_t> canvas = photo;
  std::vector<int32_t> marks(kWidth * kHeight);
  for (auto _ : state) {
    state.PauseTiming();
    canvas = photo;
    state.ResumeTiming();
    benchmark::DoNotOptimize(zoneAndPattern(PixelView{canvas.data(), kWidth, kHeight},
                                            MarkView{marks.data(), kWidth, kHeight}, 90, 150, 255));
  }
}

ZINDLE_MEDIAN_BENCHMARK(BM_ZoneDrawThenPatternImage);
ZINDLE_MEDIAN_BENCHMARK(BM_ZoneAndPattern);

// The pattern made from a picture whose zone is drawn, fast form and plain loop.
template <long (*Pattern)(const PixelView&, const MarkView&, int)>
void patternBench(benchmark::State& state) {
  const std::vector<uint8_t>& photo = photographPixels();
  std::vector<uint8_t> drawn = photo;
  zoneDraw(PixelView{drawn.data(), kWidth, kHeight}, 90, 150, 255);
  std::vector<uint8_t> canvas = drawn;
  std::vector<int32_t> marks(kWidth * kHeight);
  for (auto _ : state) {
    state.PauseTiming();
    canvas = drawn;
    state.ResumeTiming();
    benchmark::DoNotOptimize(Pattern(PixelView{canvas.data(), kWidth, kHeight},
                                     MarkView{marks.data(), kWidth, kHeight}, 255));
  }
}
long patternFast(const PixelView& canvas, const MarkView& marks, int zone) {
  return patternImage(canvas, marks, zone);
}
void BM_PatternImageFast(benchmark::State& state) {
  patternBench<patternFast>(state);
}
void BM_PatternImagePlainLoop(benchmark::State& state) {
  patternBench<patternImageReference>(state);
}

ZINDLE_MEDIAN_BENCHMARK(BM_PatternImageFast);
ZINDLE_MEDIAN_BENCHMARK(BM_PatternImagePlainLoop);

}  // namespace
}  // namespace zc
