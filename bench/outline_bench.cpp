// The Outline page at the 1440 x 960 canvas with a 1440 x 960 photograph: whole paints with
// outline drawing (grey and three colours), the contrast preview and the brush with a long stroke
// marked; and the fine outline kernel against its plain loop in the same run, with the ratio of
// the medians.
#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/outline_pattern/fine_outline.h"
#include "pages/outline_pattern/fine_outline_reference.h"

namespace zc {
namespace {

using namespace bench;

// Opens the photograph, goes to the Outline page, sets the page up with real input and times
// whole paints.
void paintOutlinePage(benchmark::State& state, void (*prepare)(ProgramRun&)) {
  ProgramRun run;
  run.click(560, 10);  // "5)Outline"
  prepare(run);
  for (auto _ : state) run.paint();
}

void BM_OutlinePaintFineGrey(benchmark::State& state) {
  paintOutlinePage(state, [](ProgramRun& run) { run.click(20, 190); });
}

void BM_OutlinePaintFineThreeColours(benchmark::State& state) {
  paintOutlinePage(state, [](ProgramRun& run) {
    ws().colorCondition = 1;  // as the Zindle Eye page leaves it
    run.click(20, 190);
  });
}

void BM_OutlinePaintContrastPreview(benchmark::State& state) {
  paintOutlinePage(state, [](ProgramRun& run) {
    run.click(20, 100);
    run.click(400, 300);
  });
}

// A fat stroke over the view and back, with a dab at every fourth pixel.
void BM_OutlinePaintBrushStroke(benchmark::State& state) {
  paintOutlinePage(state, [](ProgramRun& run) {
    run.click(20, 360);
    send(MessageKind::LeftDown, 120, 60);
    for (int x = 120; x < 1040; x += 4) send(MessageKind::MouseMove, x, 60 + (x - 120) * 580 / 920);
    for (int x = 1040; x > 120; x -= 4) send(MessageKind::MouseMove, x, 340);
    send(MessageKind::LeftUp, 124, 340);
    run.paintPending();
  });
}

// ---- The kernel against its plain loop --------------------------------------------------------

using KernelScene = PhotoScene;

std::vector<double>& times(int which) {
  static std::vector<double> t[3];
  return t[which];
}
enum { kFast, kFastOneBand, kPlain };

template <class Run>
void timeKernel(benchmark::State& state, int which, Run run) {
  static KernelScene scene;
  for (auto _ : state) timeManually(state, times(which), [&] { run(scene); });
  benchmark::DoNotOptimize(scene.bytes.data());
}

constexpr Rgb kBlack{0, 0, 0};

void BM_FineOutlineFast(benchmark::State& state) {
  timeKernel(state, kFast,
             [](KernelScene& s) { fineOutline(s.planes(), s.canvas(), 8, kOutlineGrey, kBlack); });
}
void BM_FineOutlineFastOneBand(benchmark::State& state) {
  timeKernel(state, kFastOneBand, [](KernelScene& s) {
    fineOutline(s.planes(), s.canvas(), 8, kOutlineGrey, kBlack, {1});
  });
}
void BM_FineOutlinePlainLoop(benchmark::State& state) {
  timeKernel(state, kPlain, [](KernelScene& s) {
    fineOutlineReference(s.planes(), s.canvas(), 8, kOutlineGrey, kBlack);
  });
}

// The ratios of the medians of the three runs above (it runs after them).
void BM_FineOutlineSpeedup(benchmark::State& state) {
  for (auto _ : state) {
  }
  if (times(kFast).empty() || times(kPlain).empty()) {
    state.SkipWithError("run BM_FineOutlineFast and BM_FineOutlinePlainLoop first");
    return;
  }
  const double fast = median(times(kFast));
  const double plain = median(times(kPlain));
  state.counters["fast_ms"] = fast * 1e3;
  state.counters["plain_ms"] = plain * 1e3;
  state.counters["speedup"] = plain / fast;
  if (!times(kFastOneBand).empty()) {
    const double oneBand = median(times(kFastOneBand));
    state.counters["one_band_ms"] = oneBand * 1e3;
    state.counters["speedup_one_band"] = plain / oneBand;
  }
}

ZINDLE_MEDIAN_BENCHMARK(BM_OutlinePaintFineGrey);
ZINDLE_MEDIAN_BENCHMARK(BM_OutlinePaintFineThreeColours);
ZINDLE_MEDIAN_BENCHMARK(BM_OutlinePaintContrastPreview);
ZINDLE_MEDIAN_BENCHMARK(BM_OutlinePaintBrushStroke);

#define OUTLINE_KERNEL_BENCHMARK(name, iterations) \
  BENCHMARK(name)                                  \
      ->Unit(benchmark::kMillisecond)              \
      ->UseManualTime()                            \
      ->Iterations(iterations)                     \
      ->Repetitions(5)                             \
      ->ReportAggregatesOnly(true)
OUTLINE_KERNEL_BENCHMARK(BM_FineOutlineFast, 20);
OUTLINE_KERNEL_BENCHMARK(BM_FineOutlineFastOneBand, 20);
OUTLINE_KERNEL_BENCHMARK(BM_FineOutlinePlainLoop, 2);
BENCHMARK(BM_FineOutlineSpeedup)->Iterations(1);

}  // namespace
}  // namespace zc
