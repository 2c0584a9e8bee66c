#pragma once
// The shot as the plain loop, one cell at a time: the reference of shotPattern (shot_pattern.h).
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

void shotPatternReference(const PlaneView& planes, const MarkView& marks, int zoneColor);

}  // namespace zc
