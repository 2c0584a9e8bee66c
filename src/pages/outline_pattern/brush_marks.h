#pragma once
#include <cstdint>

#include "core/image_buffers.h"
#include "platform/rgb.h"

namespace zc {

// The brush lines held in the mark plane: every cell that is 1 (other values are no brush mark).
// marks: canvas.width x canvas.height cells (planes: the same), row length the width.

// Shows the lines: every marked pixel of the canvas becomes `colour`.
void paintMarkedCells(const MarkView& marks, const PixelView& canvas, Rgb colour);

// Commits the lines: every marked cell of the planes becomes `colour`.
void writeMarkedCells(const MarkView& marks, const PlaneView& planes, Rgb colour);

}  // namespace zc
