// The Appear page driven by replay scripts: the working files, real appear, the drag, the pass
// zone keys, keep and save, checked against compositions computed here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "pages/transfer_appear/compose_reference.h"
#include "pages/transfer_appear/move_transfer.h"
#include "platform/bitmap_loader.h"
#include "test_support.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;
using test::solidPicture;
using test::writeBmp;

constexpr int kW = 1440, kH = 960;
constexpr Rgb kWhitePixel{255, 255, 255};
constexpr Rgb kCover{40, 80, 120};
constexpr Rgb kNearWhite{255, 255, 254};
constexpr Rgb kBackRed{200, 30, 30};

// Window points of the page's keys.
const std::string kBackImage = "click 50 91\n";
const std::string kTrfrImage = "click 50 117\n";
const std::string kRealAppear = "click 50 310\n";
const std::string kMouseMove = "click 50 336\n";
const std::string kKeep8 = "click 50 454\n";
const std::string kSaveImage = "click 50 500\n";
const std::string kTransferTab = "click 720 10\n";
const std::string kAppearTab = "click 800 10\n";

// A picture at the canvas's top-left with white elsewhere, as the canvas holds it: bottom-up
// blue, green, red bytes.
std::vector<uint8_t> canvasOf(const Picture& p) {
  std::vector<uint8_t> bytes(static_cast<size_t>(kW) * kH * 3, 255);
  for (int y = 0; y < std::min(p.height, kH); ++y) {
    for (int x = 0; x < std::min(p.width, kW); ++x) {
      uint8_t* b = &bytes[(static_cast<size_t>(kH - 1 - y) * kW + x) * 3];
      const Rgb c = p.at(x, y);
      b[0] = c.b, b[1] = c.g, b[2] = c.r;
    }
  }
  return bytes;
}

Picture pictureOf(const std::vector<uint8_t>& bytes) {
  Picture p = solidPicture(kW, kH, Rgb{});
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const uint8_t* b = &bytes[(static_cast<size_t>(kH - 1 - y) * kW + x) * 3];
      p.pixels[static_cast<size_t>(y) * kW + x] = Rgb{b[2], b[1], b[0]};
    }
  }
  return p;
}

int mismatches(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height) return -1;
  int n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] == b.pixels[i] ? 0 : 1;
  return n;
}

// The composition of two canvas pictures, the transfer one moved by (ox, oy).
Picture composition(const Picture& transfer, const Picture& back, int ox, int oy,
                    const PassZone& zone, int g) {
  std::vector<uint8_t> t = canvasOf(transfer), moved(t.size()), b = canvasOf(back);
  moveTransferImage(PixelView{t.data(), kW, kH}, PixelView{moved.data(), kW, kH}, ox, oy);
  composeThroughPassZoneReference(PixelView{moved.data(), kW, kH}, PixelView{b.data(), kW, kH},
                                  zone, g);
  return pictureOf(b);
}

Picture filled(Picture p, int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) p.pixels[static_cast<size_t>(y) * p.width + x] = c;
  return p;
}

Picture planes(const std::string& file) {
  return test::readOwnBmp(file, kW, kH);
}

class AppearFlow : public testing::Test {
 protected:
  test::WorkFolder folder_;
  // The transfer image: a cover colour with a pure white and a nearly white square.
  const Picture trfr_ =
      filled(filled(solidPicture(600, 400, kCover), 100, 50, 200, 150, kWhitePixel), 300, 50, 400,
             150, kNearWhite);
  const Picture back_ = solidPicture(800, 600, kBackRed);
  void SetUp() override {
    writeBmp("trfr.bmp", trfr_);
    writeBmp("back.bmp", back_);
  }
  // The Top page gets the transfer image, the Transfer tab takes it, the Appear tab carries it
  // over; then the back image is chosen.
  static std::string toAppearWithBothImages() {
    return "open trfr.bmp\n" + kTransferTab + kAppearTab + "open back.bmp\n" + kBackImage;
  }
};

