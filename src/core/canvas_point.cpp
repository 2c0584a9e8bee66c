#include "core/canvas_point.h"

#include "core/workspace.h"

namespace zc {

CanvasCell canvasCellAt(int x, int y) {
  const Workspace& w = ws();
  return CanvasCell{x - 100 + w.scrollX.pixelShift,
                    w.workSize.height - (y - 32) - w.scrollY.pixelShift};
}

CanvasCell canvasCellUnder(int x, int y) {
  CanvasCell cell = canvasCellAt(x, y);
  cell.row -= 1;
  return cell;
}

bool onWorkCanvas(const CanvasCell& cell) {
  const Workspace& w = ws();
  return cell.column >= 0 && cell.column < w.workSize.width && cell.row >= 0 &&
         cell.row < w.workSize.height;
}

}  // namespace zc
