#pragma once
// The Pattern page's four zone belts (red, green, blue and grey): each shows its own copy of a
// zone range, with a diamond switch pair on either side, and is kept in step with the ranges.
#include "core/pattern_state.h"
#include "platform/surface.h"

namespace zc {

// Brings belts and ranges together: while the belts lead, the ranges take the belts' copies;
// otherwise the copies take the ranges.
void synchroniseBelts(PatternPageState& page);

// Draws the belts, their switches and the value lines under the colour belts.
void drawZoneBelts(Surface& surface, const PatternPageState& page);

// A press in the belt area (x 3 .. 97, y 218 .. 353): a switch or the belt itself changes that
// belt's copy and lets the belts lead. Answers the topic the press shows.
int32_t pressZoneBelts(PatternPageState& page, int x, int y);

}  // namespace zc
