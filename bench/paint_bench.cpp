// Whole paint cycles at the largest canvas the program starts with (1440 x 960) and a 1440 x 960
// photograph, one benchmark per page, in the same run, and the floor: the least a paint can do.
// Report medians.
#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "core/image_buffers_reference.h"
#include "core/workspace.h"
#include "ui/page_contract.h"
#include "ui/screen.h"

namespace zc {
namespace {

using namespace bench;

void paintPage(benchmark::State& state, int tab, void (*prepare)()) {
  ProgramRun run;
  if (tab != 0) run.press(kTabCells[tab].centreX(), 10);
  if (prepare) prepare();
  for (auto _ : state) run.paint();
}

void openSwapList() {
  ws().swap.listState = kSwapListOpen;
  ws().swap.way = 21;
}
void lightCoreOn() {
  ws().filter.lightCoreMode = kLightCoreShown;
  ws().filter.start = 50;
  ws().filter.end = 200;
}
void brightAndDark() {
  ws().zindleEye.bright = 150;
  ws().zindleEye.dark = 20;
}

void BM_PaintTop(benchmark::State& s) {
  paintPage(s, 0, nullptr);
}
// The floor of every paint: the planes copied into the canvas buffer and the 960 x 640 block
// shown and presented; no erase, no frame, no panel, no text, no page work.
void BM_PaintFloor(benchmark::State& s) {
  ProgramRun run;
  Surface& surface = run.platform.surface();
  for (auto _ : s) {
    planesToCanvas();
    showCanvas(surface, 0);
    run.platform.present();
  }
}
void BM_PaintFilterLightCore(benchmark::State& s) {
  paintPage(s, 1, lightCoreOn);
}
void BM_PaintSwapWay21(benchmark::State& s) {
  paintPage(s, 2, openSwapList);
}
void BM_PaintZindleEyeBrightDark(benchmark::State& s) {
  paintPage(s, 3, brightAndDark);
}
void BM_PaintOutline(benchmark::State& s) {
  paintPage(s, 5, nullptr);
}

// The copies alone, on the photograph: the fast forms against the plain loops.
using CopyScene = PhotoScene;
CopyScene& copyScene() {
  static CopyScene scene;
  return scene;
}
template <void (*Copy)(const PlaneView&, const PixelView&)>
void planesToCanvasBench(benchmark::State& state) {
  CopyScene& scene = copyScene();
  for (auto _ : state) {
    Copy(scene.planes(), scene.canvas());
    benchmark::DoNotOptimize(scene.bytes.data());
  }
}
// Into planes that hold a shifted picture, so that every cell changes, as after a page's work.
template <void (*Copy)(const PixelView&, const PlaneView&)>
void canvasToPlanesBench(benchmark::State& state) {
  CopyScene& scene = copyScene();
  std::vector<uint8_t> shifted(scene.bytes.size());
  for (size_t i = 0; i < shifted.size(); ++i) shifted[i] = static_cast<uint8_t>(scene.bytes[i] + 1);
  for (auto _ : state) {
    state.PauseTiming();
    copyPixelsToPlanesReference(PixelView{shifted.data(), kWidth, kHeight}, scene.planes());
    state.ResumeTiming();
    Copy(scene.canvas(), scene.planes());
    benchmark::DoNotOptimize(scene.cells.data());
  }
}
void fastPlanesToPixels(const PlaneView& p, const PixelView& c) {
  copyPlanesToPixels(p, c);
}
void fastPixelsToPlanes(const PixelView& c, const PlaneView& p) {
  copyPixelsToPlanes(c, p);
}
void BM_CopyPlanesToCanvas(benchmark::State& s) {
  planesToCanvasBench<fastPlanesToPixels>(s);
}
void BM_CopyPlanesToCanvasPlainLoop(benchmark::State& s) {
  planesToCanvasBench<copyPlanesToPixelsReference>(s);
}
void BM_CopyCanvasToPlanes(benchmark::State& s) {
  canvasToPlanesBench<fastPixelsToPlanes>(s);
}
void BM_CopyCanvasToPlanesPlainLoop(benchmark::State& s) {
  canvasToPlanesBench<copyPixelsToPlanesReference>(s);
}

ZINDLE_MEDIAN_BENCHMARK(BM_PaintFloor);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintTop);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintFilterLightCore);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintSwapWay21);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintZindleEyeBrightDark);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintOutline);
ZINDLE_MEDIAN_BENCHMARK(BM_CopyPlanesToCanvas);
ZINDLE_MEDIAN_BENCHMARK(BM_CopyPlanesToCanvasPlainLoop);
ZINDLE_MEDIAN_BENCHMARK(BM_CopyCanvasToPlanes);
ZINDLE_MEDIAN_BENCHMARK(BM_CopyCanvasToPlanesPlainLoop);

}  // namespace
}  // namespace zc
