#pragma once
#include "core/channel_stats_state.h"
#include "core/image_buffers.h"

namespace zc {

// Peach, the strong colour balance, on the planes in place: with lo and hi the 4% and 96% points
// of a plane, each value v becomes (v - lo) * 234 / (hi - lo) + 10 when the ranges hi - lo of all
// three planes are positive, otherwise v - lo; clamped to 0 .. 255.
void applyPeach(const PlaneView& planes, const ChannelStatsState& stats);

// Berry, the soft colour balance, on the planes in place: one factor x = 255 / a (integer
// division, held as a float), a the widest of the three ranges hi - lo (at least 1), stretches
// every plane alike and centres its range: v becomes
// trunc(x * (v - lo)) + trunc((255 - x * (hi - lo)) * 0.5), clamped to 0 .. 255.
void applyBerry(const PlaneView& planes, const ChannelStatsState& stats);

}  // namespace zc