TEST_F(AppearFlow, EntrySettingsShowTheBackOnlyThroughPureWhiteAndStoreNothing) {
  const auto r = replay(toAppearWithBothImages() + kRealAppear + "planes composed.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const Picture expected = composition(trfr_, back_, 0, 0, PassZone{}, 0);
  EXPECT_EQ(mismatches(planes("composed.bmp"), expected), 0);
  EXPECT_EQ(expected.at(150, 100), kBackRed);      // pure white
  EXPECT_EQ(expected.at(350, 100), kNearWhite);    // not quite white
  EXPECT_EQ(expected.at(700, 500), kBackRed);      // the canvas around the transfer image
  EXPECT_EQ(expected.at(1000, 800), kWhitePixel);  // around both images
  // Real appear alone wrote no slot: KEEP8 still holds the image the page was entered with.
  EXPECT_EQ(mismatches(planes("KEEP8.bmp"), pictureOf(canvasOf(trfr_))), 0);
  EXPECT_EQ(mismatches(planes("0000back.bmp"), pictureOf(canvasOf(back_))), 0);
}

TEST_F(AppearFlow, DragMovesTheTransferImageAndMouseMoveOffShowsItUnmoved) {
  const auto r = replay(toAppearWithBothImages() + kRealAppear +
                        "drag 300 200 400 250\n"  // 100 right and 50 down
                        "planes moved.bmp\n" +
                        kMouseMove + "planes unmoved.bmp\n" + kMouseMove +
                        "planes again.bmp\n"
                        "click 500 400\n"                // a click without a drag adds nothing,
                        "ldown 1070 400\nlup 600 400\n"  // nor a release after a scroll-bar press
                        "planes clicked.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const Picture moved = planes("moved.bmp");
  EXPECT_EQ(mismatches(moved, composition(trfr_, back_, -100, 50, PassZone{}, 0)), 0);
  EXPECT_EQ(moved.at(50, 20), kBackRed);  // uncovered by the move: white, so the back shows
  EXPECT_EQ(moved.at(110, 60), kCover);
  EXPECT_EQ(moved.at(250, 150), kBackRed);  // the white square, moved
  EXPECT_EQ(mismatches(planes("unmoved.bmp"), composition(trfr_, back_, 0, 0, PassZone{}, 0)), 0);
  EXPECT_EQ(mismatches(planes("again.bmp"), moved), 0);
  EXPECT_EQ(mismatches(planes("clicked.bmp"), moved), 0);
}

TEST_F(AppearFlow, ArrowsMoveByTheFineStepAndBlackPassesPerfectBlack) {
  const Picture trfr = filled(trfr_, 450, 200, 500, 250, Rgb{0, 0, 0});
  writeBmp("trfr.bmp", trfr);
  const auto r = replay(toAppearWithBothImages() + kRealAppear +
                        "click 84 427\n"  // → by 8
                        "click 93 400\n"  // fine step 9
                        "click 61 427\n"  // ↓ by 9
                        "planes white.bmp\n"
                        "click 26 160\n"  // Black
                        "planes black.bmp\n"
                        "click 76 160\n"  // White
                        "planes whiteagain.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(mismatches(planes("white.bmp"), composition(trfr, back_, -8, 9, PassZone{}, 0)), 0);
  const PassZone black{1, 2, 255, 255};
  const Picture shown = planes("black.bmp");
  EXPECT_EQ(mismatches(shown, composition(trfr, back_, -8, 9, black, 0)), 0);
  EXPECT_EQ(shown.at(470, 220), kBackRed);
  EXPECT_EQ(shown.at(160, 100), kWhitePixel);  // white covers now
  EXPECT_EQ(mismatches(planes("whiteagain.bmp"), planes("white.bmp")), 0);
}

TEST_F(AppearFlow, ResetMarksLightKeepsTheOffsetDarkReturnsToTheEntryWithSlotEightAsBack) {
  const auto r = replay(toAppearWithBothImages() + kRealAppear + "drag 300 200 400 250\n" +
                        "click 70 40\n" + kRealAppear +  // light mark: move off, offset kept
                        "planes light.bmp\n" + kMouseMove + "planes moved.bmp\n" +
                        "click 93 264\n"  // g = 2
                        "click 20 40\n" +
                        kRealAppear +  // dark mark
                        "planes dark.bmp\n" + kMouseMove + "planes darkmoved.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(mismatches(planes("light.bmp"), composition(trfr_, back_, 0, 0, PassZone{}, 0)), 0);
  EXPECT_EQ(mismatches(planes("moved.bmp"), composition(trfr_, back_, -100, 50, PassZone{}, 0)), 0);
  // Slot 8 holds the entry image, the transfer image itself: composed over itself, unmoved and
  // with g = 0, it comes out as it is.
  EXPECT_EQ(mismatches(planes("0000back.bmp"), planes("KEEP8.bmp")), 0);
  EXPECT_EQ(mismatches(planes("dark.bmp"), pictureOf(canvasOf(trfr_))), 0);
  EXPECT_EQ(mismatches(planes("darkmoved.bmp"), pictureOf(canvasOf(trfr_))), 0);  // offset 0
}

TEST_F(AppearFlow, CalculatorSetsAGreyRangeOfOneValue) {
  // Greys: (100, 150, 200) 140.75 -> 140; (99, 150, 200) 140.45 -> 140; (102, 150, 200) -> 141.
  Picture trfr =
      filled(solidPicture(600, 400, Rgb{100, 150, 200}), 200, 0, 400, 400, Rgb{99, 150, 200});
  trfr = filled(trfr, 400, 0, 600, 400, Rgb{102, 150, 200});
  writeBmp("trfr.bmp", trfr);
  const std::string pad140 =
      "click 70 534\nclick 20 598\nclick 20 578\nclick 20 618\nclick 20 638\n";
  const auto r = replay(toAppearWithBothImages() + "click 20 238\n" + pad140 +  // f: AC, 1 4 0 +
                        "click 70 238\nclick 70 534\n" +  // t: AC gives 0, raised to f
                        "texts on\n" + kRealAppear + "texts off\nplanes grey.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("text 6 228 64,64,64 \"140\"")) << r.out;
  EXPECT_TRUE(r.has("text 60 228 64,64,64 \"140\""));
  const Picture shown = planes("grey.bmp");
  EXPECT_EQ(mismatches(shown, composition(trfr, back_, 0, 0, PassZone{4, 2, 140, 140}, 0)), 0);
  EXPECT_EQ(shown.at(100, 100), kBackRed);
  EXPECT_EQ(shown.at(300, 100), kBackRed);
  EXPECT_EQ(shown.at(500, 100), (Rgb{102, 150, 200}));
}

TEST_F(AppearFlow, BeltDiamondsKeepTheirLimitsAndPushTheOtherEnd) {
  // English labels: "[%3d" and "%3d]".
  const std::string f = "text 6 228 64,64,64 \"[";
  const std::string t = "text 60 228 64,64,64 \"";
  const auto r =
      replay("open trfr.bmp\nclick 40 374\n" + kAppearTab +
             "click 25 212\n"                      // belt left of the middle: f = 4
             "click 7 212\n"                       // f - 8: 0
             "texts on\nclick 7 212\ntexts off\n"  // stays 0
             "click 20 238\nclick 70 534\nclick 49 598\nclick 20 578\n"  // f: AC, 2 4
             "click 20 618\nclick 20 638\n"                              // 0 + : f = 240
             "click 70 238\nclick 70 534\nclick 20 578\nclick 20 638\n"  // t: AC, 4 + : t = 244
             "texts on\nclick 17 212\n"  // f + 8 = 248 pushes t to 249
             "click 17 212\n"            // 256: the pair tops out
             "click 83 264\nclick 93 264\nclick 93 264\nclick 93 264\nclick 93 264\nclick 93 264\n"
             "click 50 186\n"  // the zone condition steps from gray to red
             "click 50 186\nclick 50 186\nclick 50 186\nclick 50 186\nclick 50 186\nclick 50 186\n"
             "click 50 186\n");  // ... and after eight steps is gray again
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has(f + "  0\"")) << r.out;
  EXPECT_TRUE(r.has(f + "248\"") && r.has(t + "249]\""));
  EXPECT_TRUE(r.has(f + "254\"") && r.has(t + "255]\""));
  // The gradation shown by each logged paint: three paints before its keys, then its left key
  // (not below 0), five right keys (up by 2 to 8 and no further), then the eight condition keys.
  std::vector<std::string> gradation;
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("text 52 254 ", 0) == 0) gradation.push_back(line.substr(line.find('"')));
  }
  std::vector<std::string> expected = {"\" 0\"", "\" 0\"", "\" 0\"", "\" 0\"", "\" 2\"",
                                       "\" 4\"", "\" 6\"", "\" 8\"", "\" 8\""};
  expected.insert(expected.end(), 8, "\" 8\"");
  EXPECT_EQ(gradation, expected);
  const std::vector<std::string> conditions = {"red",     "green",  "blue", "cyan",
                                               "magenta", "yellow", "3C",   "gray"};
  size_t at = r.out.find("text 4 176 64,64,64 \"red\"");
  for (const std::string& name : conditions) {
    at = r.out.find("text 4 176 64,64,64 \"" + name + "\"", at);
    EXPECT_NE(at, std::string::npos) << name;
  }
  EXPECT_TRUE(
      r.has("text 120 698 50,50,50 \"flag [<>] color condition of pass zone; gray, 3C, "
            "red, green, blue etc.;\""))
      << r.out;
}

