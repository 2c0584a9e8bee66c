#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

struct ZonePatternCounts {
  long matched = 0;    // pixels whose grey lay in the range (as zoneDraw answers)
  long zoneCount = 0;  // pixels that became white (as patternImage answers)
};

// The zone drawn and the pattern made in one pass, for a paint that does both: the same pixels,
// mark cells and counts as zoneDraw(canvas, greyFrom, greyTo, zoneColor) followed by
// patternImage(canvas, marks, zoneColor), whose plain loops stay the reference. A pixel
// becomes white with mark 0 when its grey lies in greyFrom .. greyTo (0 .. 255, both included) or
// its three bytes already equal zoneColor (0 .. 255); otherwise grey 192 with mark 1. The mark
// plane is addressed with the canvas's row length.
// Sixteen pixels a step where the machine has AVX-512 VBMI.
struct ZonePatternTuning {
  bool vectors = true;  // false: one pixel at a time
};
ZonePatternCounts zoneAndPattern(const PixelView& canvas, const MarkView& marks, int greyFrom,
                                 int greyTo, int zoneColor, ZonePatternTuning tuning = {});

}  // namespace zc
