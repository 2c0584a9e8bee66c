#include "pages/color/color_balance.h"

#include <algorithm>

namespace zc {
namespace {

int32_t clampByte(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, 0, 255));
}

}  // namespace

void applyPeach(const PlaneView& planes, const ChannelStatsState& stats) {
  int64_t range[3];
  bool allPositive = true;
  for (int k = 0; k < 3; ++k) {
    range[k] = static_cast<int64_t>(stats.high[k]) - stats.low[k];
    if (range[k] <= 0) allPositive = false;
  }
  const long cells = static_cast<long>(planes.width) * planes.height;
  for (int k = 0; k < 3; ++k) {
    int32_t* p = planes.plane[k];
    const int64_t lo = stats.low[k];
    if (allPositive) {
      for (long i = 0; i < cells; ++i) p[i] = clampByte((p[i] - lo) * 234 / range[k] + 10);
    } else {
      for (long i = 0; i < cells; ++i) p[i] = clampByte(p[i] - lo);
    }
  }
}

void applyBerry(const PlaneView& planes, const ChannelStatsState& stats) {
  int64_t range[3];
  for (int k = 0; k < 3; ++k) range[k] = static_cast<int64_t>(stats.high[k]) - stats.low[k];
  // The widest range; the first plane's counts only from 1 up, so the widest is never negative.
  int64_t widest = range[0] < 1 ? 0 : range[0];
  widest = std::max({widest, range[1], range[2]});
  if (widest == 0) widest = 1;
  const float x = static_cast<float>(255 / widest);

  const long cells = static_cast<long>(planes.width) * planes.height;
  for (int k = 0; k < 3; ++k) {
    int32_t* p = planes.plane[k];
    const int64_t lo = stats.low[k];
    const int64_t centre = static_cast<int64_t>((255 - x * static_cast<float>(range[k])) * 0.5);
    for (long i = 0; i < cells; ++i) {
      p[i] = clampByte(static_cast<int64_t>(x * static_cast<float>(p[i] - lo)) + centre);
    }
  }
}

}  // namespace zc
