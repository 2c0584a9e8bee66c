#pragma once
// The channel statistics as the plain loop: one histogram per plane, counted value by value. The
// reference of computeChannelStats (channel_stats.h).
#include "core/channel_stats_state.h"
#include "core/image_buffers.h"

namespace zc {

void computeChannelStatsReference(const PlaneView& planes, ChannelStatsState& stats);

}  // namespace zc
