// Whole paint cycles at the largest canvas the program starts with (1440 x 960) and a 1440 x 960
// photograph, one benchmark per page, in the same run. Report medians.
#include "bench_support.h"
#include "core/workspace.h"
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

ZINDLE_MEDIAN_BENCHMARK(BM_PaintTop);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintFilterLightCore);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintSwapWay21);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintZindleEyeBrightDark);
ZINDLE_MEDIAN_BENCHMARK(BM_PaintOutline);

}  // namespace
}  // namespace zc
