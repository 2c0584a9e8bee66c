#pragma once
#include <cstdint>

#include "core/size.h"

namespace zc {

// The Appear page's settings with their start values.
struct AppearPageState {
  int32_t helpTopic = 0;
  int32_t step = 0;
  Size canvasSize{1680, 1120};
};

}  // namespace zc
