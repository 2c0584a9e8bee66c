#pragma once
#include <cstdint>

namespace zc {

// The Swap page's settings with their start values.
struct SwapPageState {
  int32_t way = 0;
  int32_t listState = 0;  // 0 closed, 1 open, 2 open and a store asked for
  int32_t helpTopic = 0;
};

}  // namespace zc
