#pragma once
#include <cstdint>

#include "core/canvas_point.h"
#include "core/image_buffers.h"

namespace zc {

// How a polygon cuts: row by row (the level line flag, for sides that run almost vertically) or
// column by column (the vertical line flag, for sides that run almost level). The fill of the same
// mode pairs the boundary cells of each row or column.
constexpr int kCutByRows = 1;
constexpr int kCutByColumns = 2;

// A boundary cell of the polygon in the mark plane.
constexpr int32_t kBoundaryMark = 1;

// Marks one boundary cell; a cell off the canvas is left alone.
void markBoundaryCell(const MarkView& marks, const CanvasCell& cell);

// Marks the straight side from `from` to `to` (both canvas cells): both end cells, then one cell
// per row (kCutByRows: column x0 + (x1 - x0) * (y - y0) / (y1 - y0) for every row y from y0 to y1)
// or one cell per column (kCutByColumns: the same with rows and columns exchanged), integer
// division truncating toward zero. A level side in row mode, or an upright side in column mode,
// gives only its two end cells. Any other cut mode is taken as kCutByRows.
void markStraightSide(const MarkView& marks, const CanvasCell& from, const CanvasCell& to,
                      int cutMode);

}  // namespace zc
