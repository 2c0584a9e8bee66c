#pragma once
// The light core as the plain loop of its arithmetic, over 64-bit values: the reference of the
// table form in light_core.h, and its rule for plane values outside 0 .. 255.
#include "core/image_buffers.h"

namespace zc {

void applyLightCoreReference(const PlaneView& planes, const PixelView& out, int start, int end);

}  // namespace zc
