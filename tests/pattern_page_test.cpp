// The Pattern page: zones picked on the image, adjusted on the belts and the key pad, drawn, made
// into a pattern and kept, driven by replay scripts as a user would click them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/grey.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"
#include "test_support.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;
using test::solidPicture;
using test::writeBmp;

// Window points of the page's items.
const std::string kTab = "click 640 10\n";
const std::string kDarkReset = "click 25 40\n";
const std::string kLightReset = "click 75 40\n";
const std::string kArea = "click 30 97\n";
const std::string kAll = "click 15 136\n";
const std::string kZone = "click 50 160\n";
const std::string kAppointEye = "click 50 180\n";  // shows a topic only: one more repaint
const std::string kGreyFromBox = "click 15 370\n";
const std::string kGreyToBox = "click 80 370\n";
const std::string kDrawZone = "click 50 440\n";
const std::string kPattern = "click 50 466\n";
const std::string kSetKeep6 = "click 50 598\n";
const std::string kEnglish = "click 40 374\n";  // on the Top page
constexpr int kGreyBeltY = 344;

// Key pad keys: digits, plus, minus and AC.
std::string padKey(char key) {
  switch (key) {
    case '+':
      return "click 20 724\n";
    case '-':
      return "click 50 724\n";
    case 'A':
      return "click 70 624\n";
    case '0':
      return "click 20 704\n";
    default: {
      const int digit = key - '0';
      const int row = (9 - digit) / 3;     // 7 8 9, 4 5 6, 1 2 3
      const int column = (digit - 1) % 3;  // columns at x 20, 48, 78
      return "click " + std::to_string(20 + 29 * column) + " " + std::to_string(644 + 20 * row) +
             "\n";
    }
  }
}
std::string typed(const std::string& keys) {
  std::string script;
  for (char k : keys) script += padKey(k);
  return script;
}

std::string click(int x, int y) {
  return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

const PatternPageState& pattern() {
  return ws().pattern;
}

// The picture of canvas size whose only white pixels are the first `whites` of its top row.
Picture noWhitePicture(int whites) {
  Picture p = solidPicture(1440, 960, Rgb{30, 20, 10});
  for (int x = 0; x < whites; ++x) p.pixels[x] = Rgb{255, 255, 255};
  return p;
}

// Two halves side by side, 600 x 400: left (x < 300) and right.
Picture halves(Rgb left, Rgb right) {
  Picture p = solidPicture(600, 400, left);
  for (int y = 0; y < 400; ++y)
    for (int x = 300; x < 600; ++x) p.pixels[static_cast<size_t>(y) * 600 + x] = right;
  return p;
}

class PatternPage : public testing::Test {
 protected:
  test::WorkFolder folder_;
};

TEST_F(PatternPage, OnePickSetsEveryRangeToThePixelAndABrighterPickWidensEveryEnd) {
  // (b, g, r) = (10, 20, 30), grey 21; the right half (40, 50, 60), grey 51.
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  auto r = replay("open halves.bmp\n" + kTab + kZone + click(200, 100));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().appoint, (AppointColour{10, 20, 30, 21}));
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{21, 21}));
  EXPECT_EQ(pattern().ranges[kZoneRed], (ZoneRange{30, 30}));
  EXPECT_EQ(pattern().ranges[kZoneGreen], (ZoneRange{20, 20}));
  EXPECT_EQ(pattern().ranges[kZoneBlue], (ZoneRange{10, 10}));

  r = replay("open halves.bmp\n" + kTab + kZone + click(200, 100) + "texts on\n" + click(600, 100));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{21, 51}));
  EXPECT_EQ(pattern().ranges[kZoneRed], (ZoneRange{30, 60}));
  EXPECT_EQ(pattern().ranges[kZoneGreen], (ZoneRange{20, 50}));
  EXPECT_EQ(pattern().ranges[kZoneBlue], (ZoneRange{10, 40}));
  // The value line under the red belt: from, picked value and to; the grey value boxes.
  EXPECT_TRUE(r.has("text 6 241 222,222,222 \" 30    60    60\"")) << r.out;
  EXPECT_TRUE(r.has("text 4 360 64,64,64 \" 21\""));
  EXPECT_TRUE(r.has("text 68 360 64,64,64 \" 51\""));
  // Picks outside the image area are ignored; picks stop while the key pad is on.
  r = replay("open halves.bmp\n" + kTab + kZone + click(200, 100) + click(1070, 300) + kGreyToBox +
             click(600, 100));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{21, 21}));
}

