// The Change page's kernels and value rules on tiny fixtures with values worked out by hand, and
// the fast forms against the plain loops on the photograph.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/workspace.h"
#include "pages/color/change_values.h"
#include "pages/color/color_change.h"
#include "pages/color/color_change_reference.h"
#include "test_support.h"

namespace zc {
namespace {

using Bgr = std::array<int, 3>;

// A row of pixels given as red, green, blue, with its planes and its shown bytes.
struct Strip {
  int width;
  std::vector<int32_t> plane[3];
  std::vector<uint8_t> bytes;
  explicit Strip(const std::vector<std::array<int32_t, 3>>& rgb)
      : width(static_cast<int>(rgb.size())), bytes(rgb.size() * 3, 0xEE) {
    for (const auto& p : rgb) {
      plane[0].push_back(p[2]);
      plane[1].push_back(p[1]);
      plane[2].push_back(p[0]);
    }
  }
  PlaneView planes() {
    return PlaneView{{plane[0].data(), plane[1].data(), plane[2].data()}, width, 1};
  }
  PixelView pixels() { return PixelView{bytes.data(), width, 1}; }
  // Red, green, blue of shown pixel i.
  Bgr shown(int i) const { return {bytes[3 * i + 2], bytes[3 * i + 1], bytes[3 * i]}; }
};

ColorRange rangeOf(std::array<int32_t, 4> min, std::array<int32_t, 4> max) {
  ColorRange r;
  for (int row = 0; row < 4; ++row) r.min[row] = min[row], r.max[row] = max[row];
  return r;
}

// ---- The flag of colour condition ----------------------------------------------------------

TEST(ChangeCondition, EachFlagLooksAtItsOwnRowsWithBothBoundsIncluded) {
  // Red 100..150, green 50..80, blue 200..220, grey 90..120.
  const ColorRange range = rangeOf({100, 50, 200, 90}, {150, 80, 220, 120});
  struct Case {
    std::array<int32_t, 4> rgbGrey;
    bool flag[6];  // flags 0 (no flag) .. 5
  };
  const Case cases[] = {
      {{100, 50, 200, 90}, {false, true, true, true, true, true}},    // every lower bound
      {{150, 80, 220, 120}, {false, true, true, true, true, true}},   // every upper bound
      {{99, 50, 200, 90}, {false, false, true, false, true, true}},   // red one below
      {{100, 81, 200, 90}, {false, false, true, true, false, true}},  // green one above
      {{100, 50, 221, 90}, {false, false, true, true, true, false}},  // blue one above
      {{100, 50, 200, 121}, {false, true, false, true, true, true}},  // grey one above
      {{0, 0, 0, 0}, {false, false, false, false, false, false}},     // outside every row
  };
  for (const Case& c : cases) {
    for (int flag = 0; flag <= 5; ++flag) {
      SCOPED_TRACE(testing::Message()
                   << "pixel " << c.rgbGrey[0] << "," << c.rgbGrey[1] << "," << c.rgbGrey[2]
                   << " grey " << c.rgbGrey[3] << " flag " << flag);
      EXPECT_EQ(meetsCondition(flag, range, c.rgbGrey[0], c.rgbGrey[1], c.rgbGrey[2], c.rgbGrey[3]),
                c.flag[flag]);
    }
  }
  EXPECT_FALSE(meetsCondition(6, range, 120, 60, 210, 100));
}

TEST(ChangeCondition, TheEmptyRangeHoldsNothingUnderAnyFlag) {
  const ColorRange empty;  // min 255, Max 0
  for (int flag = 1; flag <= 5; ++flag) {
    for (int v : {0, 127, 255}) EXPECT_FALSE(meetsCondition(flag, empty, v, v, v, v)) << flag;
  }
}

// ---- The conversion ------------------------------------------------------------------------

// Target: grey 140 only. Pixel 0 (100, 150, 200) and pixel 1 (0, 200, 200) have grey 140;
// pixel 2 (101, 150, 200) has 141 and stays.
const std::vector<std::array<int32_t, 3>> kTargetStrip = {
    {100, 150, 200}, {0, 200, 200}, {101, 150, 200}};
const ColorRange kGrey140 = rangeOf({100, 150, 200, 140}, {100, 150, 200, 140});

TEST(ChangeConversion, ActModesMixTheShadedOrPlainConvertColourByHand) {
  struct Case {
    ChangeColour convert;
    int actMode;
    Bgr first, second;  // red, green, blue of pixels 0 and 1
  };
  // Convert (200, 100, 50): c = trunc(59.8 + 58.7 + 5.7) = 124; at grey 140 the shaded colour is
  // (28000 / 124, 14000 / 124, 7000 / 124) = (225, 112, 56).
  // wk, pixel 0: ((300 + 225) / 4, (450 + 112) / 4, (600 + 56) / 4) = (131, 140, 164).
  // md, pixel 0: ((100 + 225) / 2, (150 + 112) / 2, (200 + 56) / 2) = (162, 131, 128).
  // Convert (255, 0, 0): c = 76; 140 * 255 / 76 = 469 is clamped to 255.
  // Convert (0, 0, 8): c = trunc(0.912) = 0, so the shaded colour is (0, 0, 8) itself.
  const Case cases[] = {
      {{200, 100, 50}, 1, {131, 140, 164}, {56, 178, 164}},
      {{200, 100, 50}, 2, {162, 131, 128}, {112, 156, 128}},
      {{200, 100, 50}, 3, {200, 100, 50}, {200, 100, 50}},
      {{255, 0, 0}, 1, {138, 112, 150}, {63, 150, 150}},
      {{255, 0, 0}, 2, {177, 75, 100}, {127, 100, 100}},
      {{255, 0, 0}, 3, {255, 0, 0}, {255, 0, 0}},
      {{0, 0, 8}, 1, {75, 112, 152}, {0, 150, 152}},
      {{0, 0, 8}, 2, {50, 75, 104}, {0, 100, 104}},
      {{0, 0, 8}, 3, {0, 0, 8}, {0, 0, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "convert " << c.convert.red << "," << c.convert.green << ","
                                    << c.convert.blue << " act mode " << c.actMode);
    Strip fast(kTargetStrip), plain(kTargetStrip);
    convertColors(fast.planes(), fast.pixels(), 2, kGrey140, c.convert, c.actMode);
    convertColorsReference(plain.planes(), plain.pixels(), 2, kGrey140, c.convert, c.actMode);
    for (const Strip* s : {&fast, &plain}) {
      EXPECT_EQ(s->shown(0), c.first);
      EXPECT_EQ(s->shown(1), c.second);
      EXPECT_EQ(s->shown(2), (Bgr{101, 150, 200}));
    }
  }
}

TEST(ChangeConversion, ShadedColourOfAGreyOfZeroIsThePlainColour) {
  const ChangeColour faint{0, 0, 8};
  const ChangeColour shaded = shadedConvertColour(faint, greyOf(0, 0, 8), 200);
  EXPECT_EQ(shaded.red, 0);
  EXPECT_EQ(shaded.green, 0);
  EXPECT_EQ(shaded.blue, 8);
  // A pixel of grey 0 gets a black shaded colour from an ordinary convert colour.
  const ChangeColour dark = shadedConvertColour({200, 100, 50}, 124, 0);
  EXPECT_EQ(dark.red + dark.green + dark.blue, 0);
}

TEST(ChangeConversion, PlaneValuesOutsideABytePassAsTheirLowBitsOrClampWhenConverted) {
  // Flag 3 (red) over 0..255: red 300 and -4 lie outside and are copied as their low 8 bits.
  // A pixel of blue 300 inside the red row is converted md with (0, 0, 8), whose grey is 0 and
  // so is not shaded: blue (300 + 8) / 2 = 154, red (200 + 0) / 2 = 100.
  const std::vector<std::array<int32_t, 3>> odd = {{300, 10, 20}, {-4, 10, 20}, {200, 0, 300}};
  const ColorRange redAll = rangeOf({0, 255, 255, 255}, {255, 0, 0, 0});
  Strip fast(odd), plain(odd);
  convertColors(fast.planes(), fast.pixels(), 3, redAll, {0, 0, 8}, 2);
  convertColorsReference(plain.planes(), plain.pixels(), 3, redAll, {0, 0, 8}, 2);
  for (const Strip* s : {&fast, &plain}) {
    EXPECT_EQ(s->shown(0), (Bgr{300 & 255, 10, 20}));
    EXPECT_EQ(s->shown(1), (Bgr{252, 10, 20}));
    EXPECT_EQ(s->shown(2), (Bgr{100, 0, 154}));
  }
}

// ---- The pseudocolour ----------------------------------------------------------------------

TEST(ChangePseudocolor, WhitensExactlyThePixelsOfTheAppointedGrey) {
  // Greys: 140, 140, 141, 140, 141, 140 (140 * 0.299 + 140 * 0.587 + 140 * 0.114 = 140.0).
  const std::vector<std::array<int32_t, 3>> strip = {{100, 150, 200}, {0, 200, 200},
                                                     {101, 150, 200}, {100, 150, 201},
                                                     {100, 151, 200}, {140, 140, 140}};
  Strip fast(strip), plain(strip);
  showTargetPseudocolor(fast.planes(), fast.pixels(), 2, kGrey140);
  showTargetPseudocolorReference(plain.planes(), plain.pixels(), 2, kGrey140);
  const Bgr white{255, 255, 255};
  for (const Strip* s : {&fast, &plain}) {
    EXPECT_EQ(s->shown(0), white);
    EXPECT_EQ(s->shown(1), white);
    EXPECT_EQ(s->shown(2), (Bgr{101, 150, 200}));
    EXPECT_EQ(s->shown(3), white);
    EXPECT_EQ(s->shown(4), (Bgr{100, 151, 200}));
    EXPECT_EQ(s->shown(5), white);
  }
  // Three colours: only pixel 0 lies in every colour row.
  Strip three(strip);
  showTargetPseudocolor(three.planes(), three.pixels(), 1, kGrey140);
  EXPECT_EQ(three.shown(0), white);
  EXPECT_EQ(three.shown(1), (Bgr{0, 200, 200}));
  EXPECT_EQ(three.shown(5), (Bgr{140, 140, 140}));
}

// ---- Fast forms against the plain loops on the photograph ----------------------------------

TEST(ChangeKernels, FastFormsEqualThePlainLoopsOnThePhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  std::vector<std::array<int32_t, 3>> rgb;
  for (const Rgb& p : photo.pixels) rgb.push_back({p.r, p.g, p.b});
  // A few plane values outside a byte, as the planes may hold.
  rgb[7] = {256, 40, 40};
  rgb[8] = {-1, 128, 90};
  Strip fast(rgb), plain(rgb);
  // The target of a few of its pixels: red 60..200, green 40..180, blue 20..160, grey 43..183.
  const ColorRange range = rangeOf({60, 40, 20, 43}, {200, 180, 160, 183});
  int tried = 0;
  for (int flag = 0; flag <= 5; ++flag) {
    for (int actMode = 1; actMode <= 3; ++actMode) {
      for (const ChangeColour convert :
           {ChangeColour{200, 60, 40}, ChangeColour{0, 0, 8}, ChangeColour{255, 255, 255}}) {
        convertColors(fast.planes(), fast.pixels(), flag, range, convert, actMode);
        convertColorsReference(plain.planes(), plain.pixels(), flag, range, convert, actMode);
        ASSERT_EQ(fast.bytes, plain.bytes) << "flag " << flag << " act mode " << actMode;
        ++tried;
      }
    }
    showTargetPseudocolor(fast.planes(), fast.pixels(), flag, range);
    showTargetPseudocolorReference(plain.planes(), plain.pixels(), flag, range);
    ASSERT_EQ(fast.bytes, plain.bytes) << "pseudocolour, flag " << flag;
  }
  EXPECT_EQ(tried, 54);
}

// The photograph as a picture one column wider than it is (no row ends on a whole step of
// sixteen), with cells outside a byte here and there, in every way the fast forms can go: sixteen
// pixels a step or one at a time, in one band of rows or several.
TEST(ChangeKernels, EveryTuningEqualsThePlainLoopOnThePhotographAsAPicture) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  const int width = photo.width + 1, height = photo.height;
  const size_t cells = static_cast<size_t>(width) * height;
  std::vector<int32_t> plane[3];
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = photo.at(x < photo.width ? x : 1, y);
      plane[0].push_back(c.b), plane[1].push_back(c.g), plane[2].push_back(c.r);
    }
  }
  for (size_t i = 5; i < cells; i += 7919) plane[i % 3][i] = i % 2 ? 300 : -3;
  const PlaneView planes{{plane[0].data(), plane[1].data(), plane[2].data()}, width, height};
  const ColorRange range = rangeOf({60, 40, 20, 43}, {200, 180, 160, 183});
  const ChangeTuning tunings[] = {{true, 0}, {true, 1}, {true, 3}, {false, 1}, {false, 2}};
  auto shown = [&](auto kernel) {
    std::vector<uint8_t> bytes(cells * 3, 0xEE);
    kernel(PixelView{bytes.data(), width, height});
    return bytes;
  };
  for (const int flag : {1, 2, 5}) {
    for (int actMode = 1; actMode <= 3; ++actMode) {
      const ChangeColour convert{200, 60, 40};
      const std::vector<uint8_t> plain = shown([&](const PixelView& out) {
        convertColorsReference(planes, out, flag, range, convert, actMode);
      });
      for (const ChangeTuning& tuning : tunings) {
        EXPECT_TRUE(plain == shown([&](const PixelView& out) {
                      convertColors(planes, out, flag, range, convert, actMode, tuning);
                    }))
            << "flag " << flag << " act mode " << actMode << " vectors " << tuning.vectors
            << " bands " << tuning.bands;
      }
    }
    const std::vector<uint8_t> plain = shown(
        [&](const PixelView& out) { showTargetPseudocolorReference(planes, out, flag, range); });
    for (const ChangeTuning& tuning : tunings) {
      EXPECT_TRUE(plain == shown([&](const PixelView& out) {
                    showTargetPseudocolor(planes, out, flag, range, tuning);
                  }))
          << "pseudocolour, flag " << flag << " vectors " << tuning.vectors << " bands "
          << tuning.bands;
    }
  }
}

