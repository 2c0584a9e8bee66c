#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

// A dab's disc: area s2 = trunc(size^2 x scale / 100) and radius d = trunc(sqrt(s2)).
struct BrushDisc {
  int area = 0;
  int radius = 0;
};
// size: the dab size in pixels (2, 4 or 6 on the Outline page; any value >= 0).
// scale: the percentage 40..100 applied to the area (any value >= 0).
BrushDisc brushDisc(int size, int scale);

// Sets to 1 every cell (k, r) of the mark plane with (k - column)^2 + (r - row)^2 <= disc.area,
// within the disc's square column - d .. column + d, row - d .. row + d. Cells outside
// 0 .. width - 1, 0 .. height - 1 are skipped, so the centre may lie anywhere.
// Row 0 of the mark plane is the bottom row.
void stampBrushDisc(const MarkView& marks, int column, int row, const BrushDisc& disc);

// The stroke distance trunc(sqrt(dx^2 + dy^2)) between two release positions, and the scale it
// gives the following dabs: 100 below 20, 140 - 2 x distance from 20 up to 49, 40 from 50 on.
int strokeDistance(int dx, int dy);
int brushScaleForDistance(int distance);

}  // namespace zc