TEST_F(PatternPage, APickReadsThePixelUnderThePointerOnTheScrolledCanvas) {
  // Red counts the column, green the row from the top.
  Picture p = solidPicture(1440, 960, Rgb{});
  for (int y = 0; y < 960; ++y)
    for (int x = 0; x < 1440; ++x)
      p.pixels[static_cast<size_t>(y) * 1440 + x] =
          Rgb{static_cast<uint8_t>(x % 250), static_cast<uint8_t>(y % 250), 0};
  writeBmp("ramp.bmp", p);
  // Three clicks right and two down: positions 30 and 20, shifts trunc(480 * 30 / 307) = 46 and
  // trunc(320 * 20 / 201) = 31. Column 300 - 100 + 46; row 960 - (200 - 32) - 31 = 761 from the
  // bottom, 198 from the top.
  const auto r = replay("open ramp.bmp\n" + kTab + kZone + click(1050, 682) + click(1050, 682) +
                        click(1050, 682) + click(1070, 662) + click(1070, 662) + click(300, 200));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().appoint.r, 246);
  EXPECT_EQ(pattern().appoint.g, 198);
}

TEST_F(PatternPage, GetShadowCallsANewPictureIntoSlotSix) {
  writeBmp("first.bmp", solidPicture(600, 400, Rgb{30, 20, 10}));
  writeBmp("second.bmp", solidPicture(600, 400, Rgb{90, 80, 70}));
  const auto r = replay("open first.bmp\nopen second.bmp\n" + kTab + kZone + "click 50 70\n" +
                        "pixel 300 200\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 2);
  EXPECT_TRUE(r.has("pixel 300 200 90,80,70"));
  EXPECT_EQ(test::keptPixel("KEEP6.bmp", 10, 10), (Rgb{90, 80, 70}));
  EXPECT_EQ(pattern().zoneMode, 0);  // the page starts afresh
}

TEST_F(PatternPage, DrawZoneWithAnEmptyRangePaintsNothingAndAsksNothing) {
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  const auto r = replay("open halves.bmp\n" + kTab + kZone + kDrawZone + "pixel 200 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("message"), 0);
  EXPECT_TRUE(r.has("pixel 200 100 30,20,10"));
}

TEST_F(PatternPage, ARangeOfEveryGreyMatchesEverythingAndAsksOncePerDrawZone) {
  writeBmp("halves.bmp", halves(Rgb{0, 0, 0}, Rgb{255, 255, 255}));
  const auto r = replay("open halves.bmp\nanswer no\nanswer yes\n" + kTab + kZone +
                        click(200, 100) + click(600, 100) + kDrawZone + "pixel 200 100\n" +
                        kAppointEye + kAppointEye + kDrawZone + kDrawZone);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{0, 255}));
  EXPECT_TRUE(r.has("pixel 200 100 255,255,255"));
  // Once for the first raising, not at the repaints, once more for the second raising.
  EXPECT_EQ(r.count("message"), 2);
}

TEST_F(PatternPage, LightResetLeavesNothingToDrawUntilAllSetsTheAreaAgain) {
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  const auto r =
      replay("open halves.bmp\nanswer yes\n" + kTab + kZone + click(200, 100) + kLightReset +
             kDrawZone + "pixel 200 100\n" + kAll + "pixel 200 100\n" + "pixel 600 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("message"), 1);
  EXPECT_TRUE(r.has("pixel 200 100 30,20,10"));
  EXPECT_TRUE(r.has("pixel 200 100 255,255,255"));
  EXPECT_TRUE(r.has("pixel 600 100 60,50,40"));
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{21, 21}));  // the light reset keeps ranges
}

