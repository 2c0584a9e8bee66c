#pragma once
// The composite controls of the panels, each declared once as a run of items: plain texts and
// value boxes, the 10-pixel diamond switch pairs, a double belt with its switches and the key pad.
// Where pages differ (a zone's edges, a glyph's offset, a pad's row pitch) the builder takes it as
// a parameter, so the page's table writes each group's position once.
#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/calculator.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"

namespace zc {

// ---- boxes ---------------------------------------------------------------------------------

// A label box of the given frame, raised.
constexpr LabelButton boxAt(int x, int y, int width, Rgb frame, Rgb text = kLabelText) {
  return LabelButton{.x = x, .y = y, .width = width, .frame = frame, .textColour = text};
}
// A text only: no frame is drawn.
constexpr LabelButton textAt(int x, int y, int width, Rgb text = kLabelText) {
  return LabelButton{.x = x, .y = y, .width = width, .look = ButtonLook::Plain, .textColour = text};
}
// The same box with its text greyed (an item the page does not use).
constexpr LabelButton greyed(LabelButton b) {
  b.greyed = true;
  return b;
}
// The same box in the small font (hints, scales).
constexpr LabelButton smallFont(LabelButton b) {
  b.fontHeight = 10;
  return b;
}

// ---- item modifiers ------------------------------------------------------------------------

// The item drawn in the given step of a paint that draws its panel in several steps.
constexpr PanelItem inStage(uint8_t stage, PanelItem item) {
  item.stage = stage;
  return item;
}
template <std::size_t N>
constexpr std::array<PanelItem, N> inStage(uint8_t stage, std::array<PanelItem, N> items) {
  for (PanelItem& item : items) item.stage = stage;
  return items;
}
// The item drawn and hit only while shown() holds.
constexpr PanelItem shownWhile(bool (*shown)(), PanelItem item) {
  item.shown = shown;
  return item;
}
// The item drawn by draw() instead, keeping its box, label and on() (a button with an icon).
constexpr PanelItem drawnBy(void (*draw)(Surface&, const PanelItem&), PanelItem item) {
  item.kind = ItemKind::Custom;
  item.draw = draw;
  return item;
}
// The same item showing another help topic (0: none).
constexpr PanelItem withTopic(int32_t topic, PanelItem item) {
  item.topic = topic;
  return item;
}

// ---- texts and value boxes -----------------------------------------------------------------

// An item that is only drawn, never hit: a text, a heading or a box.
inline PanelItem textItem(const LabelButton& box, const LabelText& label) {
  return buttonItem(box, label, kNoHit);
}

// A value box showing value() through the label's format, on while on() holds.
inline PanelItem valueBoxItem(const LabelButton& box, const LabelText& format, int32_t (*value)(),
                              const HitZone& zone, int32_t topic = 0,
                              void (*action)(int, int) = nullptr, bool (*on)() = nullptr) {
  PanelItem item = buttonItem(box, format, zone, topic, action, on);
  item.kind = ItemKind::ValueBox;
  item.value = value;
  return item;
}

// ---- diamond switches ----------------------------------------------------------------------

// One 10-pixel diamond switch with its glyph at (x, y).
inline PanelItem diamondItem(int x, int y, Rgb colour, const HitZone& zone, int32_t topic = 0,
                             void (*action)(int, int) = nullptr) {
  return customItem(boxAt(x, y, 10, colour), drawDiamondItem, zone, topic, action);
}

// Two 10-pixel diamond switches side by side: down with its glyph at (x, y), up at (x + 10, y),
// each hit on its own zone.
struct DiamondPair {
  int x = 0, y = 0;
  Rgb colour{};
  HitZone down = kNoHit, up = kNoHit;
};
// The pair at (x, y) whose switches are hit on their boxes' inner columns, x + 1 .. x + 9 and
// x + 11 .. x + 19, over the rows y0 .. y1.
constexpr DiamondPair diamondPairAt(int x, int y, Rgb colour, int y0, int y1) {
  return {x, y, colour, zoneIncl(x + 1, x + 9, y0, y1), zoneIncl(x + 11, x + 19, y0, y1)};
}
inline std::array<PanelItem, 2> diamondPairItems(const DiamondPair& at, int32_t topic = 0,
                                                 void (*down)(int, int) = nullptr,
                                                 void (*up)(int, int) = nullptr) {
  return {diamondItem(at.x, at.y, at.colour, at.down, topic, down),
          diamondItem(at.x + 10, at.y, at.colour, at.up, topic, up)};
}

// ---- double belts --------------------------------------------------------------------------

// A belt row: a 52-pixel belt at x = 24 between two diamond pairs (its start's down and up
// switches at x 2 and 12, its end's at 78 and 88). The row is drawn from y and each of its parts
// is hit on the rows y + 1 .. y + 19; the belt on x 25 .. 75, a switch on its box's inner columns
// x + 1 .. x + 9, or x + 2 .. x + 8 where the row's switches leave their edges out.
struct BeltRow {
  int y = 0;
  Rgb colour{};     // the switches' glyphs and the belt's box frame
  int glyphDy = 0;  // the glyphs stand this far below the row's top
  bool switchEdgesHit = true;
  int32_t topic = 0;
};
// What a press on each part does.
struct BeltActions {
  void (*startDown)(int, int) = nullptr;
  void (*startUp)(int, int) = nullptr;
  void (*belt)(int, int) = nullptr;
  void (*endDown)(int, int) = nullptr;
  void (*endUp)(int, int) = nullptr;
};
constexpr int kBeltRowLeft = 24;
constexpr int kBeltRowLength = 52;

// The row's items in click-table order: start down, start up, the belt (drawn by drawBelt from
// its box), end down, end up.
std::array<PanelItem, 5> beltItems(const BeltRow& row, void (*drawBelt)(Surface&, const PanelItem&),
                                   const BeltActions& actions);

// ---- the key pad ---------------------------------------------------------------------------

template <KeyPadLayout Pad, bool (*CalOn)(), bool GreyedKeys>
void drawKeyPadItem(Surface& s, const PanelItem&) {
  drawKeyPad(s, Pad, CalOn(), GreyedKeys);
}
template <KeyPadLayout Pad>
void drawPadEntryItem(Surface& s, const PanelItem&) {
  drawPadEntry(s, Pad);
}
template <KeyPadLayout Pad>
bool hitsPadKey(int x, int y) {
  return keyPadHit(x, y, Pad).key != PadKey::None;
}

// The keys of the pad at Pad, the "cal" key on while CalOn() holds and every key greyed with
// GreyedKeys. With no zone it is hit on its keys only; with one, anywhere in it (press then finds
// the key with keyPadHit, or none between them).
template <KeyPadLayout Pad, bool (*CalOn)(), bool GreyedKeys = false>
PanelItem keyPadItem(void (*press)(int, int), const HitZone& zone = kBoxInside) {
  PanelItem item =
      customItem(LabelButton{}, drawKeyPadItem<Pad, CalOn, GreyedKeys>, zone, 0, press);
  if (zone.empty()) item.hits = hitsPadKey<Pad>;
  return item;
}
// The typed entry in the pad's field, drawn once the presses are carried out.
template <KeyPadLayout Pad>
PanelItem padEntryItem() {
  return customItem(LabelButton{}, drawPadEntryItem<Pad>, kNoHit);
}

}  // namespace zc
