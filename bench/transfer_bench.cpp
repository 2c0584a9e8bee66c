// The Transfer page at the 1440 x 960 canvas on a photograph (the parrots tiled over the canvas)
// with a fine outline drawn over it: whole paints with a traced polygon of 50 vertices, the fill of
// a large polygon, the pattern and the shot, and the fill and trace kernels alone. Report medians.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "pages/transfer_appear/even_odd_fill.h"
#include "pages/transfer_appear/outline_snap.h"
#include "pages/transfer_appear/outline_trace.h"
#include "pages/transfer_appear/polygon_side.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"

namespace zc {
namespace {

constexpr int kW = 1440, kH = 960;

// The outline: one black pixel per row, winding across the middle of the picture.
int outlineX(int rowFromTop) {
  return 700 + static_cast<int>(std::lround(200.0 * std::sin(rowFromTop / 150.0)));
}

// The parrots tiled over the canvas with the outline drawn in, as a BMP of the program's layout.
std::string makeOutlinedPhotograph() {
  constexpr int sw = 768, sh = 512;
  std::ifstream in(std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp", std::ios::binary);
  const std::vector<char> source((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
  std::vector<char> out(54 + static_cast<size_t>(kW) * kH * 3, 0);
  std::copy(source.begin(), source.begin() + 54, out.begin());
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * i));
  };
  put32(2, static_cast<uint32_t>(out.size()));
  put32(18, kW);
  put32(22, kH);
  put32(34, static_cast<uint32_t>(kW * kH * 3));
  for (int y = 0; y < kH; ++y) {  // bottom-up rows, as in the file
    for (int x = 0; x < kW; ++x) {
      const size_t from = 54 + (static_cast<size_t>(y % sh) * sw + (x % sw)) * 3;
      const size_t to = 54 + (static_cast<size_t>(y) * kW + x) * 3;
      if (from + 2 < source.size()) std::copy(&source[from], &source[from] + 3, &out[to]);
    }
    const size_t on = 54 + (static_cast<size_t>(y) * kW + outlineX(kH - 1 - y)) * 3;
    out[on] = out[on + 1] = out[on + 2] = 0;
  }
  const std::string path =
      (std::filesystem::temp_directory_path() / "zindle-bench-transfer.bmp").string();
  std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  return path;
}

void send(MessageKind kind, int x, int y) {
  Message m{kind};
  m.x = x;
  m.y = y;
  shellWindowProcedure().handle(m);
}

struct TransferScene {
  HeadlessPlatform platform{[](const std::string&) {}, [](const std::string&) {}};
  void paintPending() { platform.runPendingPaints(shellWindowProcedure()); }
  void click(int x, int y) {
    send(MessageKind::LeftDown, x, y);
    send(MessageKind::LeftUp, x, y);
    paintPending();
  }
  // The photograph opened on the Top page, then the Transfer page entered.
  TransferScene() {
    static const std::string photo = makeOutlinedPhotograph();
    const auto folder = std::filesystem::temp_directory_path() / "zindle-bench-work";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    setPlatform(&platform);
    resetWorkspace();
    platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, photo, photo});
    platform.invalidate();
    paintPending();
    click(720, 10);
  }
  ~TransferScene() { setPlatform(nullptr); }
  void paint() {
    platform.invalidate();
    paintPending();
  }
};

// Trace on, a polygon started and 50 vertices clicked two pixels off the outline, every 12 rows.
void tracedPolygon(TransferScene& scene) {
  scene.click(40, 340);
  scene.click(25, 367);
  for (int k = 0; k < 50; ++k) {
    const int y = 40 + 12 * k;
    scene.click(outlineX(y - 32) + 100 + 2, y);
  }
}

void BM_TransferPaintIdle(benchmark::State& state) {
  TransferScene scene;
  for (auto _ : state) scene.paint();
}

void BM_TransferPaintTracedPolygon50(benchmark::State& state) {
  TransferScene scene;
  tracedPolygon(scene);
  if (ws().transfer.vertexCount != 49 || ws().transfer.trace[1].length < 10) {
    state.SkipWithError("the polygon was not traced");
  }
  for (auto _ : state) scene.paint();
}

// The paint after a click: the 50th vertex is placed again, snapped, and its side traced.
void BM_TransferPaintTracedVertexClick(benchmark::State& state) {
  TransferScene scene;
  tracedPolygon(scene);
  TransferPageState& t = ws().transfer;
  const CanvasCell clicked{outlineX(40 + 12 * 49 - 32) + 2, kH - 1 - (40 + 12 * 49 - 32)};
  for (auto _ : state) {
    t.vertexCount = 48;
    t.currentPoint = clicked;
    t.vertexRequest = 1;
    scene.paint();
  }
}

// A 48-gon of radius 450 around the canvas's middle, marked row by row.
void markLargePolygon() {
  clearMarkPlane();
  const MarkView marks{plane(3), kW, kH};
  constexpr int kCorners = 48;
  auto corner = [](int k) {
    const double a = 2.0 * M_PI * k / kCorners;
    return CanvasCell{720 + static_cast<int>(450 * std::cos(a)),
                      480 + static_cast<int>(450 * std::sin(a))};
  };
  for (int k = 0; k < kCorners; ++k) markStraightSide(marks, corner(k), corner(k + 1), kCutByRows);
}

void BM_TransferPaintFillLargePolygon(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  for (auto _ : state) {
    ws().transfer.fillRequest = 1;
    ws().transfer.fillWithFlag = 1;
    scene.paint();
  }
}

void BM_TransferPaintPattern(benchmark::State& state) {
  TransferScene scene;
  for (auto _ : state) {
    ws().transfer.patternRequest = 1;
    scene.paint();
  }
}

void BM_TransferPaintShot(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  for (auto _ : state) {
    ws().transfer.shotRequest = 1;
    scene.paint();
  }
}

// The kernels alone, on the canvas buffer and the planes of the scene.
void BM_EvenOddFillKernel(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  const int mode = static_cast<int>(state.range(0));
  for (auto _ : state) evenOddFill(PixelView{canvasBuffer(), kW, kH}, plane(3), mode, 255);
}

void BM_TraceKernelWholeHeight(benchmark::State& state) {
  TransferScene scene;
  const PlaneView planes{{plane(0), plane(1), plane(2)}, kW, kH};
  const OutlineLines lines = outlineLines(planes, OutlineColour{}, kCutByRows);
  const MarkView marks{plane(3), kW, kH};
  TraceList lists[2];
  const CanvasCell p{outlineX(kH - 1), 0}, q{outlineX(0), kH - 1};
  for (auto _ : state) {
    if (traceSide(lines, marks, p, q, lists) == 0) state.SkipWithError("not on the outline");
  }
}

#define TRANSFER_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
TRANSFER_BENCHMARK(BM_TransferPaintIdle);
TRANSFER_BENCHMARK(BM_TransferPaintTracedPolygon50);
TRANSFER_BENCHMARK(BM_TransferPaintTracedVertexClick);
TRANSFER_BENCHMARK(BM_TransferPaintFillLargePolygon);
TRANSFER_BENCHMARK(BM_TransferPaintPattern);
TRANSFER_BENCHMARK(BM_TransferPaintShot);
TRANSFER_BENCHMARK(BM_EvenOddFillKernel)->Arg(kCutByRows)->Arg(kCutByColumns);
TRANSFER_BENCHMARK(BM_TraceKernelWholeHeight);

}  // namespace
}  // namespace zc
