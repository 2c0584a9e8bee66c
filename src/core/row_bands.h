#pragma once
// Work over the rows of a picture split into bands, one thread a band, for the kernels whose rows
// are independent: each row is worked exactly as it would be alone, so the result is the same.
#include <algorithm>
#include <system_error>
#include <thread>

namespace zc {

// How many bands a picture of `height` rows gets when the caller asks for `bands` (0: two on a
// machine of two or more cores when the picture has 64 rows or more, else one).
inline int rowBandCount(int height, int bands) {
  if (bands <= 0) {
    static const unsigned cores = std::thread::hardware_concurrency();
    bands = cores >= 2 && height >= 64 ? 2 : 1;
  }
  return std::clamp(bands, 1, std::max(1, height));
}

// Calls work(firstRow, endRow, band) for each band 0 .. rowBandCount - 1 of rows
// 0 .. height - 1; the calling thread works the first band and waits for the others.
template <typename Work>
void forRowBands(int height, int bands, const Work& work) {
  bands = rowBandCount(height, bands);
  auto band = [&](int b) { work(height * b / bands, height * (b + 1) / bands, b); };
  std::thread helpers[8];
  const int threads = std::min(bands, 8);
  for (int b = 1; b < threads; ++b) {
    try {
      helpers[b] = std::thread(band, b);
    } catch (const std::system_error&) {
      band(b);  // no thread to be had: this one works the band itself
    }
  }
  for (int b = threads; b < bands; ++b) band(b);
  band(0);
  for (int b = 1; b < threads; ++b) {
    if (helpers[b].joinable()) helpers[b].join();
  }
}

}  // namespace zc
