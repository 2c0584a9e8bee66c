#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

// A two-tone pattern image made from a picture with its zone drawn in (p, p, p):
// every pixel whose three bytes all equal p (the zone colour, 0 .. 255) becomes white with mark
// cell 0 (the zone part); every other pixel becomes grey 192 with mark cell 1 (the pattern part).
// Rows 0 .. height - 1, columns 0 .. width - 1 of `canvas`; the mark plane is addressed with the
// canvas's row length. Answers the zone count: the number of pixels that became white.
// Sixteen pixels a step where the machine has AVX-512 VBMI; the same cells and count as
// patternImageReference (pattern_image_reference.h).
struct PatternImageTuning {
  bool vectors = true;  // false: one pixel at a time
};
long patternImage(const PixelView& canvas, const MarkView& marks, int zoneColor,
                  PatternImageTuning tuning = {});

// A pattern with at most this many zone pixels has no usable zone and asks for a warning.
constexpr long kPatternWarningZoneCount = 9;

}  // namespace zc
