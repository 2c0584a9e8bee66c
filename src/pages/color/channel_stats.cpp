#include "pages/color/channel_stats.h"

#include <cstdint>

namespace zc {
namespace {

// Four histograms counted side by side, so that runs of equal values (a photograph's flat areas)
// do not wait on one counter, summed at the end. Only bins 1 .. 254 are used, so a value outside
// them is counted in bin 0 whatever it is.
void histogramOf(const int32_t* p, long cells, long out[256]) {
  uint32_t counts[4][256] = {};
  const auto bin = [](int32_t v) {
    return static_cast<uint32_t>(v) - 1u < 254u ? static_cast<uint32_t>(v) : 0u;
  };
  long i = 0;
  for (; i + 4 <= cells; i += 4) {
    ++counts[0][bin(p[i])];
    ++counts[1][bin(p[i + 1])];
    ++counts[2][bin(p[i + 2])];
    ++counts[3][bin(p[i + 3])];
  }
  for (; i < cells; ++i) ++counts[0][bin(p[i])];
  for (int v = 0; v < 256; ++v) {
    out[v] = static_cast<long>(counts[0][v]) + counts[1][v] + counts[2][v] + counts[3][v];
  }
}

}  // namespace

void channelPointsFromHistogram(const long (&histogram)[256], int k, ChannelStatsState& stats) {
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

void computeChannelStats(const PlaneView& planes, ChannelStatsState& stats) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  for (int k = 0; k < 3; ++k) {
    long histogram[256];
    histogramOf(planes.plane[k], cells, histogram);
    channelPointsFromHistogram(histogram, k, stats);
  }
}

}  // namespace zc
