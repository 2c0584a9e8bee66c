#include "pages/transfer_appear/compose_reference.h"

#include <algorithm>

namespace zc {

void composeThroughPassZoneReference(const PixelView& transfer, const PixelView& back,
                                     const PassZone& zone, int gradation) {
  const int g = std::max(0, gradation);
  const int w = back.width, h = back.height;
  const int k = (2 * g + 1) * (2 * g + 1);
  for (int y = g; y < h - g; ++y) {
    for (int x = g; x < w - g; ++x) {
      int d = 0;
      for (int wy = y - g; wy <= y + g; ++wy) {
        for (int wx = x - g; wx <= x + g; ++wx) {
          const uint8_t* p = transfer.at(wx, wy);
          if (passesZone(zone, p[2], p[1], p[0])) ++d;
        }
      }
      const uint8_t* t = transfer.at(x, y);
      uint8_t* b = back.at(x, y);
      for (int c = 0; c < 3; ++c) b[c] = static_cast<uint8_t>((b[c] * d + t[c] * (k - d)) / k);
    }
  }
}

}  // namespace zc
