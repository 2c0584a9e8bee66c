#include "pages/color/color_power.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/grey.h"

namespace zc {
namespace {

const std::array<double, 256>& weightTable() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> s{};
    double largest = 0.0;
    for (int i = 0; i < 256; ++i) {
      const double d = i - 255;
      s[i] = std::sqrt(65025.0 - d * d) - i;
      largest = std::max(largest, s[i]);
    }
    for (double& w : s) w /= largest;
    return s;
  }();
  return table;
}

// Grey index of a pixel in floating point, truncated; 64-bit so that any plane values fit.
int64_t greyIndex(int32_t r, int32_t g, int32_t b) {
  return static_cast<int64_t>(greyValue(r, g, b));
}

int32_t powered(int32_t v, int64_t n, double power, double weight) {
  const double moved = static_cast<double>(v - n) * 0.01 * power * weight;
  return static_cast<int32_t>(std::clamp<int64_t>(n + static_cast<int64_t>(moved), 0, 255));
}

}  // namespace

double colorPowerWeight(int greyLevel) {
  if (greyLevel < 0 || greyLevel > 255) return 0.0;
  return weightTable()[greyLevel];
}

void applyColorPower(const PlaneView& planes, int redPower, int greenPower, int bluePower) {
  // Powers of the blue, green and red planes.
  const double power[3] = {static_cast<double>(bluePower), static_cast<double>(greenPower),
                           static_cast<double>(redPower)};

  const long cells = static_cast<long>(planes.width) * planes.height;
  int32_t* b = planes.plane[0];
  int32_t* g = planes.plane[1];
  int32_t* r = planes.plane[2];
  for (long i = 0; i < cells; ++i) {
    const int64_t n = greyIndex(r[i], g[i], b[i]);
    const double w = (n >= 0 && n <= 255) ? weightTable()[n] : 0.0;
    b[i] = powered(b[i], n, power[0], w);
    g[i] = powered(g[i], n, power[1], w);
    r[i] = powered(r[i], n, power[2], w);
  }
}

}  // namespace zc
