#include "ui/panel_widgets.h"

namespace zc {

std::array<PanelItem, 5> beltItems(const BeltRow& row, void (*drawBelt)(Surface&, const PanelItem&),
                                   const BeltActions& actions) {
  const uint8_t edges = row.switchEdgesHit ? HitZone::kLeft | HitZone::kRight : 0;
  const int glyphY = row.y + row.glyphDy;
  auto switchAt = [&](int x, void (*action)(int, int)) {
    return diamondItem(x, glyphY, row.colour, zone(x + 1, x + 9, row.y, row.y + 20, edges),
                       row.topic, action);
  };
  return {
      switchAt(2, actions.startDown), switchAt(12, actions.startUp),
      customItem(boxAt(kBeltRowLeft, row.y, kBeltRowLength, row.colour), drawBelt,
                 zoneInclX(kBeltRowLeft + 1, kBeltRowLeft + kBeltRowLength - 1, row.y, row.y + 20),
                 row.topic, actions.belt),
      switchAt(78, actions.endDown), switchAt(88, actions.endUp)};
}

}  // namespace zc