TEST_F(AppearFlow, OwnKeysWriteOnlyTheirFileAndSlotEightReturnsAsTheBack) {
  writeBmp("green.bmp", solidPicture(500, 300, Rgb{10, 200, 10}));
  const auto r = replay("open trfr.bmp\nclick 240 10\n" + kAppearTab +  // from Filter
                        "open green.bmp\ntexts on\n" + kTrfrImage + "pixel 300 200\n" +
                        "open back.bmp\n" + kBackImage + "pixel 300 200\ntexts off\n" +
                        "click 960 10\n"  // Restore: KEEP8 is still the entry image
                        "pixel 300 200\n"
                        "open green.bmp\nclick 1040 10\n"  // Call: slot 8 and both files
                        "pixel 300 200\npixel 500 182\n"
                        "click 50 690\npixel 500 182\n"  // the whole canvas: green ends at 433
                        "click 50 716\npixel 500 182\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 300 200 10,200,10"));
  EXPECT_TRUE(r.has("pixel 300 200 200,30,30"));
  EXPECT_TRUE(r.has("pixel 300 200 40,80,120"));
  // While no topic is asked for, the shown image names itself.
  EXPECT_TRUE(r.has("text 120 698 16,128,32 \"転送画像 [<>] 背景画像の上の画像 (0000trfr.bmp);\""))
      << r.out;
  EXPECT_TRUE(
      r.has("text 120 698 16,128,32 \"背景画像 [<>] 転送画像の後ろの画像 (0000back.bmp);\""));
  const Picture green = pictureOf(canvasOf(solidPicture(500, 300, Rgb{10, 200, 10})));
  for (const char* file : {"KEEP8.bmp", "0000trfr.bmp", "0000back.bmp"}) {
    EXPECT_EQ(mismatches(planes(file), green), 0) << file;
  }
  EXPECT_EQ(r.count("pixel 500 182 10,200,10"), 2);
  EXPECT_TRUE(r.has("pixel 500 182 255,255,255"));
}

