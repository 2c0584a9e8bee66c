#pragma once
#include <cstdint>

namespace zc {

// The Top page's settings with their start values.
struct TopPageState {
  int32_t helpTopic = 0;
};

}  // namespace zc
