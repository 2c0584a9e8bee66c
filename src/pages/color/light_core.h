#pragma once
#include "core/image_buffers.h"

namespace zc {

// The light core: a level stretch of every plane value v between `start` and `end`, written to
// `out` (the planes are not changed). With the integer factor g = 255 / (end - start), each byte
// becomes (v - start) * g clamped to 0 .. 255; a range of one is a threshold at `start`. When every
// byte of the result is 0 the whole picture is shown as (1, 1, 1) instead. A range below one
// (never left by the page's validation) is taken as one.
// A table of the 256 byte values, looked up sixteen pixels at a time where the machine has
// AVX-512 VBMI; plane values outside a byte take the plain arithmetic. Bit for bit the plain loop
// of light_core_reference.h. The rows are worked in `bands` bands on as many threads (0: two on a
// machine of two cores, for a picture of 64 rows or more).
struct LightCoreTuning {
  bool vectors = true;  // false: the table looked up one value at a time
  int bands = 0;
};
void applyLightCore(const PlaneView& planes, const PixelView& out, int start, int end,
                    LightCoreTuning tuning = {});

}  // namespace zc