TEST_F(AppearFlow, EmptyOrShortFilesComposeToBlackAndAFailedReadIsReported) {
  // KEEP8 empty, the transfer file cut short after three white pixels.
  std::ofstream("KEEP8.bmp", std::ios::binary);
  std::string shortFile(54, '\0');
  shortFile += std::string(9, '\xff');
  std::ofstream("0000trfr.bmp", std::ios::binary) << shortFile;
  const auto r = replay("open back.bmp\n" + kAppearTab +  // from Top: only the back file
                        "click 960 10\n" +                // Restore: the empty slot, black
                        kRealAppear + kKeep8);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(mismatches(planes("KEEP8.bmp"), solidPicture(kW, kH, Rgb{})), 0);

  // A back file that cannot be read: the box, and the planes' picture stands in for it.
  std::filesystem::remove("0000back.bmp");
  std::filesystem::create_directory("0000back.bmp");
  const auto failed =
      replay("open trfr.bmp\n" + kTransferTab + kAppearTab + kRealAppear + "planes shown.bmp\n");
  ASSERT_EQ(failed.status, 0) << failed.err;
  EXPECT_TRUE(
      failed.has("message \"pool Get Bmp 関数\" \"ピクセルデータの読み込みに失敗しました\" -> ok"))
      << failed.out;
  EXPECT_EQ(mismatches(planes("shown.bmp"), pictureOf(canvasOf(trfr_))), 0);
}

// The whole road on photographs: a shadow made from the parrots (deleted areas white) enters
// from the Transfer page, the caps photograph becomes the back image, the shadow is dragged and
// blended with g = 4, kept in slot 8 and saved under a name.
TEST(AppearRoad, ShadowOverAPhotographKeptAndSavedExactly) {
  test::WorkFolder folder;
  Picture shadow = test::readBmp(test::testdata("photos/kodim23.bmp"));
  shadow = filled(filled(shadow, 40, 30, 300, 200, kWhitePixel), 420, 250, 700, 480, kWhitePixel);
  writeBmp("shadow.bmp", shadow);
  const std::string caps = test::testdata("photos/kodim03.png");
  LoadedBitmap decoded;
  ASSERT_TRUE(loadBitmapFile(caps, decoded));
  Picture back = solidPicture(decoded.width, decoded.height, Rgb{});
  for (int i = 0; i < decoded.width * decoded.height; ++i) {
    const uint8_t* p = decoded.pixels + 3 * i;
    back.pixels[i] = Rgb{p[2], p[1], p[0]};
  }

  const auto r = replay("open \"" + test::testdata("photos/kodim23.bmp") + "\"\n" + kTransferTab +
                        "open shadow.bmp\nclick 1040 10\n" +  // Call on the Transfer page
                        kAppearTab + "open \"" + caps + "\"\n" + kBackImage + kRealAppear +
                        "drag 400 300 460 340\n"          // 60 right, 40 down
                        "click 93 264\nclick 93 264\n" +  // g = 4
                        kKeep8 +
                        "save saved.bmp\n" + kSaveImage + "cancel\nclick 880 10\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(test::fileSize("0000trfr.bmp"), 4147254u);
  const Picture expected = composition(shadow, back, -60, 40, PassZone{}, 4);
  EXPECT_EQ(mismatches(planes("KEEP8.bmp"), expected), 0);
  EXPECT_EQ(mismatches(planes("saved.bmp"), expected), 0);
  EXPECT_TRUE(r.has("dialog save \"名前をつけて保存する(appear)\" -> saved.bmp")) << r.out;
  EXPECT_TRUE(r.has("dialog save \"名前をつけて保存する(appear)\" -> cancel"));
}

}  // namespace
}  // namespace zc
