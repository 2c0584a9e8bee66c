// The Appear page's kernels on tiny pictures with values worked out by hand, and the fast compose
// against the plain window loop on a photograph.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/image_buffers.h"
#include "pages/transfer_appear/compose.h"
#include "pages/transfer_appear/compose_reference.h"
#include "pages/transfer_appear/move_transfer.h"
#include "pages/transfer_appear/pass_zone.h"
#include "test_support.h"

namespace zc {
namespace {

// A bottom-up picture of blue, green, red bytes, written and read as red, green, blue.
struct Pixels {
  int width, height;
  std::vector<uint8_t> bytes;
  Pixels(int w, int h, Rgb fill = Rgb{})
      : width(w), height(h), bytes(static_cast<size_t>(w) * h * 3) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) set(x, y, fill);
  }
  PixelView view() { return PixelView{bytes.data(), width, height}; }
  void set(int x, int y, Rgb c) {
    uint8_t* p = &bytes[(static_cast<size_t>(y) * width + x) * 3];
    p[0] = c.b, p[1] = c.g, p[2] = c.r;
  }
  Rgb at(int x, int y) const {
    const uint8_t* p = &bytes[(static_cast<size_t>(y) * width + x) * 3];
    return Rgb{p[2], p[1], p[0]};
  }
};

constexpr Rgb kWhite255{255, 255, 255};

struct PassCase {
  PassZone zone;
  Rgb pixel;
  bool passes;
};

// (100, 150, 200) has the grey 0.299 * 100 + 0.587 * 150 + 0.114 * 200 = 140.75, so 140;
// (128, 128, 128) sums to just under 128 in double and so has the grey 127.
const PassCase kPassCases[] = {
    {{1, 2, 255, 255}, {0, 0, 0}, true},
    {{1, 2, 255, 255}, {0, 0, 1}, false},
    {{2, 2, 255, 255}, {255, 255, 255}, true},
    {{2, 2, 255, 255}, {255, 254, 255}, false},
    {{2, 2, 0, 255}, {200, 200, 200}, false},  // perfect white ignores the range
    {{3, 2, 140, 140}, {100, 150, 200}, true},
    {{4, 2, 140, 140}, {100, 150, 200}, true},
    {{3, 2, 141, 141}, {100, 150, 200}, false},
    {{3, 2, 128, 128}, {128, 128, 128}, false},
    {{3, 2, 127, 127}, {128, 128, 128}, true},
    {{3, 1, 100, 200}, {100, 150, 200}, true},
    {{3, 1, 101, 200}, {100, 150, 200}, false},
    {{3, 3, 90, 110}, {100, 150, 200}, true},  // red
    {{3, 3, 90, 110}, {120, 100, 100}, false},
    {{3, 4, 90, 110}, {100, 150, 200}, false},  // green
    {{3, 4, 140, 160}, {100, 150, 200}, true},
    {{3, 5, 190, 210}, {100, 150, 200}, true},  // blue
    {{3, 5, 190, 210}, {200, 200, 100}, false},
    {{3, 6, 150, 200}, {0, 150, 200}, true},  // cyan: green and blue
    {{3, 6, 160, 200}, {0, 150, 200}, false},
    {{3, 7, 100, 200}, {100, 0, 200}, true},  // magenta: red and blue
    {{3, 7, 100, 199}, {100, 0, 200}, false},
    {{3, 8, 100, 150}, {100, 150, 0}, true},  // yellow: red and green
    {{3, 8, 100, 149}, {100, 150, 0}, false},
    {{3, 2, 200, 100}, {150, 150, 150}, false},  // an empty range
};

TEST(AppearPassZone, EveryModeAndConditionOnHandWorkedPixels) {
  for (const PassCase& c : kPassCases) {
    const PassZone& z = c.zone;
    EXPECT_EQ(passesZone(z, c.pixel.r, c.pixel.g, c.pixel.b), c.passes)
        << "mode " << z.mode << " condition " << z.condition << " [" << z.start << ", " << z.end
        << "] pixel " << int(c.pixel.r) << "," << int(c.pixel.g) << "," << int(c.pixel.b);
    // The mask of a picture holding the pixel agrees with the single test.
    Pixels picture(2, 1, Rgb{7, 7, 7});
    picture.set(1, 0, c.pixel);
    uint8_t mask[2] = {9, 9};
    markPassZone(picture.view(), z, mask);
    EXPECT_EQ(mask[1], c.passes ? 1 : 0);
    EXPECT_EQ(mask[0], passesZone(z, 7, 7, 7) ? 1 : 0);
  }
}

