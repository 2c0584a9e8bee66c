#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

// The picture the pattern save writes: every pixel the grey level 255 - 128 * cell of its mark cell
// (addressed with the picture's row length), clamped to 0 .. 255: 255 for the zone part (cell 0)
// and 127 for the pattern part (cell 1).
void patternSaveLevels(const MarkView& marks, const PixelView& out);

}  // namespace zc
