#pragma once
#include "core/image_buffers.h"

namespace zc {

// Brightness and darkness of the shown picture. bright is a factor in percent (standard 100), dark
// an offset subtracted from every byte (standard 0).

// What one byte v becomes: ((v - dark) * 2.55) * bright * (1 / 255) in extended precision (the
// binary double 2.55 and an extended 1/255, each product rounded to the 64-bit mantissa),
// truncated toward zero and clamped to 0 .. 255. The binary 2.55 lies just below 2.55, so most
// results are one level under (v - dark) * bright / 100: v = 100 at bright 100 gives 99.
int brightDarkValue(int v, int bright, int dark);

// The page adjusts the picture only away from the standard values.
inline bool brightDarkActive(int bright, int dark) {
  return bright != 100 || dark != 0;
}

// Every byte of the working image through brightDarkValue (applied whatever the values). The
// 256 answers are worked out once and looked up 64 bytes at a time where the machine has AVX-512
// VBMI (vectors false: one byte at a time). Bit for bit the plain loop of bright_dark_reference.h.
struct BrightDarkTuning {
  bool vectors = true;
};
void applyBrightDark(const PixelView& work, int bright, int dark, BrightDarkTuning tuning = {});

}  // namespace zc
