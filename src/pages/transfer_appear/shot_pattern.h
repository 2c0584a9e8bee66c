#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

// The shot: every pixel of the planes whose mark cell (addressed with the planes' row length) is 0,
// the zone part of the pattern, becomes (z, z, z) with z = zoneColor 0 .. 255; every other pixel
// keeps the picture, so the real photograph shows through the pattern part.
// Sixteen cells a step where the machine has AVX-512; the same cells as shotPatternReference
// (shot_pattern_reference.h).
struct ShotPatternTuning {
  bool vectors = true;  // false: one cell at a time
};
void shotPattern(const PlaneView& planes, const MarkView& marks, int zoneColor,
                 ShotPatternTuning tuning = {});

}  // namespace zc
