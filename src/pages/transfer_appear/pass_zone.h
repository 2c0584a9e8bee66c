#pragma once
// The pass test of the Appear page: which pixels of the transfer image are open windows through
// which the back image shows.
#include <cstdint>

#include "core/grey.h"
#include "core/image_buffers.h"

namespace zc {

// The pass zone as plain values.
//   mode: 1 perfect black (0, 0, 0); 2 perfect white (255, 255, 255); 3 or 4 the colour
//         condition below (3 and 4 differ only in which end the page edits). Other values pass
//         nothing.
//   condition (modes 3 and 4): 1 "3C" (red, green and blue each in [start, end]); 2 gray
//         (trunc(0.299 R + 0.587 G + 0.114 B) in [start, end]); 3 red; 4 green; 5 blue;
//         6 cyan (green and blue); 7 magenta (red and blue); 8 yellow (red and green). Other
//         values pass nothing.
//   start, end: the inclusive range 0 .. 255 (start > end passes nothing).
struct PassZone {
  int mode = 2;
  int condition = 2;
  int start = 255;
  int end = 255;
};

// True when the pixel (r, g, b), each 0 .. 255, passes the zone.
inline bool passesZone(const PassZone& zone, int r, int g, int b) {
  switch (zone.mode) {
    case 1:
      return r == 0 && g == 0 && b == 0;
    case 2:
      return r == 255 && g == 255 && b == 255;
    case 3:
    case 4:
      break;
    default:
      return false;
  }
  auto in = [&](int v) { return v >= zone.start && v <= zone.end; };
  switch (zone.condition) {
    case 1:
      return in(r) && in(g) && in(b);
    case 2:
      return in(greyOf(r, g, b));
    case 3:
      return in(r);
    case 4:
      return in(g);
    case 5:
      return in(b);
    case 6:
      return in(g) && in(b);
    case 7:
      return in(r) && in(b);
    case 8:
      return in(r) && in(g);
    default:
      return false;
  }
}

// mask[x + y * width] = 1 for every pixel of the picture (blue, green, red bytes) that passes the
// zone, else 0. The mask holds width * height cells.
void markPassZone(const PixelView& picture, const PassZone& zone, uint8_t* mask);

}  // namespace zc
