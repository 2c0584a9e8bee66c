// The Outline page at the 1440 x 960 canvas with a 1440 x 960 photograph: whole paints with
// outline drawing (grey and three colours), the contrast preview and the brush with a long stroke
// marked; and the fine outline kernel against its plain loop in the same run, with the ratio of
// the medians.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/outline_pattern/fine_outline.h"
#include "pages/outline_pattern/fine_outline_reference.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"

namespace zc {
namespace {

constexpr int kWidth = 1440, kHeight = 960;
constexpr int kPhotoWidth = 768, kPhotoHeight = 512;

// The parrots photograph tiled over 1440 x 960: bottom-up rows of blue, green, red.
const std::vector<uint8_t>& tiledPixels() {
  static const std::vector<uint8_t> pixels = [] {
    std::ifstream in(std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp", std::ios::binary);
    const std::vector<char> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    std::vector<uint8_t> out(static_cast<size_t>(kWidth) * kHeight * 3, 0);
    if (data.size() < 54 + static_cast<size_t>(kPhotoWidth) * kPhotoHeight * 3) return out;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const size_t from =
            54 + (static_cast<size_t>(y % kPhotoHeight) * kPhotoWidth + x % kPhotoWidth) * 3;
        std::copy(&data[from], &data[from] + 3, &out[(static_cast<size_t>(y) * kWidth + x) * 3]);
      }
    }
    return out;
  }();
  return pixels;
}

// The tiled photograph as a 24-bit BMP in a temporary folder.
const std::string& photographFile() {
  static const std::string path = [] {
    const std::vector<uint8_t>& pixels = tiledPixels();
    std::vector<char> header(54, 0);
    auto put32 = [&](size_t at, uint32_t v) {
      for (int i = 0; i < 4; ++i) header[at + i] = static_cast<char>(v >> (8 * i));
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, static_cast<uint32_t>(54 + pixels.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, kWidth);
    put32(22, kHeight);
    header[26] = 1;
    header[28] = 24;
    put32(34, static_cast<uint32_t>(pixels.size()));
    const auto folder = std::filesystem::temp_directory_path() / "zindle-outline-bench";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "photo1440.bmp").string();
    std::ofstream out(file, std::ios::binary);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    return file;
  }();
  return path;
}

void send(MessageKind kind, int x, int y) {
  Message m{kind};
  m.x = x;
  m.y = y;
  shellWindowProcedure().handle(m);
}

// Opens the photograph, goes to the Outline page, sets the page up with real input and times
// whole paints.
void paintOutlinePage(benchmark::State& state, void (*prepare)(HeadlessPlatform&)) {
  const auto folder = std::filesystem::temp_directory_path() / "zindle-outline-bench";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  HeadlessPlatform platform([](const std::string&) {}, [](const std::string&) {});
  setPlatform(&platform);
  resetWorkspace();
  const std::string& photo = photographFile();
  platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, photo, photo});
  platform.invalidate();
  platform.runPendingPaints(shellWindowProcedure());
  auto click = [&](int x, int y) {
    send(MessageKind::LeftDown, x, y);
    send(MessageKind::LeftUp, x, y);
    platform.runPendingPaints(shellWindowProcedure());
  };
  click(560, 10);  // "5)Outline"
  prepare(platform);
  for (auto _ : state) {
    platform.invalidate();
    platform.runPendingPaints(shellWindowProcedure());
  }
  setPlatform(nullptr);
}

void clickAt(HeadlessPlatform& platform, int x, int y) {
  send(MessageKind::LeftDown, x, y);
  send(MessageKind::LeftUp, x, y);
  platform.runPendingPaints(shellWindowProcedure());
}

void BM_OutlinePaintFineGrey(benchmark::State& state) {
  paintOutlinePage(state, [](HeadlessPlatform& p) { clickAt(p, 20, 190); });
}

void BM_OutlinePaintFineThreeColours(benchmark::State& state) {
  paintOutlinePage(state, [](HeadlessPlatform& p) {
    ws().colorCondition = 1;  // as the Zindle Eye page leaves it
    clickAt(p, 20, 190);
  });
}

void BM_OutlinePaintContrastPreview(benchmark::State& state) {
  paintOutlinePage(state, [](HeadlessPlatform& p) {
    clickAt(p, 20, 100);
    clickAt(p, 400, 300);
  });
}

// A fat stroke over the view and back, with a dab at every fourth pixel.
void BM_OutlinePaintBrushStroke(benchmark::State& state) {
  paintOutlinePage(state, [](HeadlessPlatform& p) {
    clickAt(p, 20, 360);
    send(MessageKind::LeftDown, 120, 60);
    for (int x = 120; x < 1040; x += 4) send(MessageKind::MouseMove, x, 60 + (x - 120) * 580 / 920);
    for (int x = 1040; x > 120; x -= 4) send(MessageKind::MouseMove, x, 340);
    send(MessageKind::LeftUp, 124, 340);
    p.runPendingPaints(shellWindowProcedure());
  });
}

// ---- The kernel against its plain loop --------------------------------------------------------

struct KernelScene {
  std::vector<int32_t> cells = std::vector<int32_t>(static_cast<size_t>(kWidth) * kHeight * 3);
  std::vector<uint8_t> bytes = tiledPixels();
  KernelScene() { copyPixelsToPlanes(canvas(), planes()); }
  PlaneView planes() {
    const size_t n = static_cast<size_t>(kWidth) * kHeight;
    return PlaneView{{cells.data(), cells.data() + n, cells.data() + 2 * n}, kWidth, kHeight};
  }
  PixelView canvas() { return PixelView{bytes.data(), kWidth, kHeight}; }
};

std::vector<double>& times(int which) {
  static std::vector<double> t[3];
  return t[which];
}
enum { kFast, kFastOneBand, kPlain };

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

template <class Run>
void timeKernel(benchmark::State& state, int which, Run run) {
  static KernelScene scene;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    run(scene);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    times(which).push_back(seconds);
  }
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

#define OUTLINE_PAINT_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
OUTLINE_PAINT_BENCHMARK(BM_OutlinePaintFineGrey);
OUTLINE_PAINT_BENCHMARK(BM_OutlinePaintFineThreeColours);
OUTLINE_PAINT_BENCHMARK(BM_OutlinePaintContrastPreview);
OUTLINE_PAINT_BENCHMARK(BM_OutlinePaintBrushStroke);

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