TEST_F(PatternPage, AnAreaDraggedUpwardsToTheLeftIsStoredAsDraggedAndLeavesTheZoneWhole) {
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  const auto r = replay("open halves.bmp\n" + kTab + kArea + "ldown 600 400\nmove 500 300\n" +
                        "pixel 600 400\npixel 601 400\npixel 500 340\n" + "move 350 250\n" +
                        "pixel 500 300\n" + "lup 350 250\n" + kZone + click(200, 100) + kDrawZone +
                        "pixel 150 50\npixel 380 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().area, (AreaRect{500, 400, 250, 250}));
  EXPECT_EQ(ws().outlineRgb, (Rgb{0, 0, 0}));
  // The live frame while dragging: every other pixel of its edges inverted.
  EXPECT_TRUE(r.has("pixel 600 400 195,205,215")) << r.out;
  EXPECT_TRUE(r.has("pixel 601 400 60,50,40"));
  EXPECT_TRUE(r.has("pixel 500 340 195,205,215"));
  EXPECT_TRUE(r.has("pixel 500 300 60,50,40"));  // the first frame is taken away
  // The zone is drawn over the whole canvas, inside and outside the area.
  EXPECT_TRUE(r.has("pixel 150 50 255,255,255"));
  EXPECT_TRUE(r.has("pixel 380 300 255,255,255"));
}

TEST_F(PatternPage, TheAreaFrameIsDrawnAtOnceInBlackDotsWhenTheDragEnds) {
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  ASSERT_EQ(replay("open halves.bmp\n" + kTab + kArea).status, 0);
  HeadlessPlatform platform([](const std::string&) {}, [](const std::string&) {});
  setPlatform(&platform);
  auto send = [](MessageKind kind, int x, int y) {
    Message m{kind};
    m.x = x;
    m.y = y;
    shellWindowProcedure().handle(m);
  };
  send(MessageKind::LeftDown, 300, 200);
  send(MessageKind::MouseMove, 340, 230);
  send(MessageKind::LeftUp, 340, 230);
  const Surface& s = platform.surface();
  for (auto [x, y] : {std::pair{300, 200}, {302, 200}, {340, 230}, {300, 230}, {340, 202}}) {
    EXPECT_EQ(s.pixel(x, y), (Rgb{0, 0, 0})) << x << "," << y;
  }
  EXPECT_EQ(s.pixel(301, 200), kWhite);  // between the dots
  EXPECT_EQ(pattern().area, (AreaRect{200, 200, 240, 230}));
  setPlatform(nullptr);
}

TEST_F(PatternPage, ZoneButtonShownOnAlwaysTurnsOff) {
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  const auto r =
      replay("open halves.bmp\n" + kTab + kZone + kDrawZone + kDrawZone + kZone + click(200, 100));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pattern().zoneMode, 0);
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{}));  // no pick after it turned off
}

// Belt clicks after one pick of the orange left half: (r, g, b) = (200, 100, 10), grey 119.
TEST_F(PatternPage, BeltSwitchesAndClicksMoveTheirBeltAndTheValueHolds) {
  writeBmp("halves.bmp", halves(Rgb{200, 100, 10}, Rgb{250, 100, 10}));
  struct Case {
    std::string clicks;
    ZoneChannel channel;
    ZoneRange expected;
  };
  const Case cases[] = {
      {click(7, kGreyBeltY), kZoneGrey, {111, 119}},
      {click(17, kGreyBeltY), kZoneGrey, {119, 119}},  // not above the end
      {click(7, kGreyBeltY) + click(7, kGreyBeltY) + click(17, kGreyBeltY), kZoneGrey, {111, 119}},
      {click(30, kGreyBeltY), kZoneGrey, {29, 119}},   // left of the picked grey: (30-24)*255/52
      {click(70, kGreyBeltY), kZoneGrey, {119, 225}},  // right of it: (70-24)*255/52
      {click(83, kGreyBeltY), kZoneGrey, {119, 119}},  // not below the start
      {click(93, kGreyBeltY), kZoneGrey, {119, 127}},
      {click(93, kGreyBeltY) + click(93, kGreyBeltY) + click(83, kGreyBeltY),
       kZoneGrey,
       {119, 127}},
      {click(93, 266), kZoneGreen, {100, 108}},
      {click(7, 305), kZoneBlue, {2, 10}},
      {click(7, 305) + click(7, 305), kZoneBlue, {0, 10}},  // not below 0
      // The right half (r 250) picked after the left: the red start stops at the picked red.
      {click(600, 100) + click(200, 100) + click(17, 227), kZoneRed, {200, 250}},
      {click(600, 100) + click(200, 100) + click(17, kGreyBeltY), kZoneGrey, {127, 134}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicks);
    const auto r =
        replay("open halves.bmp\n" + kTab + kZone + click(200, 100) + c.clicks + kAppointEye);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pattern().ranges[c.channel], c.expected);
    EXPECT_EQ(pattern().beltCopies[c.channel], c.expected);
  }
}

TEST_F(PatternPage, ABeltStepShowsItsZoneInTheSamePaint) {
  // Left grey 119, right (125, 125, 125) grey 125: the right half joins the zone at "to + 8".
  writeBmp("halves.bmp", halves(Rgb{200, 100, 10}, Rgb{125, 125, 125}));
  const auto r = replay("open halves.bmp\n" + kTab + kZone + click(200, 100) + kDrawZone +
                        "pixel 600 100\n" + click(93, kGreyBeltY) + "pixel 600 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 600 100 125,125,125"));
  EXPECT_TRUE(r.has("pixel 600 100 255,255,255"));
}

