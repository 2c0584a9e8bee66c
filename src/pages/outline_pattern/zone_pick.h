#pragma once
#include "core/image_buffers.h"
#include "core/pattern_state.h"

namespace zc {

// One pick of the zone: reads the pixel at canvas column `column` and row `row` (rows bottom-up;
// the cell must lie on the canvas), and widens each of the four ranges (in the order grey, red,
// green, blue; values 0 .. 255) to hold that pixel's value: from = min(from, value),
// to = max(to, value). The grey is trunc(0.299 R + 0.587 G + 0.114 B). Answers the pixel's
// blue, green, red and grey.
AppointColour zonePick(const PixelView& canvas, int column, int row,
                       ZoneRange (&ranges)[kZoneChannelCount]);

}  // namespace zc
