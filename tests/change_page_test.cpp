// The Change page driven by replay scripts: the target range picked on the picture, its
// pseudocolour, the convert colour, the act modes, the belts, the calculator and set KEEP4.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/color/color_change.h"
#include "pages/color/color_change_reference.h"
#include "test_support.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;

// Blocks of 100 x 100 along the top of a 600 x 400 picture (window x 100 + picture x, y 32 +
// picture y): A (100, 150, 200) and B (0, 200, 200) of grey 140, C (101, 150, 200) of grey 141,
// black, red (255, 0, 0) and D (200, 100, 50); grey (40, 40, 40) below them.
constexpr Rgb kBlocks[6] = {{100, 150, 200}, {0, 200, 200}, {101, 150, 200},
                            {0, 0, 0},       {255, 0, 0},   {200, 100, 50}};
constexpr Rgb kBackground{40, 40, 40};

std::string at(int block) {
  return std::to_string(150 + 100 * block) + " 80";
}
std::string pixelLine(const std::string& point, Rgb c) {
  return "pixel " + point + " " + std::to_string(c.r) + "," + std::to_string(c.g) + "," +
         std::to_string(c.b);
}

constexpr const char* kEnter = "open blocks.bmp\nclick 480 10\n";
constexpr const char* kTarget = "click 10 95\n";
constexpr const char* kConvert = "click 10 334\n";
constexpr const char* kAll = "click 80 497\n";
constexpr const char* kWeak = "click 20 497\n";
constexpr const char* kMiddle = "click 50 497\n";
constexpr const char* kSaveHeading = "click 10 556\n";  // only a topic: one more paint
constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};

class ChangePage : public testing::Test {
 protected:
  test::WorkFolder folder_;
  void SetUp() override {
    Picture p = test::solidPicture(600, 400, kBackground);
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 600; ++x) p.pixels[static_cast<size_t>(y) * 600 + x] = kBlocks[x / 100];
    }
    test::writeBmp("blocks.bmp", p);
  }
  static std::array<int32_t, 4> mins() {
    const ChangePageState& c = ws().change;
    return {c.rangeMin[0], c.rangeMin[1], c.rangeMin[2], c.rangeMin[3]};
  }
  static std::array<int32_t, 4> maxes() {
    const ChangePageState& c = ws().change;
    return {c.rangeMax[0], c.rangeMax[1], c.rangeMax[2], c.rangeMax[3]};
  }
};

TEST_F(ChangePage, AppointedTargetIsShownWhiteAndABlackPixelNeitherWidensNorConverts) {
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" + "pixel " + at(0) +
                        "\npixel " + at(1) + "\npixel " + at(2) + "\n" + "click " + at(3) + "\n" +
                        kAll + "pixel " + at(1) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(mins(), (std::array<int32_t, 4>{100, 150, 200, 140}));
  EXPECT_EQ(maxes(), (std::array<int32_t, 4>{100, 150, 200, 140}));
  EXPECT_EQ(r.count(pixelLine(at(0), kWhiteRgb)), 1);
  EXPECT_EQ(r.count(pixelLine(at(1), kWhiteRgb)), 2);  // grey 140 too, before and after "all"
  EXPECT_TRUE(r.has(pixelLine(at(2), kBlocks[2])));
  // The black pixel became the appointed target colour, so "all" was switched off again.
  const ChangePageState& c = ws().change;
  EXPECT_EQ(c.targetColour[0] + c.targetColour[1] + c.targetColour[2], 0);
  EXPECT_EQ(c.convertApply, 0);
}

TEST_F(ChangePage, AllWithRedTurnsEveryTargetPixelRedAndSetKeep4StoresIt) {
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" + kConvert +
                        "click " + at(4) + "\n" + kAll + "pixel " + at(0) + "\npixel " + at(1) +
                        "\npixel " + at(2) + "\npixel 150 300\n" + "click 10 576\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has(pixelLine(at(0), kRed)));
  EXPECT_TRUE(r.has(pixelLine(at(1), kRed)));
  EXPECT_TRUE(r.has(pixelLine(at(2), kBlocks[2])));
  EXPECT_TRUE(r.has(pixelLine("150 300", kBackground)));
  EXPECT_EQ(test::keptPixel("KEEP4.bmp", 50, 50), kRed);
  EXPECT_EQ(test::keptPixel("KEEP4.bmp", 250, 50), kBlocks[2]);
  EXPECT_EQ(test::keptPixel("KEEP4.bmp", 700, 50), kWhiteRgb);  // the canvas beyond the picture
}

