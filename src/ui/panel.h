#pragma once
// A declared panel: a page's left column as one table of items in the order of its click table.
// Each item says how it is drawn and where it is hit; one routine draws a table and one answers a
// press with the first item hit. The items only describe: every value they show or change lives
// in the Workspace record.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "platform/surface.h"
#include "text/labels.h"
#include "ui/controls.h"

namespace zc {

// A hit rectangle and which of its edges belong to it.
struct HitZone {
  enum Edge : uint8_t { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8, kAll = 15 };
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  uint8_t inclusive = 0;  // a set of Edge bits; an edge not in it is exclusive
  constexpr bool empty() const { return x1 < x0 || y1 < y0; }
  constexpr bool hits(int x, int y) const {
    if (empty()) return false;
    const bool inX =
        (inclusive & kLeft ? x >= x0 : x > x0) && (inclusive & kRight ? x <= x1 : x < x1);
    const bool inY =
        (inclusive & kTop ? y >= y0 : y > y0) && (inclusive & kBottom ? y <= y1 : y < y1);
    return inX && inY;
  }
};

// Every zone builder takes the x range first, then the y range: (x0, x1, y0, y1).
// Ranges written as "x0..x1; y0..y1", both ends included.
constexpr HitZone zoneIncl(int x0, int x1, int y0, int y1) {
  return HitZone{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1),
                 static_cast<int16_t>(y1), HitZone::kAll};
}
// x0 < x < x1 and y0 < y < y1.
constexpr HitZone zoneExcl(int x0, int x1, int y0, int y1) {
  return HitZone{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1),
                 static_cast<int16_t>(y1), 0};
}
// x0 <= x <= x1 and y0 < y < y1: a row hit on its whole width but not on its top and bottom.
constexpr HitZone zoneInclX(int x0, int x1, int y0, int y1) {
  return HitZone{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1),
                 static_cast<int16_t>(y1), HitZone::kLeft | HitZone::kRight};
}
// Any mix of bounds: the edges named in `inclusive` are included.
constexpr HitZone zone(int x0, int x1, int y0, int y1, uint8_t inclusive) {
  return HitZone{static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1),
                 static_cast<int16_t>(y1), inclusive};
}
// The zone of an item that is hit on its drawn box's inside (the default).
inline constexpr HitZone kBoxInside{0, 0, -1, -1, 0};
// The zone of an item that is only drawn (a heading no click selects, a scale, a decoration):
// no point lies strictly between 0 and 0.
inline constexpr HitZone kNoHit = zoneExcl(0, 0, 0, 0);
// A zone moved down by dy.
constexpr HitZone shiftedDown(const HitZone& z, int dy) {
  return HitZone{z.x0, static_cast<int16_t>(z.y0 + dy), z.x1, static_cast<int16_t>(z.y1 + dy),
                 z.inclusive};
}

enum class ItemKind : uint8_t {
  Button,    // a label button with its label
  ValueBox,  // a label button showing value() through the label's printf format
  Custom,    // drawn by draw()
  HitOnly,   // not drawn; only hit
};

struct PanelItem {
  ItemKind kind = ItemKind::Button;
  // The drawn box: position, width, frame colour, look, font height, text colour and static
  // greying. Height is 20, as for every label button.
  LabelButton box{};
  const LabelText* label = nullptr;
  bool (*on)() = nullptr;      // drawn on while this holds
  bool (*greyed)() = nullptr;  // drawn greyed while this holds (box.greyed greys always)
  int32_t (*value)() = nullptr;
  void (*draw)(Surface&, const struct PanelItem&) = nullptr;  // Custom items
  // Where the item is hit. An empty zone means the drawn box's inside: x + 1 .. x + width - 1,
  // y + 1 .. y + 19, both ends included.
  HitZone zone = kBoxInside;
  int32_t topic = 0;                       // the help topic a hit shows (0: none)
  void (*action)(int x, int y) = nullptr;  // runs after the topic is set, and may change it
  // A hit test of the item's own, asked instead of its zone (a key pad is hit on its keys, not
  // on the gaps between them).
  bool (*hits)(int x, int y) = nullptr;
  // The step of the paint that draws the item, for a page that draws its panel in several steps
  // (before and after its operation has run): drawPanelStage draws one step's items.
  uint8_t stage = 0;
  bool (*shown)() = nullptr;      // drawn and hit only while this holds (nullptr: always)
  bool topicAfterAction = false;  // the topic is set again once the action has run (resetItem)
};

