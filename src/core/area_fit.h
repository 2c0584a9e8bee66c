#pragma once
#include <cstdint>

namespace zc {

// Reduces a picture by area averaging. Each target pixel is the mean of the source area it
// covers, a source pixel that lies partly inside counting by the part inside:
//   target column i covers source x from i * srcWidth / dstWidth to (i + 1) * srcWidth / dstWidth
//   (exact fractions), rows alike; the weight of a source pixel is the product of its overlaps.
// The sums are exact integers (overlaps counted in 1/dstWidth and 1/dstHeight of a source pixel,
// total weight srcWidth * srcHeight); the mean is rounded to the nearest, halves up. No floating
// point, so the result is the same on every machine.
//
// src: srcHeight top-down rows of srcWidth * 3 bytes (blue, green, red, no padding);
// dst: dstHeight rows of dstWidth * 3 bytes, the same layout.
// Ranges: 1 <= dstWidth <= srcWidth, 1 <= dstHeight <= srcHeight, srcWidth * srcHeight at most
// 2^31 pixels. Sizes outside the ranges leave dst untouched.
void areaAverage(const uint8_t* src, int srcWidth, int srcHeight, uint8_t* dst, int dstWidth,
                 int dstHeight);

}  // namespace zc
