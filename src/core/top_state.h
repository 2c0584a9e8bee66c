#pragma once
#include <cstdint>

namespace zc {

// The Top page's settings with their start values.
struct TopPageState {
  int32_t helpTopic = 0;
  // The "fit" switch: a picture got while it is on and larger than the canvas is reduced to fit.
  // A setting of the run, not reset by the page's defaults.
  int32_t fitToCanvas = 0;
};

}  // namespace zc