// An item whose action runs a reset that clears the page's help topic: pressPanel sets the
// item's topic again after the action, so a press shows the reset's own topic.
constexpr PanelItem resetItem(PanelItem item) {
  item.topicAfterAction = true;
  return item;
}

// An action that sets a field to Value and the test that it holds Value, for a run of items that
// each choose one value (ways, variants, modes). Field gives the field.
template <int32_t& (*Field)(), int32_t Value>
void setTo(int, int) {
  Field() = Value;
}
template <int32_t& (*Field)(), int32_t Value>
bool isSetTo() {
  return Field() == Value;
}

// Actions that step a field by Step and hold it at Min or Max (a diamond pair's down and up).
template <int32_t& (*Field)(), int32_t Step, int32_t Min>
void stepDownTo(int, int) {
  Field() = std::max(Min, Field() - Step);
}
template <int32_t& (*Field)(), int32_t Step, int32_t Max>
void stepUpTo(int, int) {
  Field() = std::min(Max, Field() + Step);
}

// How many items a part of a table holds: one item, or a run of them.
template <class Part>
inline constexpr std::size_t kItemsIn = 1;
template <std::size_t N>
inline constexpr std::size_t kItemsIn<std::array<PanelItem, N>> = N;

// Joins items and runs of items (a belt's row, a list of ways) into one table, in order.
template <class... Parts>
constexpr std::array<PanelItem, (kItemsIn<Parts> + ...)> joinItems(const Parts&... parts) {
  std::array<PanelItem, (kItemsIn<Parts> + ...)> all{};
  std::size_t at = 0;
  auto put = [&](const auto& part) {
    if constexpr (std::is_same_v<std::decay_t<decltype(part)>, PanelItem>) {
      all[at++] = part;
    } else {
      std::copy(part.begin(), part.end(), all.begin() + at);
      at += part.size();
    }
  };
  (put(parts), ...);
  return all;
}

// The inside of a label button's box: x + 1 .. x + width - 1, y + 1 .. y + 19.
constexpr HitZone insideOf(const LabelButton& b) {
  return zoneIncl(b.x + 1, b.x + b.width - 1, b.y + 1, b.y + 19);
}

// The zone a press is tested against.
HitZone hitZoneOf(const PanelItem& item);

// The item's box as it is drawn now: on while on() holds, greyed while greyed() holds (for
// custom drawers that draw a button of their own).
LabelButton shownBox(const PanelItem& item);

// Draws every item in table order (an item with shown() only while it holds).
void drawPanel(Surface& surface, std::span<const PanelItem> items);
// Draws the items of one stage, in table order.
void drawPanelStage(Surface& surface, std::span<const PanelItem> items, uint8_t stage);
// Draws one item.
void drawPanelItem(Surface& surface, const PanelItem& item);

// Custom drawers that take their place from the item's box: a diamond switch or an up or down
// arrow of side box.width in the box's frame colour at (box.x, box.y).
void drawDiamondItem(Surface& surface, const PanelItem& item);
void drawUpArrowItem(Surface& surface, const PanelItem& item);
void drawDownArrowItem(Surface& surface, const PanelItem& item);

// The first shown item whose zone (or own hit test) holds the point: sets helpTopic to its topic
// (when it has one), runs its action and answers true. False when no item is hit.
bool pressPanel(std::span<const PanelItem> items, int x, int y, int32_t& helpTopic);

}  // namespace zc
