// The copies between the canvas and the planes: hand-worked cells, and the fast copies against
// the plain loops on a photograph with cells outside a byte mixed in.
#include "core/image_buffers.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/image_buffers_reference.h"
#include "test_support.h"

namespace zc {
namespace {

struct Cells {
  int width, height;
  std::vector<int32_t> cells;
  Cells(int w, int h) : width(w), height(h), cells(static_cast<size_t>(w) * h * 3) {}
  PlaneView view() {
    const size_t n = static_cast<size_t>(width) * height;
    return PlaneView{{cells.data(), cells.data() + n, cells.data() + 2 * n}, width, height};
  }
};

struct Bytes {
  int width, height;
  std::vector<uint8_t> bytes;
  Bytes(int w, int h, uint8_t fill = 0) : width(w), height(h), bytes(size_t(w) * h * 3, fill) {}
  PixelView view() { return PixelView{bytes.data(), width, height}; }
};

TEST(ImageCopies, HandWorkedCellsBothWays) {
  // Two pixels; the planes hold blue, green, red. 256 is stored as 0, -1 as 255, 300 as 44.
  Cells planes(2, 1);
  planes.cells = {10, 256, 20, -1, 30, 300};
  Bytes canvas(2, 1);
  copyPlanesToPixels(planes.view(), canvas.view());
  EXPECT_EQ(canvas.bytes, (std::vector<uint8_t>{10, 20, 30, 0, 255, 44}));
  EXPECT_EQ(planes.cells, (std::vector<int32_t>{10, 256, 20, -1, 30, 300}));

  copyPlanesToPixelsAndBack(planes.view(), canvas.view());
  EXPECT_EQ(canvas.bytes, (std::vector<uint8_t>{10, 20, 30, 0, 255, 44}));
  EXPECT_EQ(planes.cells, (std::vector<int32_t>{10, 0, 20, 255, 30, 44}));

  Bytes picture(2, 1);
  picture.bytes = {1, 2, 3, 250, 251, 252};
  copyPixelsToPlanes(picture.view(), planes.view());
  EXPECT_EQ(planes.cells, (std::vector<int32_t>{1, 250, 2, 251, 3, 252}));
}

// The photograph (768 x 512) with a row of odd width after it, so that the sixteen-pixel steps
// end inside a row; every 97th cell lies outside a byte.
TEST(ImageCopies, FastCopiesEqualThePlainLoopsOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  const int w = photo.width, h = photo.height + 1;
  Cells source(w, h);
  const PlaneView view = source.view();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = photo.at(x, y % photo.height);
      const long i = view.index(x, y);
      view.plane[0][i] = c.b, view.plane[1][i] = c.g, view.plane[2][i] = c.r;
    }
  }
  for (size_t i = 0; i < source.cells.size(); i += 97) {
    source.cells[i] = static_cast<int32_t>(i % 3 == 0 ? -7 - i : 256 + i);
  }
  // One row short too: the copies run over width * height cells only.
  for (const CopyIsa isa : {CopyIsa::kBest, CopyIsa::kSsse3, CopyIsa::kPlain})
    for (const int cut : {0, 1}) {
      Cells planes = source;
      planes.height = h;
      PlaneView p = planes.view();
      p.width = w, p.height = h;
      Bytes fast(w, h, 9), plain(w, h, 9);
      PixelView f = fast.view(), r = plain.view();
      if (cut) p.height = f.height = r.height = h - 1;  // whole rows only
      copyPlanesToPixels(p, f, isa);
      copyPlanesToPixelsReference(p, r);
      EXPECT_TRUE(fast.bytes == plain.bytes) << cut << " " << static_cast<int>(isa);

      // And back: the plain loop into one copy of the planes, the fast form into another.
      Cells roundTrip = source, reference = source;
      PlaneView t = roundTrip.view(), e = reference.view();
      t.height = e.height = p.height;
      copyPlanesToPixelsAndBack(t, f, isa);
      copyPlanesToPixelsReference(e, r);
      copyPixelsToPlanesReference(r, e);
      EXPECT_TRUE(fast.bytes == plain.bytes) << cut << " " << static_cast<int>(isa);
      EXPECT_TRUE(roundTrip.cells == reference.cells) << cut << " " << static_cast<int>(isa);

      // Canvas to planes, into planes that differ everywhere and into planes that hold the same.
      for (Cells* into : {&source, &reference}) {
        Cells a = *into, b = *into;
        PlaneView va = a.view(), vb = b.view();
        va.height = vb.height = p.height;
        copyPixelsToPlanes(f, va, isa);
        copyPixelsToPlanesReference(f, vb);
        EXPECT_TRUE(a.cells == b.cells) << cut << " " << static_cast<int>(isa);
      }
    }
}

}  // namespace
}  // namespace zc
