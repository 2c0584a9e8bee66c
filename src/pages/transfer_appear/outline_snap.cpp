#include "pages/transfer_appear/outline_snap.h"

#include <algorithm>
#include <cstdlib>

namespace zc {

OutlineLines outlineLines(const PlaneView& planes, const OutlineColour& outline, int cutMode) {
  return OutlineLines{planes, outline, cutMode == 2};
}

bool OutlineLines::outlineAt(int line, int position) const {
  if (line < 0 || line >= lines() || position < 0 || position >= positions()) return false;
  const CanvasCell c = cellAt(line, position);
  const long i = planes.index(c.column, c.row);
  return planes.plane[0][i] == outline.blue && planes.plane[1][i] == outline.green &&
         planes.plane[2][i] == outline.red;
}

int snapToOutline(const OutlineLines& lines, int line, int position, int radius) {
  const int count = lines.positions();
  const int low = std::max(0, position - radius);
  const int high = std::min(count - 1, position + radius);
  auto outline = [&](int p) { return lines.outlineAt(line, p); };
  auto accepted = [&](int moved) {
    return moved >= 1 && moved < count && std::abs(moved - position) < 2 * radius ? moved
                                                                                  : position;
  };

  if (outline(position)) {
    int left = position, right = position;
    while (left > low && outline(left - 1)) --left;
    while (right < high && outline(right + 1)) ++right;
    return accepted((left + right) / 2);
  }

  int lowerMiddle = -1, higherMiddle = -1;
  int p = position - 1;
  while (p >= low && !outline(p)) --p;
  if (p >= low) {
    const int runHigh = p;
    while (p > low && outline(p - 1)) --p;
    lowerMiddle = (p + runHigh) / 2;
  }
  p = position + 1;
  while (p <= high && !outline(p)) ++p;
  if (p <= high) {
    const int runLow = p;
    while (p < high && outline(p + 1)) ++p;
    higherMiddle = (runLow + p) / 2;
  }
  if (lowerMiddle < 0 && higherMiddle < 0) return position;
  if (higherMiddle < 0) return accepted(lowerMiddle);
  if (lowerMiddle < 0) return accepted(higherMiddle);
  return accepted(position - lowerMiddle < higherMiddle - position ? lowerMiddle : higherMiddle);
}

}  // namespace zc
