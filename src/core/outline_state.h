#pragma once
#include <cstdint>

namespace zc {

// The Outline page's settings with their start values.
struct OutlinePageState {
  int32_t helpTopic = 0;
  int32_t step = 0;
};

}  // namespace zc
