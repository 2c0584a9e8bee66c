#include "pages/fog/fog_sweep_arithmetic.h"

#include <algorithm>

namespace zc {

int hornStep(int horn) {
  static constexpr int kSteps[12] = {4, 6, 8, 10, 12, 16, 20, 24, 28, 32, 36, 40};
  return horn >= 1 && horn <= 12 ? kSteps[horn - 1] : 0;
}

namespace sweep {

void paintFrame(const PlaneView& planes, const PixelView* work, int h) {
  const int width = planes.width;
  const int height = planes.height;
  auto paint = [&](int x, int y) {
    const long i = planes.index(x, y);
    for (int k = 0; k < 3; ++k) planes.plane[k][i] = 255;
    if (work) {
      uint8_t* p = work->at(x, y);
      p[0] = p[1] = p[2] = 255;
    }
  };
  for (int y = 0; y < height; ++y) {
    if (y <= h || y >= height - h) {
      for (int x = 0; x < width; ++x) paint(x, y);
    } else {
      for (int x = 0; x <= h && x < width; ++x) paint(x, y);
      for (int x = std::max(width - h, h + 1); x < width; ++x) paint(x, y);
    }
  }
}

}  // namespace sweep
}  // namespace zc