TEST(AppearMove, ShiftsWithWhiteWhereNothingLandsAndNeverWrapsRows) {
  // Source 3 x 2, pixel (x, y) = (10 x + y, 0, 0); rows count from the bottom.
  Pixels source(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.set(x, y, Rgb{static_cast<uint8_t>(10 * x + y), 0, 0});
  Pixels target(3, 2, Rgb{1, 2, 3});
  auto red = [&](int x, int y) { return target.at(x, y) == kWhite255 ? -1 : target.at(x, y).r; };

  // Offset x -1: the picture one column to the right, column 0 uncovered.
  moveTransferImage(source.view(), target.view(), -1, 0);
  EXPECT_EQ(red(0, 0), -1);
  EXPECT_EQ(red(1, 0), 0);
  EXPECT_EQ(red(2, 1), 11);
  // Offset x +1: the last column stays white rather than taking the next row's first pixel.
  moveTransferImage(source.view(), target.view(), 1, 0);
  EXPECT_EQ(red(0, 0), 10);
  EXPECT_EQ(red(1, 1), 21);
  EXPECT_EQ(red(2, 0), -1);
  EXPECT_EQ(red(2, 1), -1);
  // Offset y +1 (a drag down): the top row takes nothing.
  moveTransferImage(source.view(), target.view(), 0, 1);
  EXPECT_EQ(red(2, 0), 21);
  EXPECT_EQ(red(0, 1), -1);
  // Offsets of the whole picture or more leave it white.
  for (const auto& [ox, oy] : {std::pair{3, 0}, std::pair{0, -2}, std::pair{-100000, 5}}) {
    moveTransferImage(source.view(), target.view(), ox, oy);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(red(x, y), -1) << ox << " " << oy;
  }
}

using Compose = void (*)(const PixelView&, const PixelView&, const PassZone&, int);
const Compose kComposes[] = {composeThroughPassZone, composeThroughPassZoneReference};

TEST(AppearCompose, GradationZeroShowsTheBackThroughPassingPixelsOnly) {
  for (Compose compose : kComposes) {
    Pixels transfer(3, 1, kWhite255);
    transfer.set(1, 0, Rgb{200, 10, 20});
    transfer.set(2, 0, Rgb{254, 255, 255});
    Pixels back(3, 1, Rgb{5, 6, 7});
    compose(transfer.view(), back.view(), PassZone{}, 0);
    EXPECT_EQ(back.at(0, 0), (Rgb{5, 6, 7}));
    EXPECT_EQ(back.at(1, 0), (Rgb{200, 10, 20}));
    EXPECT_EQ(back.at(2, 0), (Rgb{254, 255, 255}));
  }
}

TEST(AppearCompose, GradationBlendsByTheWindowCountAndKeepsTheBorder) {
  for (Compose compose : kComposes) {
    // 4 x 3, g = 1: only (1, 1) and (2, 1) have a whole window. White in columns 0 and 3.
    Pixels transfer(4, 3, Rgb{0, 30, 90});
    for (int y = 0; y < 3; ++y) transfer.set(0, y, kWhite255), transfer.set(3, y, kWhite255);
    Pixels back(4, 3, Rgb{90, 90, 90});
    back.set(2, 1, Rgb{180, 0, 255});
    compose(transfer.view(), back.view(), PassZone{}, 1);
    // (1, 1): d = 3 of k = 9: (90 * 3 + 0 * 6) / 9 = 30, (90 * 3 + 30 * 6) / 9 = 50,
    // (90 * 3 + 90 * 6) / 9 = 90.
    EXPECT_EQ(back.at(1, 1), (Rgb{30, 50, 90}));
    // (2, 1): d = 3: (180 * 3) / 9 = 60, (0 + 30 * 6) / 9 = 20, (255 * 3 + 90 * 6) / 9 = 145.
    EXPECT_EQ(back.at(2, 1), (Rgb{60, 20, 145}));
    // The border keeps the back image, white window pixels or not.
    for (int x = 0; x < 4; ++x) EXPECT_EQ(back.at(x, 0), (Rgb{90, 90, 90}));
    EXPECT_EQ(back.at(0, 1), (Rgb{90, 90, 90}));
    // A window larger than the picture changes nothing.
    Pixels untouched(4, 3, Rgb{1, 2, 3});
    compose(transfer.view(), untouched.view(), PassZone{}, 2);
    EXPECT_EQ(untouched.at(1, 1), (Rgb{1, 2, 3}));
  }
}

// The moved photograph with white squares, composed over the photograph turned upside down.
struct PhotoPair {
  Pixels transfer{1, 1}, back{1, 1};
  PhotoPair() {
    const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
    const int w = photo.width, h = photo.height;
    transfer = Pixels(w, h);
    back = Pixels(w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool square = (x / 40 + y / 40) % 3 == 0;
        transfer.set(x, y, square ? kWhite255 : photo.at(x, h - 1 - y));
        back.set(x, y, photo.at(x, y));
      }
    }
  }
};

// Noise whose pass mask is scattered, so that every count 0 .. k of a window occurs.
Pixels noise(int w, int h, uint32_t seed) {
  Pixels p(w, h);
  for (uint8_t& b : p.bytes) {
    seed = seed * 1664525u + 1013904223u;
    b = static_cast<uint8_t>(seed >> 24);
  }
  return p;
}

TEST(AppearCompose, FastFormEqualsThePlainLoopOnAPhotographAndOnNoise) {
  const PhotoPair photo;
  struct Run {
    PassZone zone;
    int gradation;
  };
  const Run runs[] = {{{2, 2, 255, 255}, 0}, {{2, 2, 255, 255}, 2}, {{2, 2, 255, 255}, 8},
                      {{3, 2, 60, 140}, 4},  {{4, 1, 0, 128}, 6},   {{3, 6, 100, 255}, 8},
                      {{1, 2, 0, 0}, 4}};
  for (const Run& run : runs) {
    Pixels fast = photo.back, plain = photo.back;
    Pixels transfer = photo.transfer;
    composeThroughPassZone(transfer.view(), fast.view(), run.zone, run.gradation);
    composeThroughPassZoneReference(transfer.view(), plain.view(), run.zone, run.gradation);
    EXPECT_TRUE(fast.bytes == plain.bytes)
        << "zone mode " << run.zone.mode << " g " << run.gradation;
  }
  for (int g : {1, 3, 8}) {
    Pixels transfer = noise(61, 47, 7u * g), fast = noise(61, 47, 99u), plain = fast;
    const PassZone grey{3, 2, 0, 127};
    composeThroughPassZone(transfer.view(), fast.view(), grey, g);
    composeThroughPassZoneReference(transfer.view(), plain.view(), grey, g);
    EXPECT_TRUE(fast.bytes == plain.bytes) << "noise g " << g;
  }
}

}  // namespace
}  // namespace zc