TEST_F(PatternPage, TypedGreyBoundsAreClampedKeptInOrderAndWinOverTheBelt) {
  writeBmp("halves.bmp", halves(Rgb{200, 100, 10}, Rgb{250, 100, 10}));
  const auto r = replay("open halves.bmp\n" + kTab + kZone + click(200, 100) +
                        click(93, kGreyBeltY) +                       // belt leads: 119 .. 127
                        kGreyToBox + typed("10+") + "texts on\n" +    // to 137
                        kAppointEye + "texts off\n" + kGreyFromBox +  //
                        typed("50+") + "texts on\n" +                 // from 169 > to: 137
                        kAppointEye + "texts off\n" + kGreyToBox +    //
                        typed("300-") + "texts on\n" +                // to -163 -> 0 -> from
                        kAppointEye + "texts off\n" + kGreyFromBox + typed("A"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("text 68 360 64,64,64 \"137\"")) << r.out;
  EXPECT_TRUE(r.has("text 4 360 64,64,64 \"137\""));
  EXPECT_EQ(r.count("text 68 360 64,64,64 \"137\""), 3);
  EXPECT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{0, 137}));
  EXPECT_EQ(pattern().beltCopies[kZoneGrey], (ZoneRange{0, 137}));
}

TEST_F(PatternPage, DarkResetEmptiesTheZoneEvenWhileTheBeltsLead) {
  writeBmp("halves.bmp", halves(Rgb{200, 100, 10}, Rgb{250, 100, 10}));
  const auto r = replay("open halves.bmp\n" + kTab + kZone + click(200, 100) +
                        click(93, kGreyBeltY) + kDarkReset + kAppointEye);
  ASSERT_EQ(r.status, 0) << r.err;
  for (int c = 0; c < kZoneChannelCount; ++c) EXPECT_EQ(pattern().ranges[c], ZoneRange{}) << c;
  EXPECT_EQ(pattern().appoint, AppointColour{});
  EXPECT_EQ(pattern().area, (AreaRect{0, 32, 1440, 992}));
}

TEST_F(PatternPage, NoWhiteAndNoZoneGivesAnAllGreyPatternAndBothQuestionsReadLetterForLetter) {
  writeBmp("dark.bmp", noWhitePicture(0));
  const std::string flow = "answer yes\nanswer yes\n" + kTab + kLightReset + kDrawZone + kPattern +
                           "pixel 500 300\npixel 1050 660\n";
  auto r = replay("open dark.bmp\n" + flow);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 500 300 192,192,192"));
  EXPECT_TRUE(r.has("pixel 1050 660 192,192,192"));
  EXPECT_TRUE(
      r.has("message \"確認\" "
            "\"領域が無効になりました。次の1)または2)を実行してください。\\n"
            "  1)紺色のマークでリセットしてやり直す。\\n"
            "  2)画像で L click + drag して設定する。\" -> yes"))
      << r.out;
  EXPECT_TRUE(
      r.has("message \"確認\" \"この画像には窓が設定されていません\\n"
            "紺色マークでリセットして\\n2)3)から やり直してください\" -> yes"));

  r = replay("open dark.bmp\n" + kEnglish + "texts on\n" + flow);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(
      r.has("message \"Plese make sure\" \"The Area is off. Plese do next 1) or 2).\\n"
            "  Click blue reset mark and try again.1)\\n"
            "  2)Reset an area by L click + drag on the image.\" -> yes"))
      << r.out;
  EXPECT_TRUE(
      r.has("message \"Plese make sure\" \"There is no window on this image\\n"
            "Plese reset to L click on dark blue mark\\n"
            "And try again since 2) or 3)\" -> yes"));
  EXPECT_TRUE(r.has("text 6 588 64,64,64 \" SetK EEP6\""));
  EXPECT_TRUE(r.has("text 6 61 64,64,64 \"1)GetShadow\""));
}

TEST_F(PatternPage, TenZonePixelsAreAWindowAndNineAreNot) {
  for (const auto& [whites, boxes] : {std::pair{10, 0}, {9, 1}}) {
    SCOPED_TRACE(whites);
    writeBmp("dark.bmp", noWhitePicture(whites));
    const auto r = replay("open dark.bmp\nanswer yes\n" + kTab + kPattern);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.count("message"), boxes);
  }
}

TEST_F(PatternPage, TheNoWindowQuestionComesOncePerPatternClick) {
  writeBmp("dark.bmp", noWhitePicture(0));
  const auto r = replay("open dark.bmp\nanswer yes\nanswer no\n" + kTab + kPattern + kAppointEye +
                        kAppointEye + kPattern + kAppointEye);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("message"), 2);
}

