#pragma once
#include <cstdint>

namespace zc {

// A canvas cell: column from the left, row from the bottom (rows are stored bottom-up).
struct CanvasCell {
  int32_t column = 0;
  int32_t row = 0;
};

// The window point's canvas cell on the scrolled view: column x - 100 + horizontal shift and
// row H - (y - 32) - vertical shift, with H the work height. This row is one above the pixel
// drawn under the pointer; most pages address the canvas this way.
CanvasCell canvasCellAt(int x, int y);
// The same column, with the row of the pixel drawn under the pointer: H - 1 - (y - 32) - shift.
CanvasCell canvasCellUnder(int x, int y);
// True when the cell lies on the canvas at the work size.
bool onWorkCanvas(const CanvasCell& cell);

}  // namespace zc
