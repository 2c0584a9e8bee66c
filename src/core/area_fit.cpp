#include "core/area_fit.h"

#include <algorithm>
#include <vector>

namespace zc {
namespace {

// Overlap of target cell `cell` (source span [cell * src, (cell + 1) * src) in units of 1/dst
// source pixels) with source pixel `j` (span [j * dst, (j + 1) * dst)).
int64_t overlap(int64_t cell, int64_t j, int64_t src, int64_t dst) {
  const int64_t lo = std::max(cell * src, j * dst);
  const int64_t hi = std::min((cell + 1) * src, (j + 1) * dst);
  return hi > lo ? hi - lo : 0;
}

}  // namespace

void areaAverage(const uint8_t* src, int srcWidth, int srcHeight, uint8_t* dst, int dstWidth,
                 int dstHeight) {
  if (!src || !dst || dstWidth < 1 || dstHeight < 1 || dstWidth > srcWidth ||
      dstHeight > srcHeight) {
    return;
  }
  const int64_t sw = srcWidth, sh = srcHeight, dw = dstWidth, dh = dstHeight;
  const uint64_t total = static_cast<uint64_t>(sw * sh);

  // The columns each target column reads, with their weights (at most dw each, sw in all).
  std::vector<int> firstColumn(static_cast<size_t>(dw) + 1);
  for (int64_t i = 0; i <= dw; ++i)
    firstColumn[static_cast<size_t>(i)] = static_cast<int>(i * sw / dw);
  std::vector<uint64_t> rowSums(static_cast<size_t>(dw) * 3);
  std::vector<uint64_t> sums(static_cast<size_t>(dw) * 3);

  for (int64_t k = 0; k < dh; ++k) {
    std::fill(sums.begin(), sums.end(), 0);
    const int64_t j0 = k * sh / dh;
    const int64_t j1 = ((k + 1) * sh - 1) / dh;  // last source row touched
    for (int64_t j = j0; j <= j1; ++j) {
      const uint64_t wy = static_cast<uint64_t>(overlap(k, j, sh, dh));
      if (wy == 0) continue;
      const uint8_t* row = src + static_cast<size_t>(j * sw * 3);
      // Horizontal weighted sums of this source row for every target column.
      for (int64_t i = 0; i < dw; ++i) {
        uint64_t b = 0, g = 0, r = 0;
        const int64_t last = std::min<int64_t>(((i + 1) * sw - 1) / dw, sw - 1);
        for (int64_t x = firstColumn[static_cast<size_t>(i)]; x <= last; ++x) {
          const uint64_t wx = static_cast<uint64_t>(overlap(i, x, sw, dw));
          const uint8_t* p = row + x * 3;
          b += wx * p[0];
          g += wx * p[1];
          r += wx * p[2];
        }
        rowSums[static_cast<size_t>(i * 3)] = b;
        rowSums[static_cast<size_t>(i * 3 + 1)] = g;
        rowSums[static_cast<size_t>(i * 3 + 2)] = r;
      }
      for (size_t c = 0; c < sums.size(); ++c) sums[c] += wy * rowSums[c];
    }
    uint8_t* out = dst + static_cast<size_t>(k * dw * 3);
    for (size_t c = 0; c < sums.size(); ++c) {
      out[c] = static_cast<uint8_t>((sums[c] + total / 2) / total);
    }
  }
}

}  // namespace zc
