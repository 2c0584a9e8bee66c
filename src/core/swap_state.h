#pragma once
#include <cstdint>

namespace zc {

// The list of ways: closed, open, or open with "Set KEEP2" pressed (the next paint stores).
enum SwapListState : int32_t { kSwapListClosed = 0, kSwapListOpen = 1, kSwapListStoreAsked = 2 };

// The Swap page's settings with their start values.
struct SwapPageState {
  int32_t way = 0;
  int32_t listState = kSwapListClosed;
  int32_t helpTopic = 0;
};

}  // namespace zc
