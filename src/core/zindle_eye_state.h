#pragma once
#include <cstdint>

namespace zc {

// The sweep the Zindle Eye page's buttons ask for.
struct ZindleEyeRequestState {
  int32_t run = 0;
  int32_t variant = 1;
  int32_t horn = 0;
  int32_t blind = 0;
};

// The Zindle Eye page's settings with their start values.
struct ZindleEyePageState {
  int32_t bright = 100;
  int32_t dark = 0;
  int32_t helpTopic = 0;
};

}  // namespace zc
