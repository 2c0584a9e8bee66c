#include "pages/outline_pattern/pattern_page_belts.h"

#include <algorithm>
#include <cstdio>

#include "core/workspace.h"
#include "text/pattern_texts.h"
#include "ui/controls.h"
#include "ui/panel_widgets.h"

namespace zc {
namespace {

constexpr int kBeltLeft = 24;
constexpr int kBeltLength = 52;
constexpr int kBeltHeight = 20;
constexpr int kSwitchStep = 8;
constexpr Rgb kBeltFrame{222, 222, 222};
constexpr Rgb kSwitchColour{160, 160, 160};
constexpr Rgb kRangeMark{64, 64, 64};
constexpr Rgb kValueLineText{222, 222, 222};

struct Belt {
  ZoneChannel channel;
  int y;  // top of the drawn belt; its row is hit on y + 1 .. y + 19
  Rgb fill;
  Rgb appointMark;
  int valueLineY;  // 0: no value line
  int32_t topic;
};

constexpr Belt kBelts[] = {
    {kZoneRed, 217, {226, 222, 222}, {200, 64, 64}, 241, kPatternBeltTopic},
    {kZoneGreen, 256, {222, 226, 222}, {64, 168, 64}, 280, kPatternBeltTopic},
    {kZoneBlue, 295, {222, 222, 226}, {64, 64, 200}, 319, kPatternBeltTopic},
    {kZoneGrey, 334, {200, 200, 200}, {128, 128, 128}, 0, kPatternGreyValueTopic},
};

PatternPageState& page() {
  return ws().pattern;
}

// The x of value v on a belt.
int markX(int value) {
  return kBeltLeft + value * kBeltLength / 256;
}

int appointValue(const AppointColour& appoint, ZoneChannel channel) {
  switch (channel) {
    case kZoneRed:
      return appoint.r;
    case kZoneGreen:
      return appoint.g;
    case kZoneBlue:
      return appoint.b;
    default:
      return appoint.grey;
  }
}

// The bar: the copy's range filled, the frame, the picked value and the range's two ends.
template <int B>
void drawBar(Surface& s, const PanelItem&) {
  constexpr Belt belt = kBelts[B];
  const PatternPageState& p = page();
  const ZoneRange& copy = p.beltCopies[belt.channel];
  const ZoneRange& range = p.ranges[belt.channel];
  const int top = belt.y, bottom = belt.y + kBeltHeight;
  for (int x = markX(copy.from); x <= markX(copy.to); ++x) s.line(x, top + 1, x, bottom, belt.fill);
  s.rectangleOutline(kBeltLeft, top, kBeltLeft + kBeltLength, bottom, kBeltFrame);
  const int appoint = markX(appointValue(p.appoint, belt.channel));
  s.fillRect(appoint - 1, top + 1, appoint + 2, bottom, belt.appointMark);
  s.line(markX(range.from), top - 2, markX(range.from), bottom + 3, kRangeMark);
  s.line(markX(range.to), top - 2, markX(range.to), bottom + 3, kRangeMark);
}

template <int B>
void drawValueLine(Surface& s, const PanelItem& item) {
  constexpr Belt belt = kBelts[B];
  const PatternPageState& p = page();
  const ZoneRange& range = p.ranges[belt.channel];
  char text[1032];
  const LabelText& format = label(PatternLabel::BeltValues);
  std::snprintf(text, sizeof text, tr(format.japanese, format.english), range.from,
                appointValue(p.appoint, belt.channel), range.to);
  drawButton(s, item.box, text);
}

// The belt's value holds: the ranges follow the belts from now on.
template <int B>
ZoneRange& editedCopy() {
  page().beltsLead = 1;
  return page().beltCopies[kBelts[B].channel];
}

template <int B>
void pressBar(int x, int) {
  ZoneRange& copy = editedCopy<B>();
  const int value = (x - kBeltLeft) * 255 / kBeltLength;
  if (x < markX(appointValue(page().appoint, kBelts[B].channel)))
    copy.from = value;
  else
    copy.to = value;
}
template <int B>
void startDown(int, int) {
  ZoneRange& copy = editedCopy<B>();
  copy.from = std::max(copy.from - kSwitchStep, 0);
}
template <int B>
void startUp(int, int) {
  ZoneRange& copy = editedCopy<B>();
  // The red belt's start stops at the picked red, the others' at their own end.
  const int limit = kBelts[B].channel == kZoneRed ? page().appoint.r : copy.to;
  copy.from = std::min(copy.from + kSwitchStep, limit);
}
template <int B>
void endDown(int, int) {
  ZoneRange& copy = editedCopy<B>();
  copy.to = std::max(copy.to - kSwitchStep, copy.from);
}
template <int B>
void endUp(int, int) {
  ZoneRange& copy = editedCopy<B>();
  copy.to = std::min(copy.to + kSwitchStep, 255);
}

// The belt's row: its bar between its switch pairs (their glyphs 5 pixels down in the row), the
// value line under a colour belt and the rest of the row.
template <int B>
std::array<PanelItem, 7> beltRowItems() {
  constexpr Belt belt = kBelts[B];
  return inStage(
      kZoneBeltStage,
      joinItems(
          beltItems({.y = belt.y, .colour = kSwitchColour, .glyphDy = 5, .topic = belt.topic},
                    drawBar<B>, {startDown<B>, startUp<B>, pressBar<B>, endDown<B>, endUp<B>}),
          belt.valueLineY
              ? customItem(textAt(4, belt.valueLineY, 94, kValueLineText), drawValueLine<B>, kNoHit)
              : hitOnlyItem(kNoHit),
          hitOnlyItem(zoneIncl(3, 97, belt.y + 1, belt.y + kBeltHeight - 1), belt.topic)));
}

}  // namespace

void synchroniseBelts(PatternPageState& page) {
  for (int c = 0; c < kZoneChannelCount; ++c) {
    if (page.beltsLead == 1)
      page.ranges[c] = page.beltCopies[c];
    else
      page.beltCopies[c] = page.ranges[c];
  }
}

std::array<PanelItem, kZoneBeltItemCount> zoneBeltItems() {
  return joinItems(
      beltRowItems<0>(), beltRowItems<1>(), beltRowItems<2>(), beltRowItems<3>(),
      inStage(kZoneBeltStage, hitOnlyItem(zoneIncl(3, 97, 218, 353), kPatternBeltTopic)));
}

}  // namespace zc
