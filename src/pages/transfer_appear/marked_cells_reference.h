#pragma once
// The marked cells drawn by the plain loop, one cell at a time: the reference of drawMarkedCells
// (marked_cells.h).
#include <cstdint>

#include "pages/transfer_appear/marked_cells.h"

namespace zc {

void drawMarkedCellsReference(const PixelView& canvas, const MarkView& marks, MarkColour colour);

}  // namespace zc
