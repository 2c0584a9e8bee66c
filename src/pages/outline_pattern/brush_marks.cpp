#include "pages/outline_pattern/brush_marks.h"

namespace zc {

void paintMarkedCells(const MarkView& markView, const PixelView& canvas, Rgb colour) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(canvas.width) * canvas.height;
  for (long i = 0; i < cells; ++i) {
    if (marks[i] != 1) continue;
    uint8_t* p = canvas.bytes + 3 * i;
    p[0] = colour.b;
    p[1] = colour.g;
    p[2] = colour.r;
  }
}

void writeMarkedCells(const MarkView& markView, const PlaneView& planes, Rgb colour) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(planes.width) * planes.height;
  for (long i = 0; i < cells; ++i) {
    if (marks[i] != 1) continue;
    planes.plane[0][i] = colour.b;
    planes.plane[1][i] = colour.g;
    planes.plane[2][i] = colour.r;
  }
}

}  // namespace zc
