#include "ui/panel.h"

namespace zc {

HitZone hitZoneOf(const PanelItem& item) {
  return item.zone.empty() ? insideOf(item.box) : item.zone;
}

LabelButton shownBox(const PanelItem& item) {
  LabelButton box = item.box;
  if (item.on && item.on()) box.look = ButtonLook::On;
  if (item.greyed && item.greyed()) box.greyed = true;
  return box;
}

void drawPanelItem(Surface& s, const PanelItem& item) {
  if (item.shown && !item.shown()) return;
  const LabelButton box = shownBox(item);
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

void drawPanelStage(Surface& s, std::span<const PanelItem> items, uint8_t stage) {
  for (const PanelItem& item : items) {
    if (item.stage == stage) drawPanelItem(s, item);
  }
}

void drawDiamondItem(Surface& s, const PanelItem& item) {
  drawDiamondGlyph(s, item.box.x, item.box.y, item.box.width, item.box.frame);
}
void drawUpArrowItem(Surface& s, const PanelItem& item) {
  drawArrowGlyph(s, item.box.x, item.box.y, item.box.width, item.box.frame, ArrowDirection::Up);
}
void drawDownArrowItem(Surface& s, const PanelItem& item) {
  drawArrowGlyph(s, item.box.x, item.box.y, item.box.width, item.box.frame, ArrowDirection::Down);
}

bool pressPanel(std::span<const PanelItem> items, int x, int y, int32_t& helpTopic) {
  for (const PanelItem& item : items) {
    if (item.shown && !item.shown()) continue;
    if (!(item.hits ? item.hits(x, y) : hitZoneOf(item).hits(x, y))) continue;
    if (item.topic) helpTopic = item.topic;
    if (item.action) item.action(x, y);
    if (item.topicAfterAction && item.topic) helpTopic = item.topic;
    return true;
  }
  return false;
}

}  // namespace zc
