#pragma once
#include <cstdint>

#include "core/size.h"

namespace zc {

// The Appear page's settings with their start values, which are also the values the page takes
// when it is entered (the zone condition and the canvas size excepted).
struct AppearPageState {
  int32_t helpTopic = 0;
  // What the paint shows: 0 the image planes as they are, 2 the transfer image, 3 the back
  // image, 5 the transfer image composed over the back image (real appear).
  int32_t displayMode = 2;
  // 2 or 3: the picture the open dialog brings is written as the transfer (2) or back (3) image.
  int32_t pendingFile = 0;
  // 1 perfect black, 2 perfect white, 3 colour condition with f edited, 4 with t edited.
  int32_t zoneMode = 2;
  int32_t zoneStart = 255;  // f
  int32_t zoneEnd = 255;    // t
  // 1 "3C", 2 gray, 3 red, 4 green, 5 blue, 6 cyan, 7 magenta, 8 yellow. Kept by the page's reset.
  int32_t zoneCondition = 2;
  int32_t beltStep = 8;
  int32_t gradation = 0;  // g, 0 .. 8 in steps of 2
  int32_t moveOn = 0;
  int32_t moveRequest = 0;  // 5: the pending drag is added to the offset at the next paint
  int32_t dragActive = 0;   // a left press in the image area started a drag
  int32_t dragStartX = 0, dragStartY = 0;
  int32_t pendingDx = 0, pendingDy = 0;  // dx = start x - end x, dy = end y - start y
  int32_t offsetX = 0, offsetY = 0;      // every applied drag summed
  int32_t fineStep = 8;                  // pixels per arrow step, 1 .. 99
  int32_t calculatorOn = 0;              // the calculator edits f (zone mode 3) or t (mode 4)
  // The canvas size this page works at; the paint cycle copies the canvas size into it.
  Size canvasSize{1680, 1120};
};

}  // namespace zc
