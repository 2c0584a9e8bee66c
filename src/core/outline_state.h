#pragma once
#include <cstdint>

#include "core/canvas_point.h"
#include "platform/rgb.h"

namespace zc {

// A window point remembered by the brush (16-bit coordinates, as the drag records them).
struct BrushPoint {
  int16_t x = 0;
  int16_t y = 0;
};

// The Outline page's settings with their start values: local contrast, outline drawing and the
// brush. The outline colour and the colour condition are shared fields of the Workspace.
struct OutlinePageState {
  int32_t helpTopic = 0;

  int32_t contrastMode = 0;    // 1 while the local contrast mode is on
  int32_t contrastColumn = 0;  // canvas column of the contrast point; 0 means no point
  int32_t contrastRow = 0;     // canvas row of the contrast point (bottom-up)
  int32_t contrastFixRequest = 0;

  int32_t outlineMode = 0;   // 1 while outline drawing is on
  int32_t outlineWidth = 0;  // 0 none, 1 fine
  int32_t judgeValue = 8;    // outline threshold: a difference must exceed it
  int32_t markClearRequest = 0;

  int32_t brushMode = 0;         // 1 while the brush is on
  int32_t brushWidth = 0;        // 0 none, 3 fat
  int32_t brushSize = 2;         // dab size, derived from the width at every paint
  int32_t brushScale = 100;      // percentage 40..100 of the dab area; kept by the page reset
  int32_t brushColorSource = 1;  // 1 outline colour, 2 set colour
  Rgb setColor{255, 255, 255};
  int32_t brushFixRequest = 0;
  int32_t brushClearRequest = 0;

  // The brush drag (its active flag is the Workspace's brushDragActive): the last position (the
  // press, then the previous pointer position) and the current one (the latest pointer position
  // of a drag, kept after it; none after a clear or a commit), in window coordinates, with the
  // canvas cell the current one pointed at when it was reported.
  BrushPoint brushLast;
  BrushPoint brushCurrent;
  CanvasCell brushCurrentCell;
  int32_t brushHasCurrent = 0;
  // The previous release position relative to the image area's corner.
  BrushPoint strokeReference;
};

}  // namespace zc
