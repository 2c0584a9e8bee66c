#pragma once
// Value rules of the Change page: the appoint read, the grey range taken from the colour bounds,
// the target belts with their diamond switches, and the convert values.
#include "core/workspace.h"
#include "pages/color/color_change.h"

namespace zc {

// The target range and the convert colour as the kernels take them.
ColorRange targetRange(const ChangePageState& change);
ChangeColour convertColour(const ChangePageState& change);

// A pixel read by the appoint: it becomes the appointed values (with its grey); with target on
// also the appointed target colour, with convert on the convert colour. With target on, a pixel
// that is not all black (any of red, green, blue and grey non-zero) widens the target range to
// include it, grey row included.
void appointPixel(ChangePageState& change, int32_t red, int32_t green, int32_t blue);

// The grey row from the colour rows: grey min from the three mins, grey Max from the three
// Maxes, truncated, or rounded (+ 0.5 before truncating) after the calculator has changed a
// value.
void greyRangeFromBounds(ChangePageState& change, bool rounded);

// Every belt of the page spans x 24 .. 76: a click at x gives (x - 24) * 255 / 52, within 0..255.
int changeBeltValue(int x);
// The split point of a target belt (row red, green, blue or grey): (min + Max) * 52 / 510 + 24.
int targetBeltSplit(const ChangePageState& change, int row);
// A click on a target belt: left of the split point sets the row's min, right of it its Max; a
// click on the split point changes nothing.
void clickTargetBelt(ChangePageState& change, int row, int x);
// The diamond switches of a target belt, by the page's step: min down (not below 0), min up (not
// above Max), Max down (not below min), Max up (not above 255). A limit only stops a step, it
// never moves the value the other way (min up on the empty range leaves min at 255).
void targetMinDown(ChangePageState& change, int row);
void targetMinUp(ChangePageState& change, int row);
void targetMaxDown(ChangePageState& change, int row);
void targetMaxUp(ChangePageState& change, int row);

// A convert value (channel red, green or blue) moved by delta, within 0 .. 255.
void stepConvertValue(ChangePageState& change, int channel, int delta);
// Every convert value within 0 .. 255 (after the calculator).
void clampConvertColour(ChangePageState& change);

// The next flag of colour condition: 1 -> 2 -> 3 -> 4 -> 5 -> 1 (a value outside 1 .. 5 steps
// to 1).
int32_t nextColorCondition(int32_t condition);

}  // namespace zc
