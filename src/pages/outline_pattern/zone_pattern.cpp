#include "pages/outline_pattern/zone_pattern.h"

#include "core/grey.h"

namespace zc {

ZonePatternCounts zoneAndPattern(const PixelView& canvas, int32_t* markPlane, int greyFrom,
                                 int greyTo, int zoneColor) {
  const uint8_t p = static_cast<uint8_t>(zoneColor);
  long matched = 0, patternCount = 0;  // locals: byte stores may alias the answer's memory
  for (int r = 0; r < canvas.height; ++r) {
    uint8_t* px = canvas.at(0, r);
    int32_t* mark = markPlane + static_cast<long>(r) * canvas.width;
    for (int k = 0; k < canvas.width; ++k, px += 3) {
      const int32_t g = greyOf(px[2], px[1], px[0]);
      const bool inRange = greyFrom <= g && g <= greyTo;
      // Every pixel is written, so the choice compiles to selects rather than branches that the
      // unpredictable edges of a photograph would keep mispredicting.
      const bool zone = inRange || (px[0] == p && px[1] == p && px[2] == p);
      const uint8_t v = zone ? 255 : 192;
      px[0] = px[1] = px[2] = v;
      mark[k] = zone ? 0 : 1;
      matched += inRange ? 1 : 0;
      patternCount += zone ? 0 : 1;
    }
  }
  return ZonePatternCounts{matched, static_cast<long>(canvas.width) * canvas.height - patternCount};
}

}  // namespace zc
