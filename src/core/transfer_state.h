#pragma once
#include <cstdint>

#include "core/canvas_point.h"

namespace zc {

// A polygon holds vertices 0 .. kMaxVertexIndex: further clicks replace the last one.
constexpr int kMaxVertexIndex = 256;
// A traced side has one point per line it crosses, so a list holds the longest line walk of the
// largest canvas (1680 columns) plus its start point.
constexpr int kTracePointCapacity = 1681;

// The points of one track along an outline: canvas columns and rows (row 0 the bottom row), and
// the number of line pairs whose tracked coordinate jumps by more than the trace's step limit.
struct TraceList {
  int32_t column[kTracePointCapacity] = {};
  int32_t row[kTracePointCapacity] = {};
  int32_t length = 0;
  int32_t jumps = 0;
};

// The Transfer page's settings with their start values.
struct TransferPageState {
  int32_t helpTopic = 0;

  int32_t grayValue = 192;  // flag colour p of the fill, RGB = (p, p, p)
  int32_t sealWidth = 32;   // even, 2 .. 98
  int32_t shape = 0;        // 0 none, 1 .. 6 seal shapes, 7 square area, 99 polygon
  int32_t cutMode = 1;  // 1 level line flag (row by row), 2 vertical line flag (column by column)
  int32_t traceOn = 0;  // polygon sides follow the outlines

  int32_t polygonStarted = 0;
  int32_t vertexRequest = 0;  // an image click placed a new vertex at the current point
  int32_t closeRequest = 0;
  int32_t fillRequest = 0;
  int32_t fillWithFlag = 0;  // 0 fill white, 1 fill with the gray value
  // The last clicked vertex and the vertices, as canvas cells of the view they were clicked on.
  // Each side is marked once, by the paint after its end vertex is placed.
  CanvasCell currentPoint{};
  CanvasCell vertex[kMaxVertexIndex + 1] = {};
  int32_t vertexCount = -1;  // index of the last vertex; -1 while none is placed
  CanvasCell sealPoint{};    // an image click while no polygon is started

  TraceList trace[2];  // list 1 and list 2 of the last traced side

  // One-shot requests of the lower column, cleared by the paint that performs them.
  int32_t patternRequest = 0;
  int32_t patternSaveRequest = 0;
  int32_t shotRequest = 0;
};

}  // namespace zc
