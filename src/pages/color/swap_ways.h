#pragma once
#include "core/image_buffers.h"

namespace zc {

// Number of channel ways of the Swap page (0 .. 21).
constexpr int kSwapWayCount = 22;

// Writes every pixel of `out` from the planes by the channel way `way`: exchanges (0 .. 5),
// reversals (6 .. 12) and mixes (13 .. 21). The planes are not changed. A plane value is taken
// as the byte the canvas copy would show (its low 8 bits), so way 0 equals the plain copy and
// every result lies in 0 .. 255. A way outside 0 .. 21 is treated as way 0.
// Sixty-four pixels a step where the machine has AVX-512 VBMI (vectors false: the plain
// per-pixel loop), over `bands` bands of rows on as many threads (0: two on a machine of two
// cores, for a picture of 64 rows or more). Bit for bit the plain loop of swap_ways_reference.h.
// One band by default: the vectors alone already keep up with the copy, and a second thread
// only pays where the machine's other core is free.
struct SwapTuning {
  bool vectors = true;
  int bands = 1;
};
void applySwapWay(const PlaneView& planes, const PixelView& out, int way, SwapTuning tuning = {});

}  // namespace zc
