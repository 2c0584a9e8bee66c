#pragma once
// The channel ways as the plain loop, one pixel at a time: the reference of the fast form in
// swap_ways.h.
#include "core/image_buffers.h"

namespace zc {

void applySwapWayReference(const PlaneView& planes, const PixelView& out, int way);

}  // namespace zc
