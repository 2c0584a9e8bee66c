#include "pages/transfer_appear/polygon_marks.h"

namespace zc {
namespace {

bool onCanvas(const PixelView& canvas, int column, int row) {
  return column >= 0 && column < canvas.width && row >= 0 && row < canvas.height;
}

void put(const PixelView& canvas, int column, int row, MarkColour colour) {
  if (!onCanvas(canvas, column, row)) return;
  uint8_t* px = canvas.at(column, row);
  px[0] = colour.blue;
  px[1] = colour.green;
  px[2] = colour.red;
}

}  // namespace

void drawVertexMarker(const PixelView& canvas, const CanvasCell& cell, MarkColour colour) {
  if (!onCanvas(canvas, cell.column, cell.row)) return;
  // Rows are stored bottom-up: up on the window is a higher row.
  for (int d = -8; d <= 7; ++d) {
    put(canvas, cell.column + d, cell.row, colour);
    put(canvas, cell.column, cell.row - d, colour);
  }
}

void drawTracePoints(const PixelView& canvas, const TraceList& list, MarkColour colour) {
  for (int i = 0; i < list.length; ++i) put(canvas, list.column[i], list.row[i], colour);
}

}  // namespace zc
