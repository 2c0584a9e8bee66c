#include "pages/color/channel_stats_reference.h"

#include <algorithm>

namespace zc {

void computeChannelStatsReference(const PlaneView& planes, ChannelStatsState& stats) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  for (int k = 0; k < 3; ++k) {
    long histogram[256] = {};
    const int32_t* p = planes.plane[k];
    for (long i = 0; i < cells; ++i) ++histogram[std::clamp<int32_t>(p[i], 0, 255)];

    long total = 0;
    for (int i = 1; i <= 254; ++i) total += histogram[i];
    const long a = static_cast<long>(total * 0.04);
    const long b = static_cast<long>(total * 0.5);
    const long c = static_cast<long>(total * 0.96);

    long running = 0;
    for (int i = 1; i <= 254; ++i) {
      running += histogram[i];
      if (a > running) stats.low[k] = i;
      if (b > running) stats.median[k] = i;
      if (c > running) stats.high[k] = i;
    }
  }
}

}  // namespace zc