TEST_F(ChangePage, WeakAndMiddleMixTheShadedConvertColour) {
  // Convert colour D (200, 100, 50), shaded at grey 140 to (225, 112, 56): wk 3 : 1 and md 1 : 1.
  const auto r =
      replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" + kConvert + "click " + at(5) +
             "\n" + kWeak + "pixel " + at(0) + "\npixel " + at(1) + "\n" + kMiddle + "pixel " +
             at(0) + "\npixel " + at(1) + "\npixel " + at(2) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has(pixelLine(at(0), Rgb{131, 140, 164})));
  EXPECT_TRUE(r.has(pixelLine(at(1), Rgb{56, 178, 164})));
  EXPECT_TRUE(r.has(pixelLine(at(0), Rgb{162, 131, 128})));
  EXPECT_TRUE(r.has(pixelLine(at(1), Rgb{112, 156, 128})));
  EXPECT_TRUE(r.has(pixelLine(at(2), kBlocks[2])));
  EXPECT_EQ(ws().change.actMode, 2);
  EXPECT_EQ(ws().change.shownActMode, 2);
}

TEST_F(ChangePage, GreyBeltHoldsForOnePaintAndTheColourBeltsFeedTheGreyRange) {
  // The grey belt: x = 25 gives min 4, x = 75 gives Max 250; "all" converts with them (to the
  // white convert colour) in its own paint, and the next paint takes the grey range from the
  // colour rows again.
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" +
                        "click 25 288\nclick 75 288\n" + kAll + "pixel " + at(2) +
                        "\npixel 150 300\n" + kSaveHeading + "pixel " + at(2) + "\npixel " + at(0) +
                        "\n" + "click 25 176\n" + kSaveHeading);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count(pixelLine(at(2), kWhiteRgb)), 1);
  EXPECT_TRUE(r.has(pixelLine("150 300", kWhiteRgb)));
  EXPECT_TRUE(r.has(pixelLine(at(2), kBlocks[2])));
  EXPECT_TRUE(r.has(pixelLine(at(0), kWhiteRgb)));
  // The red belt set red min 4 (split (100 + 100) * 52 / 510 + 24 = 44); the grey min follows:
  // trunc(0.299 * 4 + 0.587 * 150 + 0.114 * 200) = 112.
  EXPECT_EQ(mins(), (std::array<int32_t, 4>{4, 150, 200, 112}));
  EXPECT_EQ(maxes(), (std::array<int32_t, 4>{100, 150, 200, 140}));
  const ChangePageState& c = ws().change;
  EXPECT_EQ(c.targetOn + c.appointOn + c.convertOn, 0);  // every belt click stops them
}

TEST_F(ChangePage, GreyBeltEndsAndTheDarkResetEmptyingTheRange) {
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" + "click 20 40\n" +
                        kTarget + "pixel " + at(0) + "\n" + "click 25 288\nclick 75 288\n");
  ASSERT_EQ(r.status, 0) << r.err;
  // After the dark reset nothing is white until a pixel is appointed.
  EXPECT_TRUE(r.has(pixelLine(at(0), kBlocks[0])));
  EXPECT_EQ(mins(), (std::array<int32_t, 4>{255, 255, 255, 4}));
  EXPECT_EQ(maxes(), (std::array<int32_t, 4>{0, 0, 0, 250}));
  EXPECT_EQ(ws().colorCondition, 2);
  EXPECT_EQ(ws().change.targetColour[0], 0);
}

