#pragma once
// The compose of the Appear page as the plain window loop: the reference the fast form is
// checked and timed against.
#include "core/image_buffers.h"
#include "pages/transfer_appear/pass_zone.h"

namespace zc {

// For every pixel (x, y) with g <= x < width - g and g <= y < height - g, d is the number of
// transfer pixels of the (2g + 1) x (2g + 1) window centred on (x, y) that pass the zone, and
// each byte of the back pixel becomes (back * d + transfer * (k - d)) / k with k = (2g + 1)^2
// (integer division). Pixels nearer than g to the border keep the back image.
//   transfer: the moved transfer image; back: the back image, which becomes the composition;
//   both blue, green, red bytes of the same width and height, distinct pictures;
//   gradation g: 0 .. 8 (larger values work, a negative one counts as 0).
void composeThroughPassZoneReference(const PixelView& transfer, const PixelView& back,
                                     const PassZone& zone, int gradation);

}  // namespace zc
