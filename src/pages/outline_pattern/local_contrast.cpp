#include "pages/outline_pattern/local_contrast.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "core/grey.h"

namespace zc {

void localContrast(const PlaneView& planes, const PixelView& canvas, int column, int row,
                   bool commit) {
  constexpr int kRadius = kLocalContrastRadius;
  const int left = std::max(column - kRadius, 0);
  const int right = std::min(column + kRadius, planes.width - 1);
  const int bottom = std::max(row - kRadius, 0);
  const int top = std::min(row + kRadius, planes.height - 1);
  if (left > right || bottom > top) return;

  // The greys in window order (rows ascending, columns ascending within a row), taken before any
  // pixel of the window changes.
  std::vector<int> greys;
  greys.reserve(static_cast<size_t>(right - left + 1) * (top - bottom + 1));
  for (int y = bottom; y <= top; ++y) {
    for (int x = left; x <= right; ++x) {
      const long i = planes.index(x, y);
      greys.push_back(greyOf(planes.plane[2][i], planes.plane[1][i], planes.plane[0][i]));
    }
  }
  std::vector<int> sorted = greys;
  const auto middle = sorted.begin() + static_cast<long>((sorted.size() - 1) / 2);
  std::nth_element(sorted.begin(), middle, sorted.end(), std::greater<int>());
  const int reference = *middle;

  size_t n = 0;
  for (int y = bottom; y <= top; ++y) {
    for (int x = left; x <= right; ++x) {
      const double dx = column - x, dy = row - y;
      const double q = std::min(std::sqrt(dx * dx + dy * dy) / kRadius, 1.0);
      const int strength = static_cast<int>(kRadius * (1.0 - q * q * q));
      const bool darker = greys[n++] < reference;
      const long i = planes.index(x, y);
      uint8_t* pixel = canvas.at(x, y);
      for (int c = 0; c < 3; ++c) {
        const int v = planes.plane[c][i];
        const int changed = darker ? std::max(v - strength, 0) : std::min(v + strength, 255);
        pixel[c] = static_cast<uint8_t>(changed);
        if (commit) planes.plane[c][i] = changed;
      }
    }
  }
}

}  // namespace zc
