#pragma once
#include <cstdint>

namespace zc {

// The grey of a pixel: 0.299 R + 0.587 G + 0.114 B in double, summed in this order and truncated.
// Channels 0 .. 255 give 0 .. 255.
inline int32_t greyOf(int r, int g, int b) {
  return static_cast<int32_t>(0.299 * r + 0.587 * g + 0.114 * b);
}

}  // namespace zc
