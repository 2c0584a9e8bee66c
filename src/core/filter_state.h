#pragma once
#include <cstdint>

namespace zc {

// What the light core is doing: off, shown on the picture, or one of its values is the key pad's
// target.
enum LightCoreMode : int32_t {
  kLightCoreOff = 0,
  kLightCoreShown = 1,
  kLightCoreStartTarget = 2,
  kLightCoreEndTarget = 3,
};

// The Filter page's settings with their start values.
struct FilterPageState {
  int32_t start = 0;  // f
  int32_t end = 255;  // t
  int32_t lightCoreMode = kLightCoreOff;
  int32_t spectrumSwitch = 0;
  int32_t step = 8;
  int32_t stepTarget = 0;
  int32_t calIndicator = 0;
  int32_t colorPower = 100;
  int32_t eachPower[3] = {100, 100, 100};  // red, green, blue
  int32_t eachPowerMode = 0;
  int32_t colorPowerTarget = 0;
  int32_t colorPowerAction = 0;
  int32_t peach = 0;
  int32_t berry = 0;
  int32_t helpTopic = 0;
};

}  // namespace zc
