#pragma once
#include <cstdint>

namespace zc {

// A zone range of one channel: from .. to, both included. The empty range is from 255, to 0.
struct ZoneRange {
  int32_t from = 255;
  int32_t to = 0;
  constexpr bool operator==(const ZoneRange&) const = default;
};

// The four ranges in the order of the zone belts' data: grey, then red, green and blue.
enum ZoneChannel : int { kZoneGrey = 0, kZoneRed, kZoneGreen, kZoneBlue, kZoneChannelCount };

// The last picked pixel.
struct AppointColour {
  int32_t b = 0, g = 0, r = 0, grey = 0;
  constexpr bool operator==(const AppointColour&) const = default;
};

// The area rectangle as dragged: x relative to the image area (window x - 100), y in window
// coordinates; the corners stay in the order they were dragged.
struct AreaRect {
  int32_t x0 = 0, y0 = 32, x1 = 1440, y1 = 960 + 32;
  constexpr bool operator==(const AreaRect&) const = default;
};

// The Pattern page's settings with their start values.
struct PatternPageState {
  int32_t helpTopic = 0;
  int32_t zoneMode = 0;    // 1 while picks on the image widen the ranges
  int32_t zoneButton = 0;  // 1 while the "3)Zone" button is on
  ZoneRange ranges[kZoneChannelCount];
  AppointColour appoint;
  // The belts' own copies of the ranges and which side leads: 0 the belts follow the ranges,
  // 1 the ranges follow the belts.
  ZoneRange beltCopies[kZoneChannelCount];
  int32_t beltsLead = 0;
  int32_t zoneValueTarget = 0;  // the grey bound the key pad edits: 0 none, 1 from, 2 to
  int32_t whiteChosen = 1;      // the "W" button shows the white zone colour as chosen
  int32_t areaMode = 0;         // 0 off, 1 area dragging (drawing needs it), 2 picking only
  int32_t areaKind = 3;         // 3 "all"; 0 after the light reset mark
  AreaRect area;
  int32_t drawZoneRequest = 0;  // 1 while the zone is drawn at every paint
  int32_t drawZoneAsked = 0;    // the draw-zone question was shown for this raising
  int32_t patternRequest = 0;   // 1 while the pattern is made at every paint
  int32_t patternAsked = 0;     // the no-window question was shown for this "6)Pattern" click
  int32_t patternWarning = 0;
  int32_t softLevel = 0;
  int32_t softLight = 0, softDark = 0;
  int32_t areaFrameShown = 0;  // the live frame of an area drag is on the window
};

}  // namespace zc
