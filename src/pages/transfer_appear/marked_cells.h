#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

// What the Transfer page draws over the canvas while a polygon is under way. Colours are given as
// red, green, blue bytes.
struct MarkColour {
  uint8_t red = 0, green = 0, blue = 0;
};

// Paints every canvas pixel whose mark cell (addressed with the canvas's row length) is nonzero.
// The marks are looked at sixteen at a time where the machine has AVX-512, and a step without a
// mark is passed over; the same pixels as drawMarkedCellsReference (marked_cells_reference.h).
struct MarkedCellsTuning {
  bool vectors = true;  // false: one cell at a time
};
void drawMarkedCells(const PixelView& canvas, const MarkView& marks, MarkColour colour,
                     MarkedCellsTuning tuning = {});

}  // namespace zc
