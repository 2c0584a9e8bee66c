// Whole flows through the pages, driven by replay scripts as a user would click them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/swap_state.h"
#include "core/workspace.h"
#include "test_support.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;
using test::solidPicture;
using test::WorkFolder;
using test::writeBmp;

constexpr Rgb kOrange{200, 100, 10};

class PageFlow : public testing::Test {
 protected:
  WorkFolder folder_;
  void SetUp() override { writeBmp("small.bmp", solidPicture(600, 400, kOrange)); }
};

TEST_F(PageFlow, LanguageSwitchChangesLabelsTitleAndQuestions) {
  const auto r = replay(
      "open small.bmp\n"
      "texts on\n"
      "click 40 374\n"  // ENGLISH
      "answer no\nanswer no\nclose\n"
      "click 40 374\n");  // JAPANESE
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("text 6 364 64,64,64 \"ENGLISH\""));
  EXPECT_TRUE(r.has("title small.bmp / ZINDLE CANVAS SAMPLE vabosample"));
  EXPECT_TRUE(r.has("text 6 364 64,64,64 \"JAPANESE\""));
  EXPECT_TRUE(r.has("text 120 10 64,64,64 \"0)Top\""));
  EXPECT_TRUE(r.has("message \"Plese make sure\" \"Close?\" -> no"));
  EXPECT_TRUE(r.has("title small.bmp / ジンドルキャンバスサンプル vabosample"));
}

