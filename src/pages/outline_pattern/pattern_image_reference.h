#pragma once
// The pattern image as the plain loop, one pixel at a time: the reference of patternImage
// (pattern_image.h), bit for bit.
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

long patternImageReference(const PixelView& canvas, const MarkView& marks, int zoneColor);

}  // namespace zc
