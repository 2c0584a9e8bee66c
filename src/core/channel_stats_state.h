#pragma once
#include <cstdint>

namespace zc {

// 4%, 50% and 96% points of each plane's histogram (blue, green, red).
struct ChannelStatsState {
  int32_t low[3] = {0, 0, 0};
  int32_t median[3] = {0, 0, 0};
  int32_t high[3] = {0, 0, 0};
};

}  // namespace zc
