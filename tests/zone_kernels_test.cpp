// The Pattern page's zone kernels on tiny pictures with their greys worked out by hand.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pages/outline_pattern/pattern_image.h"
#include "pages/outline_pattern/zone_draw.h"
#include "pages/outline_pattern/zone_pattern.h"
#include "pages/outline_pattern/zone_pick.h"
#include "test_support.h"

namespace zc {
namespace {

// A 4 x 2 picture, pixels in memory order (row 0 first), each written as (r, g, b), with the
// grey trunc(0.299 R + 0.587 G + 0.114 B) of each.
constexpr std::array<std::array<uint8_t, 3>, 8> kRgb = {{
    {30, 20, 10},     // 8.97 + 11.74 + 1.14 = 21.85 -> 21
    {100, 100, 100},  // 100
    {101, 101, 101},  // 100.99999999999999 -> 100
    {1, 1, 1},        // 0.99999999999999989 -> 0
    {0, 255, 0},      // 149.685 -> 149
    {255, 0, 0},      // 76.245 -> 76
    {0, 0, 255},      // 29.07 -> 29
    {128, 128, 128},  // 127.99999999999999 -> 127
}};

std::vector<uint8_t> pictureBytes() {
  std::vector<uint8_t> bytes;
  for (const auto& c : kRgb) bytes.insert(bytes.end(), {c[2], c[1], c[0]});
  return bytes;
}

TEST(ZoneDraw, PaintsExactlyThePixelsWhoseGreyLiesInTheRangeBothEndsIncluded) {
  struct Case {
    int from, to;
    std::array<bool, 8> inZone;
  };
  const Case cases[] = {
      {21, 100, {true, true, true, false, false, true, true, false}},  // greys equal to a bound
      {22, 99, {false, false, false, false, false, true, true, false}},
      {255, 0, {}},  // the empty range
      {0, 255, {true, true, true, true, true, true, true, true}},
      {0, 0, {false, false, false, true, false, false, false, false}},
      {149, 149, {false, false, false, false, true, false, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + ".." + std::to_string(c.to));
    std::vector<uint8_t> bytes = pictureBytes();
    const std::vector<uint8_t> before = bytes;
    long expectedMatches = 0;
    for (bool in : c.inZone) expectedMatches += in ? 1 : 0;
    EXPECT_EQ(zoneDraw(PixelView{bytes.data(), 4, 2}, c.from, c.to, 7), expectedMatches);
    for (int i = 0; i < 8; ++i) {
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(bytes[3 * i + k], c.inZone[i] ? 7 : before[3 * i + k]) << "pixel " << i;
      }
    }
  }
}

TEST(ZoneDraw, AsksAgainWhenFewerThanAHundredPixelsAreLeftOutOrNothingWasExamined) {
  EXPECT_TRUE(zoneCoversAll(0, 0));  // the area is off
  EXPECT_TRUE(zoneCoversAll(1000, 1000));
  EXPECT_TRUE(zoneCoversAll(1000, 901));
  EXPECT_FALSE(zoneCoversAll(1000, 900));
  EXPECT_FALSE(zoneCoversAll(1000, 0));  // nothing matched
}

TEST(ZonePick, OnePickIsEveryRangeAndABrighterPickWidensEveryEnd) {
  // 2 x 2, rows bottom-up: (10, 20, 30) as (b, g, r) at column 1 of row 0, a brighter pixel at
  // column 0 of row 1.
  std::vector<uint8_t> bytes = {0, 0, 0, 10, 20, 30, 40, 50, 60, 0, 0, 0};
  const PixelView canvas{bytes.data(), 2, 2};
  ZoneRange ranges[kZoneChannelCount];
  EXPECT_EQ(zonePick(canvas, 1, 0, ranges), (AppointColour{10, 20, 30, 21}));
  EXPECT_EQ(ranges[kZoneGrey], (ZoneRange{21, 21}));
  EXPECT_EQ(ranges[kZoneRed], (ZoneRange{30, 30}));
  EXPECT_EQ(ranges[kZoneGreen], (ZoneRange{20, 20}));
  EXPECT_EQ(ranges[kZoneBlue], (ZoneRange{10, 10}));

  // 0.299 * 60 + 0.587 * 50 + 0.114 * 40 = 51.85 -> 51
  EXPECT_EQ(zonePick(canvas, 0, 1, ranges), (AppointColour{40, 50, 60, 51}));
  EXPECT_EQ(ranges[kZoneGrey], (ZoneRange{21, 51}));
  EXPECT_EQ(ranges[kZoneRed], (ZoneRange{30, 60}));
  EXPECT_EQ(ranges[kZoneGreen], (ZoneRange{20, 50}));
  EXPECT_EQ(ranges[kZoneBlue], (ZoneRange{10, 40}));

  // A darker pick lowers the starts and keeps the ends.
  zonePick(canvas, 0, 0, ranges);
  EXPECT_EQ(ranges[kZoneGrey], (ZoneRange{0, 51}));
  EXPECT_EQ(ranges[kZoneBlue], (ZoneRange{0, 40}));
}

// The one-pass form against zoneDraw then patternImage on the parrots photograph, placed on the
// 1440 x 960 canvas as the page shows it (white around it).
TEST(ZoneAndPattern, IsZoneDrawThenPatternImageBitForBitOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_EQ(photo.width, 768);
  const int w = 1440, h = 960;
  std::vector<uint8_t> canvas(static_cast<size_t>(w) * h * 3, 255);
  for (int y = 0; y < photo.height; ++y) {
    for (int x = 0; x < photo.width; ++x) {
      uint8_t* px = &canvas[(static_cast<size_t>(h - 1 - y) * w + x) * 3];
      const Rgb c = photo.at(x, y);
      px[0] = c.b;
      px[1] = c.g;
      px[2] = c.r;
    }
  }
  struct Case {
    int from, to, zoneColor;
  };
  for (const Case c : {Case{90, 150, 255}, Case{0, 255, 255}, Case{255, 0, 255}, Case{0, 0, 255},
                       Case{200, 255, 255}, Case{117, 117, 255}, Case{30, 80, 128}}) {
    SCOPED_TRACE(std::to_string(c.from) + ".." + std::to_string(c.to) + " p " +
                 std::to_string(c.zoneColor));
    std::vector<uint8_t> plain = canvas;
    std::vector<int32_t> plainMarks(static_cast<size_t>(w) * h, 7);
    const long matched = zoneDraw(PixelView{plain.data(), w, h}, c.from, c.to, c.zoneColor);
    const long zoneCount =
        patternImage(PixelView{plain.data(), w, h}, MarkView{plainMarks.data(), w, h}, c.zoneColor);
    for (const bool vectors : {true, false}) {
      std::vector<uint8_t> fast = canvas;
      std::vector<int32_t> fastMarks(static_cast<size_t>(w) * h, 7);
      const ZonePatternCounts counts =
          zoneAndPattern(PixelView{fast.data(), w, h}, MarkView{fastMarks.data(), w, h}, c.from,
                         c.to, c.zoneColor, ZonePatternTuning{.vectors = vectors});
      EXPECT_EQ(counts.matched, matched) << vectors;
      EXPECT_EQ(counts.zoneCount, zoneCount) << vectors;
      EXPECT_TRUE(fast == plain) << vectors;
      EXPECT_TRUE(fastMarks == plainMarks) << vectors;
    }
  }
}

}  // namespace
}  // namespace zc
