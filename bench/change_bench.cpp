// Whole paints of the Change page at 1440 x 960 with a 1440 x 960 photograph: the pseudocolour
// of a target range and the conversion in each act mode. Report medians.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/color/color_change.h"
#include "pages/color/color_change_reference.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"

namespace zc {
namespace {

constexpr int kWidth = 1440, kHeight = 960;

// The 768 x 512 parrots photograph scaled to 1440 x 960 (nearest pixel): bottom-up rows of blue,
// green, red bytes, as a 24-bit BMP stores them without padding at this width.
const std::vector<char>& scaledPixels() {
  static const std::vector<char> pixels = [] {
    const std::string source = std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp";
    std::ifstream in(source, std::ios::binary);
    const std::vector<char> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    const int sw = 768, sh = 512;
    std::vector<char> out(static_cast<size_t>(kWidth) * kHeight * 3, 0);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const size_t from = 54 + (static_cast<size_t>(y * sh / kHeight) * sw + x * sw / kWidth) * 3;
        const size_t to = (static_cast<size_t>(y) * kWidth + x) * 3;
        if (from + 2 < data.size()) std::copy(&data[from], &data[from] + 3, &out[to]);
      }
    }
    return out;
  }();
  return pixels;
}

// The scaled photograph as a BMP file in a temp folder.
std::string scaledPhotograph() {
  const std::vector<char>& pixels = scaledPixels();
  std::vector<char> out(54, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * i));
  };
  out[0] = 'B', out[1] = 'M';
  put32(2, static_cast<uint32_t>(54 + pixels.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kWidth);
  put32(22, kHeight);
  out[26] = 1, out[28] = 24;
  put32(34, static_cast<uint32_t>(pixels.size()));
  out.insert(out.end(), pixels.begin(), pixels.end());
  const auto folder = std::filesystem::temp_directory_path() / "zindle-change-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "parrots-1440x960.bmp").string();
  std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  return path;
}

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
  static const std::string photo = scaledPhotograph();
  std::filesystem::current_path(std::filesystem::path(photo).parent_path());
  HeadlessPlatform platform([](const std::string&) {}, [](const std::string&) {});
  setPlatform(&platform);
  resetWorkspace();
  platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, photo, photo});
  platform.invalidate();
  platform.runPendingPaints(shellWindowProcedure());
  Message press{MessageKind::LeftDown};
  press.x = 480;  // the "4)Change" tab
  press.y = 10;
  shellWindowProcedure().handle(press);
  targetRange();
  ws().change.convertApply = actMode != 0 ? 1 : 0;
  ws().change.actMode = actMode != 0 ? actMode : 3;
  for (auto _ : state) {
    platform.invalidate();
    platform.runPendingPaints(shellWindowProcedure());
  }
  setPlatform(nullptr);
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

// The kernels alone on the scaled photograph: the fast forms against the plain loops, with
// the target range and convert colour of the paints above (grey 43 .. 183).
struct KernelScene {
  std::vector<int32_t> plane[3];
  std::vector<uint8_t> bytes;
  ColorRange range;
  ChangeColour convert{200, 60, 40};
  KernelScene() : bytes(static_cast<size_t>(kWidth) * kHeight * 3) {
    const std::vector<char>& pixels = scaledPixels();
    for (int k = 0; k < 3; ++k) {
      plane[k].resize(static_cast<size_t>(kWidth) * kHeight);
      for (size_t i = 0; i < plane[k].size(); ++i) {
        plane[k][i] = static_cast<uint8_t>(pixels[3 * i + k]);
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

#define CHANGE_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
CHANGE_BENCHMARK(BM_PaintChangePseudocolor);
CHANGE_BENCHMARK(BM_PaintChangeWeak);
CHANGE_BENCHMARK(BM_PaintChangeMiddle);
CHANGE_BENCHMARK(BM_PaintChangeAll);
BENCHMARK(BM_Convert<convertColors>)
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
CHANGE_BENCHMARK(BM_Pseudocolor<showTargetPseudocolor>)->Name("BM_ChangePseudocolorFast");
CHANGE_BENCHMARK(BM_Pseudocolor<showTargetPseudocolorReference>)
    ->Name("BM_ChangePseudocolorReference");

}  // namespace
}  // namespace zc