// Every greyed item and every button shows its own topic; the soft controls only that.
TEST_F(PatternPage, ItemsShowTheirTopicsInTheChosenLanguage) {
  writeBmp("halves.bmp", halves(Rgb{30, 20, 10}, Rgb{60, 50, 40}));
  struct Case {
    std::string click;
    const char* firstLine;
  };
  const Case cases[] = {
      {click(50, 136), "all [<>] window in the whole area; in (+) out [<>] not available;"},
      {click(14, 416), "4)zone color [<>] color of the window; W [<>] white 255;"},
      {click(50, 520), "(+)soft [<>] soft pattern; gray steps between window and pattern;"},
      {click(50, 546), "soft borders [<>] light and dark limits of the soft pattern;"},
      {click(50, 494), "6)Pattern [→] window part white (+) pattern part gray 192;"},
      {click(50, 200), "flag of color condition [<>] gray (3C not available);"},
      {click(50, 248), "flag of color condition [<>] gray (3C not available);"},
      {click(50, kGreyBeltY), "gray value [<>] from～to of the window by value box (+) cal;"},
      {click(80, 97), "／ [<>] outline color; black→white→water→gray→blue→red;"},
      {click(50, 700), "cal [<>] calculator acts on the value box whose switch is on;"},
      {click(50, 10), "6)Pattern [<>] window part white (+) pattern part gray 192; Reverse, soft;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.click);
    const auto r = replay("open halves.bmp\n" + kEnglish + kTab + "texts on\n" + c.click);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(std::string(" \"") + c.firstLine + "\"\n"), std::string::npos) << r.out;
    EXPECT_EQ(pattern().softLevel, 0);
  }
  const auto r = replay("open halves.bmp\n" + kTab + "texts on\n" + click(14, 416));
  EXPECT_NE(r.out.find("\"4)窓色指定 [<>] 窓の色; 白 [<>] 255;\""), std::string::npos);
}

// Zone, a few picks, a belt step, draw zone, pattern and keep on the parrots photograph: the kept
// file is the pattern of the picked grey range, pixel for pixel.
TEST_F(PatternPage, PatternOfAPhotographIsKeptAsTwoTonesOfThePickedRange) {
  const std::string photo = test::testdata("photos/kodim23.bmp");
  const Picture source = test::readBmp(photo);
  ASSERT_EQ(source.width, 768);
  const std::vector<std::pair<int, int>> picks = {{400, 300}, {420, 310}, {380, 280}};
  std::string script = "open \"" + photo + "\"\n" + kTab + kZone;
  int from = 255, to = 0;
  for (auto [x, y] : picks) {
    script += click(x, y);
    // Canvas row H - (y - 32) counted from the bottom is picture row y - 33 from the top.
    const Rgb c = source.at(x - 100, y - 33);
    from = std::min(from, greyOf(c.r, c.g, c.b));
    to = std::max(to, greyOf(c.r, c.g, c.b));
  }
  to = std::min(to + 8, 255);
  script += click(93, kGreyBeltY) + kDrawZone + kPattern + kSetKeep6;
  const auto r = replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("message"), 0);
  ASSERT_EQ(pattern().ranges[kZoneGrey], (ZoneRange{from, to}));

  const int w = 1440, h = 960;
  const Picture kept = test::readOwnBmp("KEEP6.bmp", w, h);
  long mismatches = 0, markMismatches = 0, zone = 0, otherValues = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = (x < source.width && y < source.height) ? source.at(x, y) : kWhite;
      const int g = greyOf(c.r, c.g, c.b);
      const bool inZone = (g >= from && g <= to) || c == kWhite;
      const Rgb expected = inZone ? kWhite : Rgb{192, 192, 192};
      const Rgb k = kept.at(x, y);
      mismatches += k == expected ? 0 : 1;
      zone += inZone ? 1 : 0;
      for (uint8_t v : {k.r, k.g, k.b}) otherValues += (v == 192 || v == 255) ? 0 : 1;
      // The mark plane (rows bottom-up) holds 1 on the pattern part and 0 on the zone.
      markMismatches +=
          workMarks().cells[static_cast<long>(h - 1 - y) * w + x] == (inZone ? 0 : 1) ? 0 : 1;
    }
  }
  EXPECT_EQ(otherValues, 0);
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(markMismatches, 0);
  EXPECT_GT(zone, w * h - source.width * source.height);  // some of the photograph is zone
}

}  // namespace
}  // namespace zc
