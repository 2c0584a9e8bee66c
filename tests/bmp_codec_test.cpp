// The program's own image file between the planes and the disk: the conversion of each row, with
// rows addressed by a longer work width, widths that leave a tail of a few pixels and plane cells
// outside a byte, against the plain per-byte rule.
#include "files/bmp_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "test_support.h"

namespace zc {
namespace {

std::vector<uint8_t> fileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
}

struct Planes {
  std::vector<int32_t> cells[3];
  int rowLength;
  Planes(int rowLength, int height, int32_t fill) : rowLength(rowLength) {
    for (auto& c : cells) c.assign(static_cast<size_t>(rowLength) * height, fill);
  }
  PixelTarget target() {
    PixelTarget t;
    t.form = PixelForm::Planes;
    t.planes = PlaneView{{cells[0].data(), cells[1].data(), cells[2].data()}, rowLength, 0};
    t.rowLength = rowLength;
    return t;
  }
};

TEST(BmpCodec, PlanesRowsGoToTheFileAsTheirLowBytesAndComeBackAsBytes) {
  const test::WorkFolder folder;
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  struct Case {
    int width, height, rowLength;
  };
  for (const Case c : {Case{768, 40, 768}, Case{37, 9, 64}, Case{64, 5, 1680}, Case{5, 3, 9}}) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " in rows of " +
                 std::to_string(c.rowLength));
    Planes source(c.rowLength, c.height, -1);
    uint32_t seed = 5u + static_cast<uint32_t>(c.width);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const Rgb p = photo.at(x, y);
        const size_t i = static_cast<size_t>(y) * c.rowLength + x;
        source.cells[0][i] = p.b, source.cells[1][i] = p.g, source.cells[2][i] = p.r;
        seed = seed * 1664525u + 1013904223u;
        if (seed % 7 == 0) source.cells[seed % 3][i] = static_cast<int32_t>(seed);
      }
    }
    ASSERT_TRUE(writeImageFile("planes.bmp", source.target(), Size{c.width, c.height}));
    const std::vector<uint8_t> file = fileBytes("planes.bmp");
    ASSERT_EQ(file.size(), kBmpHeaderBytes + static_cast<size_t>(c.width) * c.height * 3);
    std::vector<uint8_t> expected = bmpHeader(c.width, c.height);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        for (int k = 0; k < 3; ++k) {
          expected.push_back(
              static_cast<uint8_t>(source.cells[k][static_cast<size_t>(y) * c.rowLength + x]));
        }
      }
    }
    EXPECT_TRUE(file == expected);

    // Read back over planes holding other values: the picture's cells take the file's bytes,
    // every cell past a row's width keeps what it held.
    Planes target(c.rowLength, c.height, 1000);
    ASSERT_TRUE(readImageFile("planes.bmp", target.target(), Size{c.width, c.height}));
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.rowLength; ++x) {
        const size_t i = static_cast<size_t>(y) * c.rowLength + x;
        for (int k = 0; k < 3; ++k) {
          const int32_t want =
              x < c.width
                  ? expected[kBmpHeaderBytes + (static_cast<size_t>(y) * c.width + x) * 3 + k]
                  : 1000;
          ASSERT_EQ(target.cells[k][i], want) << x << ", " << y << " plane " << k;
        }
      }
    }
  }
}

// Pixels read from a whole file and from one cut short, into a picture that is read in place
// (scratch) and into one that is not: the same bytes, black where the file ends.
TEST(BmpCodec, PixelsReadTheSameInPlaceAndThroughTheBufferAndBlackPastTheEnd) {
  const test::WorkFolder folder;
  const int w = 36, h = 7;
  std::vector<uint8_t> picture(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint8_t>(i * 37 + 11);
  PixelTarget source;
  source.form = PixelForm::Pixels;
  source.pixels = picture.data();
  source.rowLength = w;
  ASSERT_TRUE(writeImageFile("pixels.bmp", source, Size{w, h}));
  for (const size_t cut : {size_t{0}, size_t{100}, picture.size(), picture.size() + 20}) {
    std::vector<uint8_t> file = fileBytes("pixels.bmp");
    file.resize(file.size() - cut);
    std::ofstream("cut.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    std::vector<uint8_t> expected = picture;
    const size_t kept = file.size() > kBmpHeaderBytes ? file.size() - kBmpHeaderBytes : 0;
    std::fill(expected.begin() + static_cast<long>(std::min(kept, expected.size())), expected.end(),
              0);
    for (const bool scratch : {true, false}) {
      std::vector<uint8_t> read(picture.size(), 0x5A);
      PixelTarget target = source;
      target.pixels = read.data();
      target.scratch = scratch;
      ASSERT_TRUE(readImageFile("cut.bmp", target, Size{w, h}));
      EXPECT_TRUE(read == expected) << "cut " << cut << " scratch " << scratch;
    }
  }
}

}  // namespace
}  // namespace zc
