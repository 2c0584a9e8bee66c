#include "pages/outline_pattern/zone_draw.h"

#include <cstdlib>

#include "core/grey.h"

namespace zc {

long zoneDraw(const PixelView& canvas, int greyFrom, int greyTo, int zoneColor) {
  const uint8_t p = static_cast<uint8_t>(zoneColor);
  long matched = 0;
  for (int r = 0; r < canvas.height; ++r) {
    uint8_t* px = canvas.at(0, r);
    for (int k = 0; k < canvas.width; ++k, px += 3) {
      const int32_t g = greyOf(px[2], px[1], px[0]);
      if (g < greyFrom || g > greyTo) continue;
      px[0] = px[1] = px[2] = p;
      ++matched;
    }
  }
  return matched;
}

bool zoneCoversAll(long examined, long matched) {
  return std::labs(examined - matched) < 100;
}

}  // namespace zc
