// Rows of the canvas as the surface's pixels: hand-worked values, and the fast form against the
// plain loop on every row length up to one of the photograph's rows.
#include "platform/pixel_rows.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace zc {
namespace {

TEST(PixelRows, BlueGreenRedBytesBecomeOpaquePixels) {
  const uint8_t bgr[] = {1, 2, 3, 0, 128, 255};
  uint32_t out[2] = {};
  bgrToOpaqueRgb32(bgr, out, 2);
  EXPECT_EQ(out[0], 0xff030201u);
  EXPECT_EQ(out[1], 0xffff8000u);
}

TEST(PixelRows, FastFormEqualsThePlainLoopOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  std::vector<uint8_t> bytes;
  for (const Rgb& c : photo.pixels) bytes.insert(bytes.end(), {c.b, c.g, c.r});
  // Each length from a row's start, and rows that start off the sixteen-byte steps.
  for (int start : {0, 1, 7}) {
    for (int n = 0; n <= photo.width; n += n < 40 ? 1 : 37) {
      const uint8_t* row = bytes.data() + 3 * (static_cast<size_t>(start) * photo.width + start);
      std::vector<uint32_t> fast(n + 1, 7u), plain(n + 1, 7u);
      bgrToOpaqueRgb32(row, fast.data(), n);
      bgrToOpaqueRgb32Reference(row, plain.data(), n);
      ASSERT_EQ(fast, plain) << start << " " << n;
    }
  }
}

}  // namespace
}  // namespace zc
