#pragma once
// The polygon fill as the plain loops of its steps, pixel by pixel: the reference of
// evenOddFill (even_odd_fill.h).
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

void evenOddFillReference(const PixelView& canvas, const MarkView& marks, int cutMode,
                          int fillValue);

}  // namespace zc
