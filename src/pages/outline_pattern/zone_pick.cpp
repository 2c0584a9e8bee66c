#include "pages/outline_pattern/zone_pick.h"

#include <algorithm>

#include "core/grey.h"

namespace zc {

AppointColour zonePick(const PixelView& canvas, int column, int row,
                       ZoneRange (&ranges)[kZoneChannelCount]) {
  const uint8_t* px = canvas.at(column, row);
  AppointColour picked{px[0], px[1], px[2], greyOf(px[2], px[1], px[0])};
  const int32_t value[kZoneChannelCount] = {picked.grey, picked.r, picked.g, picked.b};
  for (int c = 0; c < kZoneChannelCount; ++c) {
    ranges[c].from = std::min(ranges[c].from, value[c]);
    ranges[c].to = std::max(ranges[c].to, value[c]);
  }
  return picked;
}

}  // namespace zc
