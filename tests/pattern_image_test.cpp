#include "pages/outline_pattern/pattern_image.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "pages/outline_pattern/pattern_image_reference.h"
#include "test_support.h"

namespace zc {
namespace {

// A 4 x 2 picture: pixels given as (b, g, r).
struct Picture {
  std::vector<uint8_t> bytes;
  std::vector<int32_t> marks;
  PixelView view() { return PixelView{bytes.data(), 4, 2}; }
  MarkView markView() { return MarkView{marks.data(), 4, 2}; }
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
  EXPECT_EQ(patternImage(p.view(), p.markView(), 255), 3);
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
  EXPECT_EQ(patternImage(p.view(), p.markView(), 128), 2);
  EXPECT_EQ(p.marks[0], 0);
  EXPECT_EQ(p.marks[1], 1);  // white is pattern when the zone colour is not white
  EXPECT_EQ(p.bytes[3], 192);
}

// The photograph with about a fifth of its pixels, single and in runs, set to the zone colour
// and to near misses of it; widths that leave a tail of fewer than sixteen pixels.
TEST(PatternImage, FastFormEqualsThePlainLoopOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  for (const int width : {768, 741, 16, 5}) {
    for (const int zone : {255, 128, 0}) {
      const int h = 64;
      std::vector<uint8_t> canvas(static_cast<size_t>(width) * h * 3);
      uint32_t seed = 99u + static_cast<uint32_t>(width + zone);
      for (int r = 0; r < h; ++r) {
        for (int c = 0; c < width; ++c) {
          uint8_t* px = &canvas[(static_cast<size_t>(r) * width + c) * 3];
          const Rgb p = photo.at(c, r * 7);
          px[0] = p.b, px[1] = p.g, px[2] = p.r;
          seed = seed * 1664525u + 1013904223u;
          if ((seed >> 24) % 5 == 0 || (c / 40 + r) % 9 == 0) {
            px[0] = px[1] = px[2] = static_cast<uint8_t>(zone);
            if ((seed >> 8) % 4 == 0) px[(seed >> 12) % 3] ^= 1;  // one byte off
          }
        }
      }
      std::vector<uint8_t> plain = canvas;
      std::vector<int32_t> plainMarks(canvas.size() / 3, 7);
      const long plainCount = patternImageReference(PixelView{plain.data(), width, h},
                                                    MarkView{plainMarks.data(), width, h}, zone);
      for (const bool vectors : {true, false}) {
        std::vector<uint8_t> fast = canvas;
        std::vector<int32_t> fastMarks(canvas.size() / 3, 7);
        EXPECT_EQ(
            patternImage(PixelView{fast.data(), width, h}, MarkView{fastMarks.data(), width, h},
                         zone, PatternImageTuning{vectors}),
            plainCount);
        EXPECT_TRUE(fast == plain) << width << " " << zone << " " << vectors;
        EXPECT_TRUE(fastMarks == plainMarks) << width << " " << zone << " " << vectors;
      }
    }
  }
}

}  // namespace
}  // namespace zc
