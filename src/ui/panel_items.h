#pragma once
// The item builders every page's panel table is written in: a label button, a custom-drawn item
// and an item that is only hit, each with its zone, topic and action in that order.
#include <cstdint>

#include "ui/controls.h"
#include "ui/panel.h"

namespace zc {

// A label button showing `label`, on while on() holds.
inline PanelItem buttonItem(const LabelButton& box, const LabelText& label, const HitZone& zone,
                            int32_t topic = 0, void (*action)(int, int) = nullptr,
                            bool (*on)() = nullptr) {
  return PanelItem{.kind = ItemKind::Button,
                   .box = box,
                   .label = &label,
                   .on = on,
                   .zone = zone,
                   .topic = topic,
                   .action = action};
}

// An item drawn by draw(), which takes its place from the item's box.
inline PanelItem customItem(const LabelButton& box, void (*draw)(Surface&, const PanelItem&),
                            const HitZone& zone, int32_t topic = 0,
                            void (*action)(int, int) = nullptr) {
  return PanelItem{.kind = ItemKind::Custom,
                   .box = box,
                   .draw = draw,
                   .zone = zone,
                   .topic = topic,
                   .action = action};
}

// An item that is not drawn, only hit.
inline PanelItem hitOnlyItem(const HitZone& zone, int32_t topic = 0,
                             void (*action)(int, int) = nullptr) {
  return PanelItem{.kind = ItemKind::HitOnly, .zone = zone, .topic = topic, .action = action};
}

// The two reset marks at the head of a page's column: where each is drawn (drawResetMark at
// (x, y) in its colour number) and where it is hit.
struct ResetMarks {
  int y = 0;
  int darkX = 2, lightX = 50;
  int darkColour = 5, lightColour = 4;
  HitZone darkZone{}, lightZone{};
};

template <ResetMarks At>
void drawDarkResetMark(Surface& s, const PanelItem&) {
  drawResetMark(s, At.darkX, At.y, At.darkColour);
}
template <ResetMarks At>
void drawLightResetMark(Surface& s, const PanelItem&) {
  drawResetMark(s, At.lightX, At.y, At.lightColour);
}

// The dark reset mark (the whole page back to its entry) and the light one (its modes only).
template <ResetMarks At>
PanelItem darkResetMark(int32_t topic, void (*action)(int, int) = nullptr) {
  return customItem(LabelButton{}, drawDarkResetMark<At>, At.darkZone, topic, action);
}
template <ResetMarks At>
PanelItem lightResetMark(int32_t topic, void (*action)(int, int) = nullptr) {
  return customItem(LabelButton{}, drawLightResetMark<At>, At.lightZone, topic, action);
}

}  // namespace zc