// ---- Value rules ---------------------------------------------------------------------------

TEST(ChangeValues, AppointedPixelSetsTheRangeExactlyAndABlackOneDoesNotWidenIt) {
  ChangePageState c;
  c.targetOn = 1;
  appointPixel(c, 100, 150, 200);
  EXPECT_EQ((std::array<int32_t, 4>{c.rangeMin[0], c.rangeMin[1], c.rangeMin[2], c.rangeMin[3]}),
            (std::array<int32_t, 4>{100, 150, 200, 140}));
  EXPECT_EQ((std::array<int32_t, 4>{c.rangeMax[0], c.rangeMax[1], c.rangeMax[2], c.rangeMax[3]}),
            (std::array<int32_t, 4>{100, 150, 200, 140}));
  EXPECT_EQ(c.targetColour[0], 100);
  EXPECT_EQ(c.appointed[3], 140);

  appointPixel(c, 0, 0, 0);
  EXPECT_EQ(c.rangeMin[0], 100);
  EXPECT_EQ(c.rangeMin[3], 140);
  EXPECT_EQ(c.targetColour[0] + c.targetColour[1] + c.targetColour[2], 0);

  appointPixel(c, 20, 250, 210);  // grey trunc(5.98 + 146.75 + 23.94) = 176
  EXPECT_EQ(c.rangeMin[0], 20);
  EXPECT_EQ(c.rangeMax[1], 250);
  EXPECT_EQ(c.rangeMax[2], 210);
  EXPECT_EQ(c.rangeMax[3], 176);

  ChangePageState convert;
  convert.convertOn = 1;
  appointPixel(convert, 10, 20, 30);
  EXPECT_EQ(convert.convertColour[0], 10);
  EXPECT_EQ(convert.convertColour[2], 30);
  EXPECT_EQ(convert.rangeMin[0], 255);  // the target range is left alone
}

