// Whole paints of the Change page at 1440 x 960 with a 1440 x 960 photograph: the pseudocolour
// of a target range and the conversion in each act mode. Report medians.
#include <algorithm>
#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/color/color_change.h"
#include "pages/color/color_change_reference.h"

namespace zc {
namespace {

using namespace bench;

// A target range around the greens and greys of the photograph and a red convert colour.
void targetRange() {
  ChangePageState& c = ws().change;
  const int32_t min[4] = {60, 40, 20, 0}, max[4] = {200, 180, 160, 0};
  std::copy(min, min + 4, c.rangeMin);
  std::copy(max, max + 4, c.rangeMax);
  c.targetOn = 1;
  c.targetColour[0] = 120, c.targetColour[1] = 110, c.targetColour[2] = 90;
  c.convertColour[0] = 200, c.convertColour[1] = 60, c.convertColour[2] = 40;
}

void paintChange(benchmark::State& state, int actMode) {
  ProgramRun run;
  run.press(480, 10);  // the "4)Change" tab
  targetRange();
  ws().change.convertApply = actMode != 0 ? 1 : 0;
  ws().change.actMode = actMode != 0 ? actMode : 3;
  for (auto _ : state) run.paint();
}

void BM_PaintChangePseudocolor(benchmark::State& s) {
  paintChange(s, 0);
}
void BM_PaintChangeWeak(benchmark::State& s) {
  paintChange(s, 1);
}
void BM_PaintChangeMiddle(benchmark::State& s) {
  paintChange(s, 2);
}
void BM_PaintChangeAll(benchmark::State& s) {
  paintChange(s, 3);
}

// The kernels alone on the photograph: the fast forms against the plain loops, with
// the target range and convert colour of the paints above (grey 43 .. 183).
struct KernelScene {
  std::vector<int32_t> plane[3];
  std::vector<uint8_t> bytes;
  ColorRange range;
  ChangeColour convert{200, 60, 40};
  KernelScene() : bytes(static_cast<size_t>(kWidth) * kHeight * 3) {
    const std::vector<uint8_t>& pixels = photographPixels();
    for (int k = 0; k < 3; ++k) {
      plane[k].resize(static_cast<size_t>(kWidth) * kHeight);
      for (size_t i = 0; i < plane[k].size(); ++i) {
        plane[k][i] = pixels[3 * i + k];
      }
    }
    const int32_t min[4] = {60, 40, 20, 43}, max[4] = {200, 180, 160, 183};
    std::copy(min, min + 4, range.min);
    std::copy(max, max + 4, range.max);
  }
  PlaneView planes() {
    return PlaneView{{plane[0].data(), plane[1].data(), plane[2].data()}, kWidth, kHeight};
  }
  PixelView pixels() { return PixelView{bytes.data(), kWidth, kHeight}; }
};
KernelScene& scene() {
  static KernelScene s;
  return s;
}

void convertFast(const PlaneView& planes, const PixelView& out, int condition,
                 const ColorRange& range, const ChangeColour& convert, int actMode) {
  convertColors(planes, out, condition, range, convert, actMode);
}
void pseudocolorFast(const PlaneView& planes, const PixelView& out, int condition,
                     const ColorRange& range) {
  showTargetPseudocolor(planes, out, condition, range);
}

template <auto Kernel>
void BM_Convert(benchmark::State& state) {
  KernelScene& s = scene();
  const int actMode = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Kernel(s.planes(), s.pixels(), 2, s.range, s.convert, actMode);
    benchmark::DoNotOptimize(s.bytes.data());
  }
}
template <auto Kernel>
void BM_Pseudocolor(benchmark::State& state) {
  KernelScene& s = scene();
  for (auto _ : state) {
    Kernel(s.planes(), s.pixels(), 2, s.range);
    benchmark::DoNotOptimize(s.bytes.data());
  }
}

ZINDLE_MEDIAN_BENCHMARK(BM_PaintChangePseudocolor);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintChangeWeak);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintChangeMiddle);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintChangeAll);
BENCHMARK(BM_Convert<convertFast>)
    ->Name("BM_ChangeConvertFast")
    ->DenseRange(1, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Convert<convertColorsReference>)
    ->Name("BM_ChangeConvertReference")
    ->DenseRange(1, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
ZINDLE_MEDIAN_BENCHMARK(BM_Pseudocolor<pseudocolorFast>)->Name("BM_ChangePseudocolorFast");
ZINDLE_MEDIAN_BENCHMARK(BM_Pseudocolor<showTargetPseudocolorReference>)
    ->Name("BM_ChangePseudocolorReference");

}  // namespace
}  // namespace zc
