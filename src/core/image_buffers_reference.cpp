#include "core/image_buffers_reference.h"

namespace zc {

void copyPixelsToPlanesReference(const PixelView& pixels, const PlaneView& planes) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  const uint8_t* src = pixels.bytes;
  int32_t* b = planes.plane[0];
  int32_t* g = planes.plane[1];
  int32_t* r = planes.plane[2];
  for (long i = 0; i < cells; ++i) {
    b[i] = src[3 * i];
    g[i] = src[3 * i + 1];
    r[i] = src[3 * i + 2];
  }
}

void copyPlanesToPixelsReference(const PlaneView& planes, const PixelView& pixels) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  uint8_t* dst = pixels.bytes;
  const int32_t* b = planes.plane[0];
  const int32_t* g = planes.plane[1];
  const int32_t* r = planes.plane[2];
  for (long i = 0; i < cells; ++i) {
    dst[3 * i] = static_cast<uint8_t>(b[i]);
    dst[3 * i + 1] = static_cast<uint8_t>(g[i]);
    dst[3 * i + 2] = static_cast<uint8_t>(r[i]);
  }
}

}  // namespace zc
