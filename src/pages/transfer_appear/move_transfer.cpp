#include "pages/transfer_appear/move_transfer.h"

#include <algorithm>
#include <cstring>

namespace zc {

void moveTransferImage(const PlaneView& source, const PixelView& target, int offsetX, int offsetY) {
  const int w = target.width, h = target.height;
  std::memset(target.bytes, 255, static_cast<size_t>(w) * h * 3);
  // Offsets beyond the picture leave it all white; clamping keeps the sums below in range.
  const long ox = std::clamp<long>(offsetX, -w, w);
  const long oy = std::clamp<long>(offsetY, -h, h);
  const long x0 = std::max(0L, -ox), x1 = std::min<long>(w, w - ox);
  const long y0 = std::max(0L, -oy), y1 = std::min<long>(h, h - oy);
  for (long y = y0; y < y1; ++y) {
    const long from = source.index(0, static_cast<int>(y + oy)) + x0 + ox;
    const int32_t* blue = source.plane[0] + from;
    const int32_t* green = source.plane[1] + from;
    const int32_t* red = source.plane[2] + from;
    uint8_t* out = target.at(static_cast<int>(x0), static_cast<int>(y));
    for (long i = 0; i < x1 - x0; ++i) {
      out[3 * i] = static_cast<uint8_t>(blue[i]);
      out[3 * i + 1] = static_cast<uint8_t>(green[i]);
      out[3 * i + 2] = static_cast<uint8_t>(red[i]);
    }
  }
}

}  // namespace zc
