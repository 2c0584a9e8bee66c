#include "pages/outline_pattern/zone_belts.h"

#include <algorithm>
#include <cstdio>

#include "core/workspace.h"
#include "text/pattern_texts.h"
#include "ui/controls.h"

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
  int y;       // top of the drawn belt
  int rowTop;  // the row's click zone, both ends included
  int rowBottom;
  Rgb fill;
  Rgb appointMark;
  int valueLineY;  // 0: no value line
};

constexpr Belt kBelts[] = {
    {kZoneRed, 217, 218, 236, {226, 222, 222}, {200, 64, 64}, 241},
    {kZoneGreen, 256, 257, 275, {222, 226, 222}, {64, 168, 64}, 280},
    {kZoneBlue, 295, 296, 314, {222, 222, 226}, {64, 64, 200}, 319},
    {kZoneGrey, 334, 335, 353, {200, 200, 200}, {128, 128, 128}, 0},
};

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

void drawBelt(Surface& s, const Belt& belt, const PatternPageState& page) {
  const ZoneRange& copy = page.beltCopies[belt.channel];
  const ZoneRange& range = page.ranges[belt.channel];
  const int top = belt.y, bottom = belt.y + kBeltHeight;
  for (int x = markX(copy.from); x <= markX(copy.to); ++x) s.line(x, top + 1, x, bottom, belt.fill);
  s.rectangleOutline(kBeltLeft, top, kBeltLeft + kBeltLength, bottom, kBeltFrame);
  const int appoint = markX(appointValue(page.appoint, belt.channel));
  s.fillRect(appoint - 1, top + 1, appoint + 2, bottom, belt.appointMark);
  s.line(markX(range.from), top - 2, markX(range.from), bottom + 3, kRangeMark);
  s.line(markX(range.to), top - 2, markX(range.to), bottom + 3, kRangeMark);
  for (int x : {2, 12, 78, 88}) drawDiamondGlyph(s, x, top + 5, 10, kSwitchColour);
  if (belt.valueLineY) {
    LabelButton line = makeButton(4, belt.valueLineY, 94, kWhite, ButtonLook::Plain);
    line.textColour = kValueLineText;
    char text[1032];
    const LabelText& format = label(PatternLabel::BeltValues);
    std::snprintf(text, sizeof text, tr(format.japanese, format.english), range.from,
                  appointValue(page.appoint, belt.channel), range.to);
    drawButton(s, line, text);
  }
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

void drawZoneBelts(Surface& s, const PatternPageState& page) {
  for (const Belt& belt : kBelts) drawBelt(s, belt, page);
}

int32_t pressZoneBelts(PatternPageState& page, int x, int y) {
  for (const Belt& belt : kBelts) {
    if (y < belt.rowTop || y > belt.rowBottom) continue;
    ZoneRange& copy = page.beltCopies[belt.channel];
    const int appoint = appointValue(page.appoint, belt.channel);
    bool changed = true;
    if (x >= 3 && x <= 11) {
      copy.from = std::max(copy.from - kSwitchStep, 0);
    } else if (x >= 13 && x <= 21) {
      // The red belt's start stops at the picked red, the others' at their own end.
      const int limit = belt.channel == kZoneRed ? page.appoint.r : copy.to;
      copy.from = std::min(copy.from + kSwitchStep, limit);
    } else if (x >= 25 && x <= 75) {
      const int value = (x - 24) * 255 / kBeltLength;
      if (x < markX(appoint))
        copy.from = value;
      else
        copy.to = value;
    } else if (x >= 79 && x <= 87) {
      copy.to = std::max(copy.to - kSwitchStep, copy.from);
    } else if (x >= 89 && x <= 97) {
      copy.to = std::min(copy.to + kSwitchStep, 255);
    } else {
      changed = false;
    }
    // The belt's value holds: the ranges follow the belts from now on.
    if (changed) page.beltsLead = 1;
    return belt.channel == kZoneGrey ? kPatternGreyValueTopic : kPatternBeltTopic;
  }
  // Between the belts: the value lines of the colour belts.
  return kPatternBeltTopic;
}

}  // namespace zc
