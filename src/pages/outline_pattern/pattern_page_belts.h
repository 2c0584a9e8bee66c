#pragma once
// The Pattern page's four zone belts (red, green, blue and grey): each shows its own copy of a
// zone range, with a diamond switch pair on either side, and is kept in step with the ranges.
#include <array>

#include "core/pattern_state.h"
#include "ui/panel.h"

namespace zc {

// Brings belts and ranges together: while the belts lead, the ranges take the belts' copies;
// otherwise the copies take the ranges.
void synchroniseBelts(PatternPageState& page);

// The belts' panel items, drawn in their own stage (after the canvas is shown, when their values
// have settled). Per belt in click-table order: its bar and its four diamond switches, each of
// which changes that belt's copy and lets the belts lead, the value line under a colour belt and
// the rest of the belt's row; last the whole belt area (x 3 .. 97, y 218 .. 353), whose gaps
// between the belts show the belt topic.
inline constexpr uint8_t kZoneBeltStage = 1;
inline constexpr std::size_t kZoneBeltItemCount = 4 * 7 + 1;
std::array<PanelItem, kZoneBeltItemCount> zoneBeltItems();

}  // namespace zc