TEST(ChangeValues, GreyRangeFromTheColourBoundsTruncatedOrRounded) {
  ChangePageState c;
  const int32_t min[3] = {100, 150, 200}, max[3] = {110, 160, 201};
  std::copy(min, min + 3, c.rangeMin);
  std::copy(max, max + 3, c.rangeMax);
  greyRangeFromBounds(c, false);  // 140.75 and 32.89 + 93.92 + 22.914 = 149.724
  EXPECT_EQ(c.rangeMin[3], 140);
  EXPECT_EQ(c.rangeMax[3], 149);
  greyRangeFromBounds(c, true);
  EXPECT_EQ(c.rangeMin[3], 141);
  EXPECT_EQ(c.rangeMax[3], 150);
  ChangePageState empty;  // 255 * (0.299 + 0.587 + 0.114) is 255.0 exactly
  greyRangeFromBounds(empty, false);
  EXPECT_EQ(empty.rangeMin[3], 255);
  EXPECT_EQ(empty.rangeMax[3], 0);
}

TEST(ChangeValues, TargetBeltSplitsAtItsMiddleAndMapsItsEnds) {
  ChangePageState c;  // empty: split (255 + 0) * 52 / 510 + 24 = 50
  EXPECT_EQ(targetBeltSplit(c, kRangeGrey), 50);
  clickTargetBelt(c, kRangeGrey, 25);
  EXPECT_EQ(c.rangeMin[kRangeGrey], 4);  // 255 / 52
  clickTargetBelt(c, kRangeGrey, 75);
  EXPECT_EQ(c.rangeMax[kRangeGrey], 250);         // 51 * 255 / 52
  EXPECT_EQ(targetBeltSplit(c, kRangeGrey), 49);  // 254 * 52 / 510 + 24
  clickTargetBelt(c, kRangeGrey, 49);             // on the split point: nothing
  EXPECT_EQ(c.rangeMin[kRangeGrey], 4);
  EXPECT_EQ(c.rangeMax[kRangeGrey], 250);
  clickTargetBelt(c, kRangeRed, 30);
  EXPECT_EQ(c.rangeMin[kRangeRed], 29);  // 6 * 255 / 52, the red row alone
  EXPECT_EQ(c.rangeMin[kRangeGrey], 4);
  EXPECT_EQ(changeBeltValue(24), 0);
  EXPECT_EQ(changeBeltValue(76), 255);
}

