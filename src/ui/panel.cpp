#include "ui/panel.h"

namespace zc {

HitZone hitZoneOf(const PanelItem& item) {
  if (!item.zone.empty()) return item.zone;
  const LabelButton& b = item.box;
  return zoneIncl(b.x + 1, b.x + b.width - 1, b.y + 1, b.y + 19);
}

void drawPanelItem(Surface& s, const PanelItem& item) {
  LabelButton box = item.box;
  if (item.on && item.on()) box.look = ButtonLook::On;
  if (item.greyed && item.greyed()) box.greyed = true;
  switch (item.kind) {
    case ItemKind::Button:
      if (item.label) drawButton(s, box, *item.label);
      break;
    case ItemKind::ValueBox:
      if (item.label) drawValueBox(s, box, *item.label, item.value ? item.value() : 0);
      break;
    case ItemKind::Custom:
      if (item.draw) item.draw(s, item);
      break;
    case ItemKind::HitOnly:
      break;
  }
}

void drawPanel(Surface& s, std::span<const PanelItem> items) {
  for (const PanelItem& item : items) drawPanelItem(s, item);
}

bool pressPanel(std::span<const PanelItem> items, int x, int y, int32_t& helpTopic) {
  for (const PanelItem& item : items) {
    if (!hitZoneOf(item).hits(x, y)) continue;
    if (item.topic) helpTopic = item.topic;
    if (item.action) item.action(x, y);
    return true;
  }
  return false;
}

}  // namespace zc
