#pragma once
// The Filter page's value rules: what its belts, switches and value boxes do to its settings.
#include "core/filter_state.h"
#include "core/image_buffers.h"
#include "ui/controls.h"

namespace zc {

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

// Color power on the planes with the page's powers: in each-power mode (1, 2 or 3) red, green and
// blue take their own each power and the color power becomes the grey of the three each powers,
// trunc(0.299 R + 0.587 G + 0.114 B); otherwise every channel takes the color power.
void runColorPower(const PlaneView& planes, FilterPageState& filter);

}  // namespace zc
