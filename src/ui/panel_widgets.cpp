#include "ui/panel_widgets.h"

namespace zc {

std::array<PanelItem, 5> beltItems(const BeltRow& row, void (*drawBelt)(Surface&, const PanelItem&),
                                   const BeltActions& actions) {
  const uint8_t edges = row.switchEdgesHit ? HitZone::kLeft | HitZone::kRight : 0;
  auto pairAt = [&](int x) {
    return DiamondPair{.x = x,
                       .y = row.y + row.glyphDy,
                       .colour = row.colour,
                       .down = zone(x + 1, x + 9, row.y, row.y + 20, edges),
                       .up = zone(x + 11, x + 19, row.y, row.y + 20, edges)};
  };
  const auto start = diamondPairItems(pairAt(2), row.topic, actions.startDown, actions.startUp);
  const auto end = diamondPairItems(pairAt(78), row.topic, actions.endDown, actions.endUp);
  return joinItems(
      start,
      customItem(boxAt(kBeltRowLeft, row.y, kBeltRowLength, row.colour), drawBelt,
                 zoneInclX(kBeltRowLeft + 1, kBeltRowLeft + kBeltRowLength - 1, row.y, row.y + 20),
                 row.topic, actions.belt),
      end);
}

}  // namespace zc
