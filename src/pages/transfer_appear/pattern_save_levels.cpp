#include "pages/transfer_appear/pattern_save_levels.h"

#include <algorithm>

namespace zc {

void patternSaveLevels(const MarkView& markView, const PixelView& out) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(out.width) * out.height;
  for (long i = 0; i < cells; ++i) {
    const int64_t level = 255 - 128 * static_cast<int64_t>(marks[i]);
    const uint8_t grey = static_cast<uint8_t>(std::clamp<int64_t>(level, 0, 255));
    uint8_t* px = out.bytes + i * 3;
    px[0] = px[1] = px[2] = grey;
  }
}

}  // namespace zc