TEST_F(ChangePage, CalculatorPaintConvertsWithTheRoundedGreyRange) {
  // After the calculator changes a convert value, that paint converts with the grey range rounded
  // from the colour rows (140.75 -> 141: block C, not A); the next paint truncates again.
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" + kConvert +
                        "click " + at(4) + "\n" + kAll + "click 10 364\n" +  // red value box
                        "click 20 699\nclick 20 739\n" +                     // 1 +
                        "pixel " + at(0) + "\npixel " + at(2) + "\n" + kSaveHeading + "pixel " +
                        at(0) + "\npixel " + at(2) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> expected = {pixelLine(at(0), kBlocks[0]), pixelLine(at(2), kRed),
                                             pixelLine(at(0), kRed), pixelLine(at(2), kBlocks[2])};
  std::vector<std::string> seen;
  for (size_t from = 0; (from = r.out.find("pixel ", from)) != std::string::npos; ++from) {
    seen.push_back(r.out.substr(from, r.out.find('\n', from) - from));
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(ws().change.convertColour[0], 255);  // 255 + 1, clamped
}

TEST_F(ChangePage, ConvertColourTypedOnThePadWithAGreyOfZeroIsMixedPlain) {
  // AC on each value box makes (0, 0, 0), then 8 + on blue (0, 0, 8): its grey truncates to 0,
  // so md mixes the plain colour: A (100, 150, 200) -> (50, 75, 104), B -> (0, 100, 104).
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" +
                        "click 10 364\nclick 70 633\n"    // red box, AC
                        "click 10 388\nclick 70 633\n"    // green box, AC
                        "click 10 412\nclick 70 633\n"    // blue box, AC
                        "click 50 659\nclick 20 739\n" +  // 8 +
                        kMiddle +
                        "pixel " + at(0) + "\npixel " + at(1) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const ChangePageState& c = ws().change;
  EXPECT_EQ((std::array<int32_t, 3>{c.convertColour[0], c.convertColour[1], c.convertColour[2]}),
            (std::array<int32_t, 3>{0, 0, 8}));
  EXPECT_TRUE(r.has(pixelLine(at(0), Rgb{50, 75, 104})));
  EXPECT_TRUE(r.has(pixelLine(at(1), Rgb{0, 100, 104})));
}

TEST_F(ChangePage, FlagLabelStepsTheSharedColourCondition) {
  // Red (flag 3) takes red 100..100: A only; green (flag 4) green 150..150: A and C.
  const auto r = replay(std::string(kEnter) + kTarget + "click " + at(0) + "\n" + "texts on\n" +
                        "click 20 124\n" + "texts off\n" + "pixel " + at(1) + "\npixel " + at(2) +
                        "\n" + "click 80 124\n" + "pixel " + at(2) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("text 4 114 64,64,64 \"赤\""));
  EXPECT_TRUE(r.has(pixelLine(at(1), kBlocks[1])));
  EXPECT_TRUE(r.has(pixelLine(at(2), kBlocks[2])));
  EXPECT_TRUE(r.has(pixelLine(at(2), kWhiteRgb)));
  EXPECT_EQ(ws().colorCondition, 4);
}

// ---- On the photograph, scrolled -----------------------------------------------------------

// The 768 x 512 parrots photograph scaled to the 1440 x 960 canvas (nearest pixel), so that the
// view scrolls.
Picture scaledParrots() {
  const Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  Picture p = test::solidPicture(1440, 960, Rgb{});
  for (int y = 0; y < 960; ++y) {
    for (int x = 0; x < 1440; ++x) {
      p.pixels[static_cast<size_t>(y) * 1440 + x] =
          photo.at(x * photo.width / 1440, y * photo.height / 960);
    }
  }
  return p;
}

TEST(ChangePagePhotograph, ScrolledTargetConvertedByAllIsKeptExactly) {
  test::WorkFolder folder;
  const Picture parrots = scaledParrots();
  test::writeBmp("parrots.bmp", parrots);
  const int picks[3][2] = {{300, 200}, {320, 210}, {520, 330}};
  std::string script =
      "open parrots.bmp\nclick 480 10\n"
      "click 1000 682\nclick 1070 640\n"  // scroll: right of and below the thumbs
      "click 10 95\n";
  for (const auto& p : picks) {
    script += "click " + std::to_string(p[0]) + " " + std::to_string(p[1]) + "\n";
  }
  // The pseudocolour on the scrolled view: the appointed pixel as drawn (one row above its
  // click) and a grid over the image area.
  std::vector<std::array<int, 2>> looks = {{300, 199}};
  for (int y = 40; y < 672; y += 90) {
    for (int x = 110; x < 1060; x += 110) looks.push_back({x, y});
  }
  for (const auto& p : looks) {
    script += "pixel " + std::to_string(p[0]) + " " + std::to_string(p[1]) + "\n";
  }
  script +=
      "click 10 334\nclick 700 400\n"  // 2)convert and its colour from the picture
      "click 50 388\n"                 // the green convert belt: (50 - 24) * 255 / 52 = 127
      "click 80 497\nclick 10 576\n";  // all, set KEEP4
  const auto r = replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  const int shiftX = ws().scrollX.pixelShift, shiftY = ws().scrollY.pixelShift;
  ASSERT_EQ(shiftX, 31);  // trunc((1440 - 960) * 20 / 307)
  ASSERT_EQ(shiftY, 31);  // trunc((960 - 640) * 20 / 201)

  // The pixel read by a click at (x, y): column x - 100 + shift, row 960 - (y - 32) - shift
  // from the bottom, that is row (y - 32) + shift - 1 from the top.
  auto read = [&](int x, int y) { return parrots.at(x - 100 + shiftX, y - 32 + shiftY - 1); };
  ColorRange range;
  for (const auto& p : picks) {
    const Rgb c = read(p[0], p[1]);
    const int32_t v[3] = {c.r, c.g, c.b};
    for (int row = 0; row < 3; ++row) {
      range.min[row] = std::min(range.min[row], v[row]);
      range.max[row] = std::max(range.max[row], v[row]);
    }
  }
  range.min[kRangeGrey] = greyOf(range.min[0], range.min[1], range.min[2]);
  range.max[kRangeGrey] = greyOf(range.max[0], range.max[1], range.max[2]);
  const Rgb picked = read(700, 400);
  const ChangeColour convert{picked.r, 127, picked.b};

  std::vector<uint8_t> bytes(1440 * 960 * 3);
  std::vector<int32_t> planes(1440 * 960 * 3);
  for (int y = 0; y < 960; ++y) {
    for (int x = 0; x < 1440; ++x) {
      const Rgb c = parrots.at(x, 959 - y);
      const size_t i = static_cast<size_t>(y) * 1440 + x;
      planes[i] = c.b, planes[1440 * 960 + i] = c.g, planes[2 * 1440 * 960 + i] = c.r;
    }
  }
  const PlaneView planeView{
      {planes.data(), planes.data() + 1440 * 960, planes.data() + 2 * 1440 * 960}, 1440, 960};
  const PixelView shown{bytes.data(), 1440, 960};
  showTargetPseudocolorReference(planeView, shown, 2, range);
  int whites = 0;
  for (const auto& p : looks) {
    const int column = p[0] - 100 + shiftX, row = 959 - (p[1] - 32 + shiftY);
    const uint8_t* b = shown.at(column, row);
    const Rgb expected{b[2], b[1], b[0]};
    whites += expected == Rgb{255, 255, 255} ? 1 : 0;
    EXPECT_TRUE(r.has(pixelLine(std::to_string(p[0]) + " " + std::to_string(p[1]), expected)))
        << p[0] << " " << p[1];
  }
  EXPECT_GE(whites, 1);
  EXPECT_LT(whites, static_cast<int>(looks.size()));

  convertColorsReference(planeView, shown, 2, range, convert, 3);

  const Picture kept = test::readOwnBmp("KEEP4.bmp", 1440, 960);
  int mismatches = 0, converted = 0;
  for (int y = 0; y < 960; ++y) {
    for (int x = 0; x < 1440; ++x) {
      const uint8_t* p = &bytes[(static_cast<size_t>(959 - y) * 1440 + x) * 3];
      const Rgb expected{p[2], p[1], p[0]};
      if (kept.at(x, y) != expected) ++mismatches;
      if (expected != parrots.at(x, y)) ++converted;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(converted, 1000);  // the target covers a real share of the photograph
}

}  // namespace
}  // namespace zc
