// One whole paint of the Pattern page at the 1440 x 960 canvas with a 1440 x 960 photograph, the
// zone drawn and the pattern on. Report the median.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "pages/outline_pattern/pattern_image.h"
#include "pages/outline_pattern/zone_draw.h"
#include "pages/outline_pattern/zone_pattern.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"

namespace zc {
namespace {

// The 768 x 512 parrots photograph scaled to 1440 x 960 (nearest pixel), as a BMP in a temp folder.
std::string scaledPhotograph() {
  const std::string source = std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp";
  std::ifstream in(source, std::ios::binary);
  const std::vector<char> data((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  constexpr int sw = 768, sh = 512, w = 1440, h = 960, header = 54;
  std::vector<char> out(header + static_cast<size_t>(w) * h * 3, 0);
  std::copy(data.begin(), data.begin() + header, out.begin());
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * i));
  };
  put32(2, static_cast<uint32_t>(out.size()));
  put32(18, w);
  put32(22, h);
  put32(34, static_cast<uint32_t>(w * h * 3));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const size_t from = header + (static_cast<size_t>(y * sh / h) * sw + x * sw / w) * 3;
      const size_t to = header + (static_cast<size_t>(y) * w + x) * 3;
      std::copy(&data[from], &data[from] + 3, &out[to]);
    }
  }
  const auto folder = std::filesystem::temp_directory_path() / "zindle-pattern-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "parrots-1440x960.bmp").string();
  std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  return path;
}

void BM_PaintPatternZoneDrawnAndPatternOn(benchmark::State& state) {
  static const std::string photo = scaledPhotograph();
  std::filesystem::current_path(std::filesystem::path(photo).parent_path());
  HeadlessPlatform platform([](const std::string&) {}, [](const std::string&) {});
  setPlatform(&platform);
  resetWorkspace();
  platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, photo, photo});
  platform.invalidate();
  platform.runPendingPaints(shellWindowProcedure());
  Message tab{MessageKind::LeftDown};
  tab.x = 640;
  tab.y = 10;
  shellWindowProcedure().handle(tab);
  PatternPageState& p = ws().pattern;
  p.ranges[kZoneGrey] = ZoneRange{90, 150};
  p.drawZoneRequest = 1;
  p.areaMode = 1;
  p.patternRequest = 1;
  for (auto _ : state) {
    platform.invalidate();
    platform.runPendingPaints(shellWindowProcedure());
  }
  setPlatform(nullptr);
}

BENCHMARK(BM_PaintPatternZoneDrawnAndPatternOn)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The photograph's pixels, bottom-up as in the canvas.
std::vector<uint8_t> photographPixels() {
  const std::string photo = scaledPhotograph();
  std::ifstream in(photo, std::ios::binary);
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  data.erase(data.begin(), data.begin() + 54);
  return data;
}

// The zone drawn and the pattern made: the plain pair of steps and the one-pass form, on the same
// pixels, in one run.
void BM_ZoneDrawThenPatternImage(benchmark::State& state) {
  const std::vector<uint8_t> photo = photographPixels();
  std::vector<uint8_t> canvas = photo;
  std::vector<int32_t> marks(1440 * 960);
  for (auto _ : state) {
    state.PauseTiming();
    canvas = photo;
    state.ResumeTiming();
    const PixelView view{canvas.data(), 1440, 960};
    benchmark::DoNotOptimize(zoneDraw(view, 90, 150, 255));
    benchmark::DoNotOptimize(patternImage(view, marks.data(), 255));
  }
}

void BM_ZoneAndPattern(benchmark::State& state) {
  const std::vector<uint8_t> photo = photographPixels();
  std::vector<uint8_t> canvas = photo;
  std::vector<int32_t> marks(1440 * 960);
  for (auto _ : state) {
    state.PauseTiming();
    canvas = photo;
    state.ResumeTiming();
    benchmark::DoNotOptimize(
        zoneAndPattern(PixelView{canvas.data(), 1440, 960}, marks.data(), 90, 150, 255));
  }
}

#define PATTERN_KERNEL_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
PATTERN_KERNEL_BENCHMARK(BM_ZoneDrawThenPatternImage);
PATTERN_KERNEL_BENCHMARK(BM_ZoneAndPattern);

}  // namespace
}  // namespace zc
