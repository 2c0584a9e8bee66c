#include "pages/color/channel_stats_reference.h"

#include <algorithm>

#include "pages/color/channel_stats.h"

namespace zc {

void computeChannelStatsReference(const PlaneView& planes, ChannelStatsState& stats) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  for (int k = 0; k < 3; ++k) {
    long histogram[256] = {};
    const int32_t* p = planes.plane[k];
    for (long i = 0; i < cells; ++i) ++histogram[std::clamp<int32_t>(p[i], 0, 255)];
    channelPointsFromHistogram(histogram, k, stats);
  }
}

}  // namespace zc
