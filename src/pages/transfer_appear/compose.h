#pragma once
// The compose of the Appear page: the moved transfer image laid over the back image, the back
// image showing through the pass zone, blended across its border by the gradation.
#include "core/image_buffers.h"
#include "pages/transfer_appear/pass_zone.h"

namespace zc {

// The same arithmetic as composeThroughPassZoneReference (compose_reference.h), bit for bit:
// for every pixel (x, y) with g <= x < width - g and g <= y < height - g, d is the number of
// transfer pixels of the (2g + 1) x (2g + 1) window centred on (x, y) that pass the zone, and
// each byte of the back pixel becomes (back * d + transfer * (k - d)) / k with k = (2g + 1)^2
// (integer division). Pixels nearer than g to the border keep the back image.
// The pass test runs once per pixel and the windows are counted with running column and row
// sums, so the cost does not grow with g; counts and blend go sixteen pixels a step where the
// machine has AVX-512 VBMI.
//   transfer: the moved transfer image; back: the back image, which becomes the composition;
//   both blue, green, red bytes of the same width and height, distinct pictures;
//   gradation g: 0 .. 8 (larger values work, a negative one counts as 0).
void composeThroughPassZone(const PixelView& transfer, const PixelView& back, const PassZone& zone,
                            int gradation);

}  // namespace zc
