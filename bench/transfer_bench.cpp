// The Transfer page at the 1440 x 960 canvas on a photograph (the parrots tiled over the canvas)
// with a fine outline drawn over it: whole paints with a traced polygon of 50 vertices, the fill of
// a large polygon, the pattern and the shot, and the fill and trace kernels alone. Report medians.
#include <cmath>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/workspace.h"
#include "pages/transfer_appear/even_odd_fill.h"
#include "pages/transfer_appear/even_odd_fill_reference.h"
#include "pages/transfer_appear/marked_cells_reference.h"
#include "pages/transfer_appear/outline_snap.h"
#include "pages/transfer_appear/outline_trace.h"
#include "pages/transfer_appear/polygon_marks.h"
#include "pages/transfer_appear/polygon_side.h"
#include "pages/transfer_appear/shot_pattern.h"
#include "pages/transfer_appear/shot_pattern_reference.h"

namespace zc {
namespace {

using namespace bench;

constexpr int kW = kWidth, kH = kHeight;

// The outline: one black pixel per row, winding across the middle of the picture.
int outlineX(int rowFromTop) {
  return 700 + static_cast<int>(std::lround(200.0 * std::sin(rowFromTop / 150.0)));
}

// The photograph with the outline drawn in, as a BMP in the work folder.
const std::string& outlinedPhotograph() {
  static const std::string path = [] {
    std::vector<uint8_t> pixels = photographPixels();
    for (int y = 0; y < kH; ++y) {  // bottom-up rows, as in the file
      const size_t on = (static_cast<size_t>(y) * kW + outlineX(kH - 1 - y)) * 3;
      pixels[on] = pixels[on + 1] = pixels[on + 2] = 0;
    }
    return writePhotograph(pixels, "parrots-1440x960-outlined.bmp");
  }();
  return path;
}

// The outlined photograph opened on the Top page, then the Transfer page entered.
struct TransferScene : ProgramRun {
  TransferScene() : ProgramRun(outlinedPhotograph()) { click(720, 10); }
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
  for (auto _ : state)
    evenOddFill(PixelView{canvasBuffer(), kW, kH}, MarkView{plane(3), kW, kH}, mode, 255);
}

void BM_EvenOddFillPlainLoop(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  const int mode = static_cast<int>(state.range(0));
  for (auto _ : state) {
    evenOddFillReference(PixelView{canvasBuffer(), kW, kH}, MarkView{plane(3), kW, kH}, mode, 255);
  }
}

// The shot over the large polygon's marks (nearly every cell in the zone part), and the sides of
// the polygon drawn, on the scene's planes and canvas: fast forms and plain loops.
void BM_ShotPatternFast(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  for (auto _ : state)
    shotPattern(PlaneView{{plane(0), plane(1), plane(2)}, kW, kH}, MarkView{plane(3), kW, kH}, 7);
}
void BM_ShotPatternPlainLoop(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  for (auto _ : state) {
    shotPatternReference(PlaneView{{plane(0), plane(1), plane(2)}, kW, kH},
                         MarkView{plane(3), kW, kH}, 7);
  }
}
void BM_MarkedCellsFast(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  for (auto _ : state)
    drawMarkedCells(PixelView{canvasBuffer(), kW, kH}, MarkView{plane(3), kW, kH}, kSideRed);
}
void BM_MarkedCellsPlainLoop(benchmark::State& state) {
  TransferScene scene;
  markLargePolygon();
  for (auto _ : state) {
    drawMarkedCellsReference(PixelView{canvasBuffer(), kW, kH}, MarkView{plane(3), kW, kH},
                             kSideRed);
  }
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

ZINDLE_MEDIAN_BENCHMARK(BM_TransferPaintIdle);
ZINDLE_MEDIAN_BENCHMARK(BM_TransferPaintTracedPolygon50);
ZINDLE_MEDIAN_BENCHMARK(BM_TransferPaintTracedVertexClick);
ZINDLE_MEDIAN_BENCHMARK(BM_TransferPaintFillLargePolygon);
ZINDLE_MEDIAN_BENCHMARK(BM_TransferPaintPattern);
ZINDLE_MEDIAN_BENCHMARK(BM_TransferPaintShot);
ZINDLE_MEDIAN_BENCHMARK(BM_EvenOddFillKernel)->Arg(kCutByRows)->Arg(kCutByColumns);
ZINDLE_MEDIAN_BENCHMARK(BM_EvenOddFillPlainLoop)->Arg(kCutByRows)->Arg(kCutByColumns);
ZINDLE_MEDIAN_BENCHMARK(BM_TraceKernelWholeHeight);
ZINDLE_MEDIAN_BENCHMARK(BM_ShotPatternFast);
ZINDLE_MEDIAN_BENCHMARK(BM_ShotPatternPlainLoop);
ZINDLE_MEDIAN_BENCHMARK(BM_MarkedCellsFast);
ZINDLE_MEDIAN_BENCHMARK(BM_MarkedCellsPlainLoop);

}  // namespace
}  // namespace zc
