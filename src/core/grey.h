#pragma once
#include <cstdint>

namespace zc {

// The grey weights of red, green and blue.
inline constexpr double kGreyRed = 0.299;
inline constexpr double kGreyGreen = 0.587;
inline constexpr double kGreyBlue = 0.114;

// 0.299 R + 0.587 G + 0.114 B in double, summed in this order, not yet truncated.
inline double greyValue(int32_t r, int32_t g, int32_t b) {
  return kGreyRed * r + kGreyGreen * g + kGreyBlue * b;
}

// The grey of a pixel: greyValue truncated toward zero. Channels 0 .. 255 give 0 .. 255; the
// 64-bit step keeps plane values far outside that range defined.
inline int32_t greyOf(int32_t r, int32_t g, int32_t b) {
  return static_cast<int32_t>(static_cast<int64_t>(greyValue(r, g, b)));
}

}  // namespace zc
