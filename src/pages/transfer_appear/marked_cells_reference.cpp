#include "pages/transfer_appear/marked_cells_reference.h"

namespace zc {

void drawMarkedCellsReference(const PixelView& canvas, const MarkView& markView,
                              MarkColour colour) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(canvas.width) * canvas.height;
  for (long i = 0; i < cells; ++i) {
    if (marks[i] == 0) continue;
    uint8_t* px = canvas.bytes + i * 3;
    px[0] = colour.blue;
    px[1] = colour.green;
    px[2] = colour.red;
  }
}

}  // namespace zc
