#include "pages/outline_pattern/pattern_image.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zc {
namespace {

// A 4 x 2 picture: pixels given as (b, g, r).
struct Picture {
  std::vector<uint8_t> bytes;
  std::vector<int32_t> marks;
  PixelView view() { return PixelView{bytes.data(), 4, 2}; }
};

Picture picture(std::initializer_list<std::array<uint8_t, 3>> pixels) {
  Picture p;
  for (const auto& px : pixels) p.bytes.insert(p.bytes.end(), px.begin(), px.end());
  p.marks.assign(8, 7);
  return p;
}

TEST(PatternImage, ZoneColourBecomesWhiteAndEverythingElseGrey) {
  Picture p = picture({{255, 255, 255},
                       {254, 255, 255},
                       {0, 0, 0},
                       {255, 255, 255},
                       {192, 192, 192},
                       {255, 255, 255},
                       {10, 20, 30},
                       {255, 0, 255}});
  EXPECT_EQ(patternImage(p.view(), p.marks.data(), 255), 3);
  const std::vector<uint8_t> grey{192, 192, 192}, white{255, 255, 255};
  const int expectedMark[8] = {0, 1, 1, 0, 1, 0, 1, 1};
  for (int i = 0; i < 8; ++i) {
    const std::vector<uint8_t> px(p.bytes.begin() + 3 * i, p.bytes.begin() + 3 * i + 3);
    EXPECT_EQ(px, expectedMark[i] ? grey : white) << i;
    EXPECT_EQ(p.marks[i], expectedMark[i]) << i;
  }
}

TEST(PatternImage, OtherZoneColoursMatchOnlyTheirOwnGrey) {
  Picture p = picture({{128, 128, 128},
                       {255, 255, 255},
                       {128, 128, 127},
                       {128, 128, 128},
                       {0, 0, 0},
                       {0, 0, 0},
                       {0, 0, 0},
                       {0, 0, 0}});
  EXPECT_EQ(patternImage(p.view(), p.marks.data(), 128), 2);
  EXPECT_EQ(p.marks[0], 0);
  EXPECT_EQ(p.marks[1], 1);  // white is pattern when the zone colour is not white
  EXPECT_EQ(p.bytes[3], 192);
}

}  // namespace
}  // namespace zc
