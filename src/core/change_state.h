#pragma once
#include <cstdint>

namespace zc {

// The Change page's settings with their start values (the dark reset mark's values).
struct ChangePageState {
  int32_t appointOn = 0;                // every paint reads the pixel under the last click
  int32_t clickX = 0, clickY = 0;       // the last left press in the image area; 0, 0 none
  int32_t appointed[4] = {0, 0, 0, 0};  // the last pixel read: red, green, blue, grey
  int32_t targetOn = 0;                 // "1)target": appointed pixels widen the target range
  int32_t targetColour[3] = {0, 0, 0};  // the last pixel read while target is on: red, green, blue
  // The target range of red, green, blue and grey; min 255 and Max 0 is the empty range.
  int32_t rangeMin[4] = {255, 255, 255, 255};
  int32_t rangeMax[4] = {0, 0, 0, 0};
  int32_t convertOn = 0;                       // "2)convert": appointed pixels set the colour
  int32_t convertColour[3] = {255, 255, 255};  // red, green, blue
  int32_t convertApply = 0;                    // the conversion is shown
  int32_t actMode = 3;                         // 1 "wk" (3 : 1), 2 "md" (1 : 1), 3 "all" (0 : 1)
  int32_t shownActMode = 3;  // the act mode of the last conversion, for the act indicator
  int32_t step = 8;          // step of the diamond switches
  int32_t calIndicator = 0;
  int32_t calTarget = 0;        // 0 none, 1 red, 2 green, 3 blue convert value
  int32_t beltChanged = 0;      // a belt or diamond click in this paint
  int32_t slotReadRequest = 0;  // get KEEP4 into the planes at the next paint
  int32_t helpTopic = 0;
};

}  // namespace zc