TEST_F(PageFlow, CanvasSwitchTo1200By800AsksForAnImageAndSizesEverySlot) {
  const auto r = replay(
      "open small.bmp\n"
      "open small.bmp\n"
      "click 40 145\n"
      "click 240 10\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 2);
  EXPECT_EQ(test::fileSize("KEEP0.bmp"), 2880054u);
  EXPECT_EQ(test::fileSize("KEEP1.bmp"), 2880054u);
}

TEST_F(PageFlow, GreyedCanvasPresetOnlyShowsTheCanvasComment) {
  const auto r = replay(
      "open small.bmp\n"
      "texts on\n"
      "click 40 197\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 1);
  EXPECT_EQ(r.count("text 120 698"), 1);  // the canvas comment
  EXPECT_FALSE(std::filesystem::exists("KEEP1.bmp"));
}

TEST_F(PageFlow, WholeViewsOfImageAndCanvasAndBack) {
  const auto r = replay(
      "open small.bmp\n"
      "pixel 1000 600\n"  // normal view: right of and below the image, white canvas
      "click 40 433\n"    // image: 600 x 400 enlarged to 960 x 640
      "pixel 1000 600\npixel 1059 671\n"
      "click 40 459\n"  // canvas: 1440 x 960 in 960 x 640, the image in its top-left 400 x 266
      "pixel 450 250\npixel 550 320\n"
      "click 40 485\n"  // back
      "pixel 650 400\npixel 750 450\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string orange = "200,100,10", white = "255,255,255";
  const std::vector<std::string> expected = {"pixel 1000 600 " + white,  "pixel 1000 600 " + orange,
                                             "pixel 1059 671 " + orange, "pixel 450 250 " + orange,
                                             "pixel 550 320 " + white,   "pixel 650 400 " + orange,
                                             "pixel 750 450 " + white};
  for (const auto& line : expected) EXPECT_TRUE(r.has(line)) << line << "\n" << r.out;
}

TEST_F(PageFlow, CallOnTheTopPageKeepsSlotZeroUntilThePageIsEnteredAgain) {
  writeBmp("green.bmp", solidPicture(600, 400, Rgb{0, 200, 0}));
  const auto r = replay(
      "open small.bmp\nopen green.bmp\n"
      "click 1040 10\n"  // Call on the Top page
      "pixel 300 200\n"
      "click 240 10\nclick 160 10\n"  // leave and enter the Top page again
      "pixel 300 200\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("title green.bmp / ジンドルキャンバスサンプル vabosample"));
  EXPECT_TRUE(r.has("pixel 300 200 200,100,10"));  // still the previous picture
  EXPECT_TRUE(r.has("pixel 300 200 0,200,0"));
  EXPECT_EQ(test::keptPixel("KEEP0.bmp", 5, 5), (Rgb{0, 200, 0}));
}

TEST_F(PageFlow, CommentsLiveForOnePaintAndFollowTheLanguage) {
  const auto r = replay(
      "open small.bmp\n"
      "click 320 10\n"
      "texts on\n"
      "click 320 10\n"  // entering the Swap page shows its main comment
      "texts off\n"
      "click 800 10\n"
      "texts on\n"
      "click 960 10\n"   // Restore on the Appear page
      "click 500 300\n"  // a click on nothing: the comment is gone
      "texts off\n"
      "click 160 10\nclick 40 374\nclick 320 10\n"  // English, then the Swap page again
      "texts on\n"
      "click 960 10\n");
  ASSERT_EQ(r.status, 0) << r.err;
  for (int y : {698, 712, 726, 740, 754}) {
    EXPECT_TRUE(r.out.find("text 120 " + std::to_string(y) + " 0,0,0 ") != std::string::npos) << y;
  }
  EXPECT_TRUE(r.has("text 120 698 50,100,200 \"復元← [<>] KEEP8画像を呼び出す;\""));
  EXPECT_TRUE(r.has("text 120 712 50,100,200 \"黒い画面 [←] KEEP8画像が存在していない;\""));
  // The paint after a click on nothing shows no comment.
  const size_t quiet = r.out.find("paint", r.out.find("KEEP8画像が存在していない"));
  EXPECT_EQ(r.out.substr(quiet, r.out.find("paint", quiet + 5) - quiet).find("text 120 698"),
            std::string::npos);
  EXPECT_TRUE(r.has("text 120 698 50,100,200 \"Restore← [<>] call KEEP2.bmp image;\""));
}

// Swap page: the live view, storing with the list open and closed. Storing ends the live view:
// the stored picture is shown as it is, not reversed once more, and the list stays open.
TEST_F(PageFlow, SwapWayTwelveStoredIsShownAsStored) {
  const auto r = replay(
      "open small.bmp\n"
      "click 320 10\n"
      "click 20 75\n"   // open the list
      "click 20 454\n"  // way 12
      "pixel 300 200\n"
      "click 20 735\n"  // Set KEEP2 with the list open
      "click 500 300\n"
      "pixel 300 200\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("pixel 300 200 55,155,245"), 2);
  EXPECT_EQ(test::keptPixel("KEEP2.bmp", 10, 10), (Rgb{55, 155, 245}));
  EXPECT_EQ(ws().swap.way, 0);
  EXPECT_EQ(ws().swap.listState, kSwapListOpen);
}

TEST_F(PageFlow, SwapOverlapSelectsWayTwentyOneAndStoresNothing) {
  const auto r = replay(
      "open small.bmp\n"
      "click 320 10\n"
      "click 20 75\n"
      "click 20 726\n"
      "pixel 300 200\n");
  ASSERT_EQ(r.status, 0) << r.err;
  // Way 21 on (200, 100, 10): B' = 310 / 7 = 44, G' = 300 / 2 = 150, R' = 10 / 7 = 1.
  EXPECT_TRUE(r.has("pixel 300 200 1,150,44"));
  EXPECT_EQ(test::keptPixel("KEEP2.bmp", 10, 10), kOrange);  // entry image only
}

TEST_F(PageFlow, SwapClosedListStoresThePlanesAsTheyAre) {
  writeBmp("green.bmp", solidPicture(600, 400, Rgb{0, 200, 0}));
  const auto r = replay(
      "open small.bmp\nopen green.bmp\n"
      "click 320 10\n"
      "click 1040 10\n"                           // Call: the planes now hold green, KEEP2 too
      "click 20 75\nclick 20 454\nclick 20 75\n"  // way 12 chosen, list closed again
      "click 20 100\n");                          // Set KEEP2 with the list closed
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::keptPixel("KEEP2.bmp", 10, 10), (Rgb{0, 200, 0}));
}

// Filter page: colour power set on its belt and run by its action button.
TEST_F(PageFlow, FilterColorPowerActionChangesThePlanesAndShowsAtOnce) {
  const auto r = replay(
      "open small.bmp\n"
      "click 240 10\n"
      "click 50 232\n"  // upper colour power belt: (50 - 2) * 100 / 96 = 50
      "click 10 377\n"  // action
      "pixel 300 200\n"
      "click 10 485\n");  // set KEEP1
  ASSERT_EQ(r.status, 0) << r.err;
  // Grey index 119, weight s[119] / s[75] = 0.9156, factor 0.5: 200 -> 156, 100 -> 111, 10 -> 70.
  EXPECT_TRUE(r.has("pixel 300 200 156,111,70")) << r.out;
  EXPECT_EQ(test::keptPixel("KEEP1.bmp", 5, 5), (Rgb{156, 111, 70}));
}

// Filter page: values typed on the key pad, the light core shown and kept.
TEST_F(PageFlow, FilterTypedRangeActionAndKeepStoreTheLightCore) {
  const std::string photo = test::testdata("photos/kodim23.bmp");
  const auto r = replay("open \"" + photo +
                        "\"\n"
                        "click 240 10\n"
                        "click 10 140\n"                                            // f box
                        "texts on\nclick 45 565\nclick 15 615\ntexts off\n"         // 5 0
                        "click 15 645\n"                                            // +
                        "click 70 140\n"                                            // t box
                        "click 15 590\nclick 15 615\nclick 45 565\nclick 45 645\n"  // 1 0 5 -
                        "click 10 165\n"                                            // action
                        "click 10 485\n");                                          // set KEEP1
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("text 70 609 64,64,64 \"50\"")) << "the entry shows right-aligned";
  const Picture source = test::readBmp(photo);
  ASSERT_EQ(source.width, 768);
  const Picture kept = test::readOwnBmp("KEEP1.bmp", 1440, 960);
  // f = 50, t = 150: factor 255 / 100 = 2.
  auto core = [](int v) { return static_cast<uint8_t>(std::clamp((v - 50) * 2, 0, 255)); };
  int mismatches = 0;
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 768; ++x) {
      const Rgb s = source.at(x, y), k = kept.at(x, y);
      if (k != Rgb{core(s.r), core(s.g), core(s.b)}) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(kept.at(1000, 100), (Rgb{255, 255, 255}));  // white canvas: (255 - 50) * 2 clamped
}

}  // namespace
}  // namespace zc
