#include "pages/transfer_appear/polygon_side.h"

namespace zc {

void markBoundaryCell(const MarkView& marks, const CanvasCell& cell) {
  if (marks.holds(cell)) marks.at(cell) = kBoundaryMark;
}

void markStraightSide(const MarkView& marks, const CanvasCell& from, const CanvasCell& to,
                      int cutMode) {
  markBoundaryCell(marks, from);
  markBoundaryCell(marks, to);
  const int x0 = from.column, y0 = from.row, x1 = to.column, y1 = to.row;
  if (cutMode == kCutByColumns) {
    if (x0 == x1) return;
    const int step = x1 > x0 ? 1 : -1;
    for (int x = x0;; x += step) {
      markBoundaryCell(marks, CanvasCell{x, y0 + (y1 - y0) * (x - x0) / (x1 - x0)});
      if (x == x1) break;
    }
    return;
  }
  if (y0 == y1) return;
  const int step = y1 > y0 ? 1 : -1;
  for (int y = y0;; y += step) {
    markBoundaryCell(marks, CanvasCell{x0 + (x1 - x0) * (y - y0) / (y1 - y0), y});
    if (y == y1) break;
  }
}

}  // namespace zc
