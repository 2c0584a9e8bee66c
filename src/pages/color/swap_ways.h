#pragma once
#include "core/image_buffers.h"

namespace zc {

// Number of channel ways of the Swap page (0 .. 21).
constexpr int kSwapWayCount = 22;

// Writes every pixel of `out` from the planes by the channel way `way`: exchanges (0 .. 5),
// reversals (6 .. 12) and mixes (13 .. 21). The planes are not changed. A plane value is taken
// as the byte the canvas copy would show (its low 8 bits), so way 0 equals the plain copy and
// every result lies in 0 .. 255. A way outside 0 .. 21 is treated as way 0.
void applySwapWay(const PlaneView& planes, const PixelView& out, int way);

}  // namespace zc
