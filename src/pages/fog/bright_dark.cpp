#include "pages/fog/bright_dark.h"

#include <cstddef>
#include <cstdint>

namespace zc {

int brightDarkValue(int v, int bright, int dark) {
  constexpr long double kInv255 = 1.0L / 255.0L;
  long double x = static_cast<long double>(v - dark) * 2.55;  // 2.55 as a binary double
  x = x * static_cast<long double>(bright);
  x = x * kInv255;
  if (x >= 255.0L) return 255;
  if (x <= 0.0L) return 0;  // negatives clamp to 0; (-1, 0] truncates to 0 anyway
  return static_cast<int>(x);
}

void applyBrightDark(const PixelView& work, int bright, int dark) {
  // The result depends on the byte alone, so a table of the 256 answers serves every pixel.
  uint8_t table[256];
  for (int v = 0; v < 256; ++v) table[v] = static_cast<uint8_t>(brightDarkValue(v, bright, dark));
  const size_t count = static_cast<size_t>(work.width) * work.height * 3;
  for (size_t i = 0; i < count; ++i) work.bytes[i] = table[work.bytes[i]];
}

}  // namespace zc
