// The area-averaging reduction and the fitted size, on values worked out by hand, and against a
// plain two-dimensional sum over random pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/area_fit.h"
#include "platform/picture_request.h"

namespace zc {
namespace {

using Bytes = std::vector<uint8_t>;

// One channel's values as blue, green 0 and red 255 - value, so that all three are checked.
Bytes fromBlue(const std::vector<int>& blue) {
  Bytes out;
  for (int v : blue) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(255 - v));
  }
  return out;
}

std::vector<int> blueOf(const Bytes& pixels) {
  std::vector<int> out;
  for (size_t i = 0; i < pixels.size(); i += 3) out.push_back(pixels[i]);
  return out;
}

Bytes reduce(const Bytes& src, int sw, int sh, int dw, int dh) {
  Bytes dst(static_cast<size_t>(dw) * dh * 3, 7);
  areaAverage(src.data(), sw, sh, dst.data(), dw, dh);
  return dst;
}

struct HandCase {
  const char* what;
  int sw, sh;
  std::vector<int> src;
  int dw, dh;
  std::vector<int> expected;
};

TEST(AreaAverage, HandWorkedReductions) {
  const HandCase cases[] = {
      // (10 + 21) / 2 = 15.5: halves round up.
      {"two pixels into one", 2, 1, {10, 21}, 1, 1, {16}},
      // Target 0 covers source [0, 1.5): (0 + 90 / 2) / 1.5 = 30; target 1 (90 / 2 + 180) / 1.5.
      {"three columns into two", 3, 1, {0, 90, 180}, 2, 1, {30, 150}},
      {"three rows into two", 1, 3, {0, 90, 180}, 1, 2, {30, 150}},
      // Weights 2/1 by 2/1 of nine: (0*4 + 30*2 + 90*2 + 120) / 9 = 40, ... (120 + 150*2 +
      // 210*2 + 240*4) / 9 = 200.
      {"three by three into two by two",
       3,
       3,
       {0, 30, 60, 90, 120, 150, 180, 210, 240},
       2,
       2,
       {40, 80, 160, 200}},
      // 1/3 rounds down, 2/3 up.
      {"a third", 3, 1, {0, 0, 1}, 1, 1, {0}},
      {"two thirds", 3, 1, {0, 1, 1}, 1, 1, {1}},
      {"the same size is a copy", 2, 2, {1, 2, 3, 4}, 2, 2, {1, 2, 3, 4}},
      // Five columns into two: each target 2.5 wide, (0 + 50 + 100 / 2) / 2.5 = 40 and
      // (100 / 2 + 150 + 250) / 2.5 = 180.
      {"an uneven split", 5, 1, {0, 50, 100, 150, 250}, 2, 1, {40, 180}},
  };
  for (const HandCase& c : cases) {
    SCOPED_TRACE(c.what);
    const Bytes out = reduce(fromBlue(c.src), c.sw, c.sh, c.dw, c.dh);
    EXPECT_EQ(blueOf(out), c.expected);
    // Green stays 0 and red is the mirror of blue: 255 - mean(v) = mean(255 - v) up to rounding.
    for (size_t i = 0; i < out.size(); i += 3) {
      EXPECT_EQ(out[i + 1], 0);
      EXPECT_NEAR(out[i + 2], 255 - out[i], 1);
    }
  }
}

TEST(AreaAverage, SizesOutsideTheRangeLeaveTheTargetAlone) {
  const Bytes src = fromBlue({1, 2, 3, 4});
  EXPECT_EQ(reduce(src, 2, 2, 3, 2), Bytes(18, 7));  // wider than the source
  EXPECT_EQ(reduce(src, 2, 2, 2, 0), Bytes{});
  EXPECT_EQ(reduce(src, 2, 2, 1, 3), Bytes(9, 7));  // higher than the source
}

// Every target pixel as the plain sum over all source pixels of overlap x overlap x value.
Bytes plainAreaAverage(const Bytes& src, int sw, int sh, int dw, int dh) {
  auto overlap = [](int64_t cell, int64_t j, int64_t s, int64_t d) {
    const int64_t lo = std::max(cell * s, j * d), hi = std::min((cell + 1) * s, (j + 1) * d);
    return hi > lo ? hi - lo : 0;
  };
  Bytes out(static_cast<size_t>(dw) * dh * 3);
  const int64_t total = int64_t{sw} * sh;
  for (int ty = 0; ty < dh; ++ty) {
    for (int tx = 0; tx < dw; ++tx) {
      for (int c = 0; c < 3; ++c) {
        int64_t sum = 0;
        for (int y = 0; y < sh; ++y) {
          const int64_t wy = overlap(ty, y, sh, dh);
          if (!wy) continue;
          for (int x = 0; x < sw; ++x) {
            sum += wy * overlap(tx, x, sw, dw) * src[(static_cast<size_t>(y) * sw + x) * 3 + c];
          }
        }
        out[(static_cast<size_t>(ty) * dw + tx) * 3 + c] =
            static_cast<uint8_t>((sum + total / 2) / total);
      }
    }
  }
  return out;
}

TEST(AreaAverage, EqualsThePlainSumOnRandomPictures) {
  struct Sizes {
    int sw, sh, dw, dh;
  };
  const Sizes sizes[] = {{7, 5, 3, 2},   {64, 48, 17, 13}, {50, 30, 50, 7},
                         {31, 29, 1, 1}, {100, 3, 99, 2},  {75, 50, 72, 48}};
  std::mt19937 random(21);
  for (const Sizes& s : sizes) {
    SCOPED_TRACE(std::to_string(s.sw) + "x" + std::to_string(s.sh) + " -> " + std::to_string(s.dw) +
                 "x" + std::to_string(s.dh));
    Bytes src(static_cast<size_t>(s.sw) * s.sh * 3);
    for (uint8_t& b : src) b = static_cast<uint8_t>(random() & 255);
    EXPECT_EQ(reduce(src, s.sw, s.sh, s.dw, s.dh), plainAreaAverage(src, s.sw, s.sh, s.dw, s.dh));
  }
}

TEST(AreaAverage, AFlatAreaStaysItsValue) {
  const Bytes src(static_cast<size_t>(37) * 23 * 3, 201);
  EXPECT_EQ(reduce(src, 37, 23, 11, 5), Bytes(static_cast<size_t>(11) * 5 * 3, 201));
}

TEST(FittedSize, LargestSizeInsideTheCanvasWithTheAspectKept) {
  struct Case {
    int w, h, maxW, maxH, fitW, fitH;
  };
  const Case cases[] = {
      {6000, 4000, 1440, 960, 1440, 960},  // the same aspect as the canvas
      {8256, 5504, 1440, 960, 1440, 960},
      {4000, 6000, 1440, 960, 640, 960},  // portrait: the height decides
      {2000, 1500, 1440, 960, 1280, 960},
      {2000, 500, 1440, 960, 1440, 360},   // the width decides
      {1601, 1000, 1200, 800, 1200, 749},  // 1000 * 1200 / 1601 = 749.5, truncated
      {1000, 900, 1440, 960, 1000, 900},   // fits already
      {1440, 960, 1440, 960, 1440, 960},
      {30000, 1, 1440, 960, 1440, 1},  // never below one pixel
      {1, 30000, 1440, 960, 1, 960},
  };
  for (const Case& c : cases) {
    const PictureSize s = fittedSize(c.w, c.h, c.maxW, c.maxH);
    EXPECT_EQ(s.width, c.fitW) << c.w << "x" << c.h;
    EXPECT_EQ(s.height, c.fitH) << c.w << "x" << c.h;
  }
}

}  // namespace
}  // namespace zc
