#include "pages/outline_pattern/brush_dab.h"

#include <algorithm>
#include <cmath>

namespace zc {

BrushDisc brushDisc(int size, int scale) {
  BrushDisc disc;
  disc.area = size * size * scale / 100;
  disc.radius = static_cast<int>(std::sqrt(static_cast<double>(std::max(disc.area, 0))));
  return disc;
}

void stampBrushDisc(const MarkView& marks, int column, int row, const BrushDisc& disc) {
  const int width = marks.width, height = marks.height;
  const int d = disc.radius;
  const int rowFrom = std::max(row - d, 0), rowTo = std::min(row + d, height - 1);
  const int columnFrom = std::max(column - d, 0), columnTo = std::min(column + d, width - 1);
  for (int r = rowFrom; r <= rowTo; ++r) {
    for (int k = columnFrom; k <= columnTo; ++k) {
      const int dk = k - column, dr = r - row;
      if (dk * dk + dr * dr <= disc.area) marks.cells[static_cast<long>(r) * width + k] = 1;
    }
  }
}

int strokeDistance(int dx, int dy) {
  return static_cast<int>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

int brushScaleForDistance(int distance) {
  if (distance < 20) return 100;
  if (distance < 50) return 140 - 2 * distance;
  return 40;
}

}  // namespace zc
