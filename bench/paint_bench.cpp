// Whole paint cycles at the largest canvas the program starts with (1440 x 960) and a 1440 x 960
// photograph, one benchmark per page, in the same run. Report medians.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"
#include "ui/page_contract.h"
#include "ui/screen.h"

namespace zc {
namespace {

// A 1440 x 960 picture made by tiling the 768 x 512 parrots photograph.
std::string makePhotograph() {
  const std::string source = std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp";
  std::ifstream in(source, std::ios::binary);
  std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const int sw = 768, sh = 512, w = 1440, h = 960;
  std::vector<char> out(54 + static_cast<size_t>(w) * h * 3, 0);
  std::copy(data.begin(), data.begin() + 54, out.begin());
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * i));
  };
  put32(2, static_cast<uint32_t>(out.size()));
  put32(18, w);
  put32(22, h);
  put32(34, static_cast<uint32_t>(w * h * 3));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const size_t from = 54 + (static_cast<size_t>(y % sh) * sw + (x % sw)) * 3;
      const size_t to = 54 + (static_cast<size_t>(y) * w + x) * 3;
      if (from + 2 < data.size()) std::copy(&data[from], &data[from] + 3, &out[to]);
    }
  }
  const std::string path =
      (std::filesystem::temp_directory_path() / "zindle-bench-photo.bmp").string();
  std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  return path;
}

void paintPage(benchmark::State& state, int tab, void (*prepare)()) {
  static const std::string photo = makePhotograph();
  const auto folder = std::filesystem::temp_directory_path() / "zindle-bench-work";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  HeadlessPlatform platform([](const std::string&) {}, [](const std::string&) {});
  setPlatform(&platform);
  resetWorkspace();
  platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, photo, photo});
  platform.invalidate();
  platform.runPendingPaints(shellWindowProcedure());
  if (tab != 0) {
    Message press{MessageKind::LeftDown};
    press.x = kTabCells[tab].centreX();
    press.y = 10;
    shellWindowProcedure().handle(press);
  }
  if (prepare) prepare();
  for (auto _ : state) {
    platform.invalidate();
    platform.runPendingPaints(shellWindowProcedure());
  }
  setPlatform(nullptr);
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

#define PAINT_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
PAINT_BENCHMARK(BM_PaintTop);
PAINT_BENCHMARK(BM_PaintFilterLightCore);
PAINT_BENCHMARK(BM_PaintSwapWay21);
PAINT_BENCHMARK(BM_PaintZindleEyeBrightDark);
PAINT_BENCHMARK(BM_PaintOutline);

}  // namespace
}  // namespace zc
