#include "pages/fog/bright_dark.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "pages/fog/bright_dark_reference.h"
#include "test_support.h"

namespace zc {
namespace {

TEST(BrightDark, ValuesWorkedOutByHand) {
  struct Case {
    int v, bright, dark, expected;
  };
  // The binary 2.55 is 2.54999999999999982..., so exact results land one level lower.
  const Case cases[] = {
      {100, 100, 0, 99},  // 100 * 2.55 * 100 / 255 = 99.999...
      {0, 100, 0, 0},       {255, 100, 0, 254}, {100, 150, 0, 149},  // 149.999...
      {200, 150, 0, 255},                                            // 299.99..., clamped
      {100, 100, 50, 49},                                            // 49.999...
      {50, 100, 50, 0},                                              // exactly 0
      {20, 100, 50, 0},                                              // -29.99..., clamped to 0
      {255, 1, 0, 2},                                                // 2.549...
      {10, 100, -20, 29},                                            // dark below 0 adds: 29.999...
      {255, 100, -10, 255}, {128, 200, 0, 255},                      // 255.99..., clamped
      {127, 200, 0, 253},                                            // 253.99...
  };
  for (const Case& c : cases) {
    EXPECT_EQ(brightDarkValue(c.v, c.bright, c.dark), c.expected)
        << c.v << " bright " << c.bright << " dark " << c.dark;
  }
}

// bright 100, dark 1: every byte from 2 up drops by 2, 1 becomes 0 and 0 stays 0.
TEST(BrightDark, DarkOneDropsEveryByteByTwo) {
  for (int v = 0; v < 256; ++v) {
    EXPECT_EQ(brightDarkValue(v, 100, 1), v >= 2 ? v - 2 : 0) << v;
  }
}

TEST(BrightDark, AppliesToEveryByteOfTheWorkingImageOnly) {
  // 3 x 2 pixels and a guard byte behind them.
  std::vector<uint8_t> bytes = {0,  1,  2,  50, 100, 200, 255, 254, 128, 10,
                                20, 30, 60, 70, 80,  90,  99,  101, 0x5A};
  const PixelView work{bytes.data(), 3, 2};
  const std::vector<uint8_t> before = bytes;
  applyBrightDark(work, 150, 0);
  for (size_t i = 0; i < 18; ++i) EXPECT_EQ(bytes[i], brightDarkValue(before[i], 150, 0)) << i;
  EXPECT_EQ(bytes[18], 0x5A);
  EXPECT_EQ(bytes[4], 149);
  EXPECT_EQ(bytes[5], 255);

  // Applied at the standard values it still costs a level: the page skips it there.
  applyBrightDark(work, 100, 0);
  EXPECT_EQ(bytes[4], 148);
  EXPECT_FALSE(brightDarkActive(100, 0));
  EXPECT_TRUE(brightDarkActive(101, 0));
  EXPECT_TRUE(brightDarkActive(100, -2));
}

// The photograph one column wider than it is (so no row ends on a whole step of 64 bytes), at
// the ends of both bars and beyond them: the table 64 bytes a step, one at a time, and the plain
// loop agree byte for byte.
TEST(BrightDark, TableFormsEqualThePlainLoopOnThePhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  const int width = photo.width + 1;
  std::vector<uint8_t> source;
  for (int y = 0; y < photo.height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = photo.at(x < photo.width ? x : 0, y);
      source.insert(source.end(), {c.b, c.g, c.r});
    }
  }
  source.push_back(0x5A);  // a guard byte behind the picture
  const int settings[][2] = {{150, 20}, {1, -100}, {200, 100}, {100, 0}, {300, -200}, {0, 0}};
  for (const auto& [bright, dark] : settings) {
    std::vector<uint8_t> plain = source;
    applyBrightDarkReference(PixelView{plain.data(), width, photo.height}, bright, dark);
    for (const bool vectors : {true, false}) {
      std::vector<uint8_t> fast = source;
      applyBrightDark(PixelView{fast.data(), width, photo.height}, bright, dark,
                      BrightDarkTuning{.vectors = vectors});
      EXPECT_TRUE(fast == plain) << bright << " " << dark << (vectors ? " vectors" : " table");
    }
    EXPECT_EQ(plain.back(), 0x5A);
  }
}

}  // namespace
}  // namespace zc
