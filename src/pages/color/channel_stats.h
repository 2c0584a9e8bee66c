#pragma once
#include "core/channel_stats_state.h"
#include "core/image_buffers.h"

namespace zc {

// Measures the 4%, 50% and 96% points of each plane's histogram over bins 1 .. 254 (the bins 0
// and 255 are left out). Each point becomes the last bin at which the running count of bins
// 1 .. i is still below its threshold; a point whose threshold is already reached at bin 1, or a
// plane with no value in 1 .. 254, keeps its previous value. Values below 0 count as 0 and values
// above 255 as 255, so they are left out like those bins. Bit for bit the plain loop of
// channel_stats_reference.h. The histograms are counted over `bands` bands of rows on as many
// threads (0: two on a machine of two cores, for a picture of 64 rows or more) and summed; with
// vectors, sixteen cells a step are narrowed to their bins where the machine has AVX-512 VBMI.
struct ChannelStatsTuning {
  bool vectors = true;
  int bands = 0;
};
void computeChannelStats(const PlaneView& planes, ChannelStatsState& stats,
                         ChannelStatsTuning tuning = {});

// The three points of plane k from its histogram of values 0 .. 255, as above; the fast count and
// the plain loop's count both end here.
void channelPointsFromHistogram(const long (&histogram)[256], int k, ChannelStatsState& stats);

}  // namespace zc
