#include "pages/outline_pattern/pattern_image_reference.h"

namespace zc {

long patternImageReference(const PixelView& canvas, const MarkView& marks, int zoneColor) {
  int32_t* markPlane = marks.cells;
  const uint8_t p = static_cast<uint8_t>(zoneColor);
  long patternCount = 0;
  for (int r = 0; r < canvas.height; ++r) {
    for (int k = 0; k < canvas.width; ++k) {
      uint8_t* px = canvas.at(k, r);
      const bool zone = px[0] == p && px[1] == p && px[2] == p;
      const uint8_t v = zone ? 255 : 192;
      px[0] = px[1] = px[2] = v;
      markPlane[static_cast<long>(r) * canvas.width + k] = zone ? 0 : 1;
      if (!zone) ++patternCount;
    }
  }
  return static_cast<long>(canvas.width) * canvas.height - patternCount;
}

}  // namespace zc
