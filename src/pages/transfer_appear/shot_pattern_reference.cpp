#include "pages/transfer_appear/shot_pattern_reference.h"

namespace zc {

void shotPatternReference(const PlaneView& planes, const MarkView& markView, int zoneColor) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(planes.width) * planes.height;
  for (long i = 0; i < cells; ++i) {
    if (marks[i] != 0) continue;
    planes.plane[0][i] = planes.plane[1][i] = planes.plane[2][i] = zoneColor;
  }
}

}  // namespace zc
