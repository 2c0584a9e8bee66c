// The Appear page at the 1440 x 960 canvas: one whole paint in real appear (both working files
// read, the move, the compose, the view) at gradation 0 and 8, and the compose alone against the
// plain window loop at gradation 8, in the same run. Report medians and the ratio.
#include <algorithm>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "files/keep_files.h"
#include "pages/transfer_appear/compose.h"
#include "pages/transfer_appear/compose_reference.h"

namespace zc {
namespace {

using namespace bench;

// The photograph tiled over the whole canvas, with white squares of 96 pixels on a checker of
// 192: the pass zone of perfect white, with long borders for the gradation to blend.
void makeTransferPlanes() {
  const PlaneView planes = workPlanes();
  const int sw = 768, sh = 512;
  // The photograph stands at the canvas's top-left: rows kHeight - sh .. kHeight - 1.
  std::vector<int32_t> photo(static_cast<size_t>(sw) * sh * 3);
  for (int k = 0; k < 3; ++k) {
    for (int y = 0; y < sh; ++y) {
      const int32_t* row = planes.plane[k] + planes.index(0, kHeight - sh + y);
      std::copy(row, row + sw, photo.begin() + (static_cast<long>(k) * sh + y) * sw);
    }
  }
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool white = (x / 96 + y / 96) % 2 == 0 && (x / 192 + y / 192) % 2 == 0;
      for (int k = 0; k < 3; ++k) {
        const int32_t value = photo[(static_cast<long>(k) * sh + y % sh) * sw + x % sw];
        planes.plane[k][planes.index(x, y)] = white ? 255 : value;
      }
    }
  }
}

// A run of the program on the Appear page in real appear, with the transfer image moved. The
// parrots are opened at their own size; the transfer image is made over the whole canvas.
struct AppearRun : ProgramRun {
  explicit AppearRun(int gradation)
      : ProgramRun(std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp") {
    press(800, 10);  // the Appear tab: the planes become the back image
    makeTransferPlanes();
    writeWorkingFile(kTransferFile, planesTarget());
    paint();  // the page's main comment: it ends what the page showed
    AppearPageState& a = ws().appear;
    a.displayMode = 5;
    a.moveOn = 1;
    a.offsetX = -37;
    a.offsetY = 21;
    a.gradation = gradation;
    paint();
  }
};

void BM_PaintAppearRealAppear(benchmark::State& state) {
  AppearRun run(static_cast<int>(state.range(0)));
  for (auto _ : state) run.paint();
}

// The moved transfer image and the back image, as the paint hands them to the compose.
struct ComposeInput {
  std::vector<uint8_t> transfer, back;
  ComposeInput() {
    AppearRun run(0);
    const size_t bytes = static_cast<size_t>(kWidth) * kHeight * 3;
    transfer.resize(bytes);
    back.resize(bytes);
    readWorkingFile(kBackFile, planesTarget());
    copyPlanesToPixels(workPlanes(), PixelView{back.data(), kWidth, kHeight});
    makeTransferPlanes();
    copyPlanesToPixels(workPlanes(), PixelView{transfer.data(), kWidth, kHeight});
  }
};

template <void (*Compose)(const PixelView&, const PixelView&, const PassZone&, int)>
void composeBench(benchmark::State& state) {
  static const ComposeInput input;
  std::vector<uint8_t> back = input.back;
  std::vector<uint8_t> transfer = input.transfer;
  const PixelView t{transfer.data(), kWidth, kHeight};
  const PixelView b{back.data(), kWidth, kHeight};
  const PassZone zone{};  // perfect white
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(input.back.begin(), input.back.end(), back.begin());
    state.ResumeTiming();
    Compose(t, b, zone, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(back.data());
  }
}

void BM_ComposeAppear(benchmark::State& state) {
  composeBench<composeThroughPassZone>(state);
}
void BM_ComposeAppearPlainLoop(benchmark::State& state) {
  composeBench<composeThroughPassZoneReference>(state);
}

BENCHMARK(BM_PaintAppearRealAppear)
    ->Arg(0)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComposeAppear)
    ->Arg(0)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComposeAppearPlainLoop)
    ->Arg(0)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zc
