// The Zindle Eye page: a sweep chosen with the page's buttons, its progress marks and its keep.
#include <gtest/gtest.h>

#include <vector>

#include "core/image_buffers.h"
#include "pages/fog/fog_sweep.h"
#include "pages/fog/fog_sweep_reference.h"
#include "test_support.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;

// The picture the page starts from: the photograph at the canvas's top-left, white elsewhere.
std::vector<uint8_t> canvasOf(const Picture& photo, int w, int h) {
  std::vector<uint8_t> canvas(static_cast<size_t>(w) * h * 3, 255);
  for (int y = 0; y < photo.height; ++y) {
    for (int x = 0; x < photo.width; ++x) {
      uint8_t* p = &canvas[(static_cast<size_t>(h - 1 - y) * w + x) * 3];
      const Rgb c = photo.at(x, y);
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
    }
  }
  return canvas;
}

TEST(ZindleEyePage, DarkButtonAndHornSweepTheKeptPictureExactly) {
  test::WorkFolder folder;
  const std::string photo = test::testdata("photos/kodim23.bmp");
  const auto r = replay("open \"" + photo +
                        "\"\n"
                        "click 400 10\n"
                        "texts on\n"
                        "click 10 145\n"  // dark: the direct form
                        "texts off\n"
                        "click 45 174\n"  // horn B: the sweep runs in this paint
                        "pixel 500 736\npixel 103 736\n"
                        "click 10 300\n");  // Set KEEP3
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("text 6 138 64,64,64 \"暗ZE■\""));
  // The level-line mark of line 256 (window height 960 + 32 - 256) stays under the frame.
  EXPECT_TRUE(r.has("pixel 500 736 200,200,200")) << r.out;
  EXPECT_TRUE(r.has("pixel 103 736 255,255,255"));

  const int w = 1440, h = 960;
  std::vector<uint8_t> canvas = canvasOf(test::readBmp(photo), w, h);
  std::vector<int32_t> planes(static_cast<size_t>(w) * h * 3);
  const PixelView pixels{canvas.data(), w, h};
  const PlaneView planeView{
      {planes.data(), planes.data() + w * h, planes.data() + 2 * w * h}, w, h};
  copyPixelsToPlanes(pixels, planeView);
  SweepParams params;
  params.variant = 2;
  params.horn = 2;
  runSweepReference(pixels, planeView, params, nullptr);

  const Picture kept = test::readOwnBmp("KEEP3.bmp", w, h);
  int mismatches = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &canvas[(static_cast<size_t>(h - 1 - y) * w + x) * 3];
      if (kept.at(x, y) != Rgb{p[2], p[1], p[0]}) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(ZindleEyePage, BrightAndDarkShowLiveAndReachTheSlotOnlyThroughKeep) {
  test::WorkFolder folder;
  test::writeBmp("grey.bmp", test::solidPicture(600, 400, Rgb{100, 100, 100}));
  const auto r = replay(
      "open grey.bmp\n"
      "click 400 10\n"
      "click 50 378\n"  // bright = (50 - 2) * 100 / 96 + 100 = 150
      "pixel 300 200\n"
      "click 240 10\nclick 400 10\n"  // leaving and entering again resets bright
      "pixel 300 200\n"
      "click 50 378\nclick 10 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 300 200 149,149,149"));
  EXPECT_TRUE(r.has("pixel 300 200 100,100,100"));
  EXPECT_EQ(test::keptPixel("KEEP3.bmp", 5, 5), (Rgb{149, 149, 149}));
}

}  // namespace
}  // namespace zc
