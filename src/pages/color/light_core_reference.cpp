#include "pages/color/light_core_reference.h"

#include <algorithm>
#include <cstring>

namespace zc {

void applyLightCoreReference(const PlaneView& planes, const PixelView& out, int start, int end) {
  const int64_t range = std::max<int64_t>(1, static_cast<int64_t>(end) - start);
  const int64_t g = 255 / range;
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  unsigned any = 0;  // OR of every written byte: zero only if the whole result is black
  for (int y = 0; y < height; ++y) {
    uint8_t* o = out.at(0, y);
    for (int k = 0; k < 3; ++k) {
      const int32_t* p = planes.plane[k] + planes.index(0, y);
      for (int x = 0; x < width; ++x) {
        const int64_t r = std::clamp<int64_t>((p[x] - static_cast<int64_t>(start)) * g, 0, 255);
        o[3 * x + k] = static_cast<uint8_t>(r);
        any |= static_cast<unsigned>(r);
      }
    }
  }
  if (any == 0 && width > 0 && height > 0) {
    for (int y = 0; y < height; ++y) std::memset(out.at(0, y), 1, static_cast<size_t>(width) * 3);
  }
}

}  // namespace zc
