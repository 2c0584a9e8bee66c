#pragma once
// The item builders every page's panel table is written in: a label button, a custom-drawn item
// and an item that is only hit, each with its zone, topic and action in that order.
#include <cstdint>

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

}  // namespace zc