TEST(ChangeValues, DiamondSwitchesStopAtTheirLimits) {
  ChangePageState c;  // step 8
  c.rangeMin[kRangeGrey] = 5;
  c.rangeMax[kRangeGrey] = 250;
  targetMinDown(c, kRangeGrey);
  EXPECT_EQ(c.rangeMin[kRangeGrey], 0);
  targetMaxUp(c, kRangeGrey);
  EXPECT_EQ(c.rangeMax[kRangeGrey], 255);
  c.rangeMin[kRangeGrey] = 100;
  c.rangeMax[kRangeGrey] = 104;
  targetMinUp(c, kRangeGrey);
  EXPECT_EQ(c.rangeMin[kRangeGrey], 104);
  c.rangeMin[kRangeGrey] = 100;
  targetMaxDown(c, kRangeGrey);
  EXPECT_EQ(c.rangeMax[kRangeGrey], 100);
  // On the empty range a step up of min or down of Max does not jump across.
  ChangePageState empty;
  targetMinUp(empty, kRangeBlue);
  targetMaxDown(empty, kRangeBlue);
  EXPECT_EQ(empty.rangeMin[kRangeBlue], 255);
  EXPECT_EQ(empty.rangeMax[kRangeBlue], 0);

  ChangePageState convert;  // white
  stepConvertValue(convert, kRangeRed, 8);
  EXPECT_EQ(convert.convertColour[kRangeRed], 255);
  convert.convertColour[kRangeGreen] = 3;
  stepConvertValue(convert, kRangeGreen, -8);
  EXPECT_EQ(convert.convertColour[kRangeGreen], 0);
}

TEST(ChangeValues, FlagOfColourConditionCyclesThroughItsFiveValues) {
  int32_t flag = 1;
  std::vector<int32_t> seen;
  for (int i = 0; i < 5; ++i) seen.push_back(flag = nextColorCondition(flag));
  EXPECT_EQ(seen, (std::vector<int32_t>{2, 3, 4, 5, 1}));
  EXPECT_EQ(nextColorCondition(0), 1);
}

}  // namespace
}  // namespace zc
