#include "pages/transfer_appear/move_transfer.h"

#include <algorithm>
#include <cstring>

namespace zc {

void moveTransferImage(const PixelView& source, const PixelView& target, int offsetX, int offsetY) {
  const int w = target.width, h = target.height;
  // Offsets beyond the picture leave it all white; clamping keeps the sums below in range.
  const long ox = std::clamp<long>(offsetX, -w, w);
  const long oy = std::clamp<long>(offsetY, -h, h);
  const long x0 = std::max(0L, -ox), x1 = std::min<long>(w, w - ox);
  const long y0 = std::max(0L, -oy), y1 = std::min<long>(h, h - oy);
  const size_t rowBytes = static_cast<size_t>(w) * 3;
  for (long y = 0; y < h; ++y) {
    uint8_t* row = target.at(0, static_cast<int>(y));
    if (y < y0 || y >= y1) {
      std::memset(row, 255, rowBytes);
      continue;
    }
    // White where no source pixel lands, the source row's part elsewhere.
    std::memset(row, 255, static_cast<size_t>(x0) * 3);
    std::memcpy(row + 3 * x0, source.at(static_cast<int>(x0 + ox), static_cast<int>(y + oy)),
                static_cast<size_t>(x1 - x0) * 3);
    std::memset(row + 3 * x1, 255, static_cast<size_t>(w - x1) * 3);
  }
}

}  // namespace zc
