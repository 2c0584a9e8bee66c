#pragma once
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "ui/controls.h"

namespace zc {

// The light core: a level stretch of every plane value v between `start` and `end`, written to
// `out` (the planes are not changed). With the integer factor g = 255 / (end - start), each byte
// becomes (v - start) * g clamped to 0 .. 255; a range of one is a threshold at `start`. When every
// byte of the result is 0 the whole picture is shown as (1, 1, 1) instead. A range below one
// (never left by the page's validation) is taken as one.
void applyLightCore(const PlaneView& planes, const PixelView& out, int start, int end);

// Value rules of the Filter page's light core, step and color power.

// Keeps start < end within 0 .. 255, the color power within 1 .. 1000 and the step within
// 2 .. 98. Run after the calculator has changed one of them.
void validateFilterValues(FilterPageState& filter);

// The light-core belt spans x 24 .. 76, 52 pixels for the values 0 .. 255.
constexpr BeltGeometry kLightCoreBelt{24, 52};
// The belt's middle between the start and end marks; clicks left of it move the start.
int filterBeltMiddle(const FilterPageState& filter);

// A click at x on the light-core belt: moves the start (left of the middle) or the end. With the
// spectrum core on, the other value follows at a distance of one. Pushing keeps start < end.
void clickFilterBelt(FilterPageState& filter, int x);

// The diamond switches beside the belt: start or end down or up by the step, pushing the other
// value along where needed.
void filterStartDown(FilterPageState& filter);
void filterStartUp(FilterPageState& filter);
void filterEndDown(FilterPageState& filter);
void filterEndUp(FilterPageState& filter);

// The step's up-down switch: +4 up to 98, -4 down to 2.
void filterStepUp(FilterPageState& filter);
void filterStepDown(FilterPageState& filter);

// With the spectrum core on, a range wider than one closes on its middle: start = (f + t) / 2,
// end = start + 1. Run by every paint.
void holdSpectrumCore(FilterPageState& filter);

}  // namespace zc
