#pragma once
// Bright and dark as the plain loop: every byte through brightDarkValue. The reference of the
// table form in bright_dark.h.
#include "core/image_buffers.h"

namespace zc {

void applyBrightDarkReference(const PixelView& work, int bright, int dark);

}  // namespace zc
