#include "platform/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/bitmap_loader.h"
#include "test_support.h"

namespace zc {
namespace {

namespace fs = std::filesystem;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

bool isWhite(const Surface& s, int x, int y) {
  return s.pixel(x, y) == kWhite;
}

// The pixels of a window rectangle that are not white, as a mask (row by row).
std::vector<bool> inkMask(const Surface& s, int x0, int y0, int w, int h) {
  std::vector<bool> mask;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) mask.push_back(!isWhite(s, x, y));
  }
  return mask;
}

int inkCount(const Surface& s, int x0, int y0, int w, int h) {
  const std::vector<bool> mask = inkMask(s, x0, y0, w, h);
  return static_cast<int>(std::count(mask.begin(), mask.end(), true));
}

TEST(SurfaceLine, OnePixelLinesStopBeforeTheirEndPoint) {
  struct Case {
    int x0, y0, x1, y1;
    std::vector<std::array<int, 2>> drawn;
    std::array<int, 2> endPoint;
  };
  const std::vector<Case> cases = {
      {10, 10, 14, 10, {{10, 10}, {11, 10}, {12, 10}, {13, 10}}, {14, 10}},  // rightwards
      {14, 20, 10, 20, {{14, 20}, {13, 20}, {12, 20}, {11, 20}}, {10, 20}},  // leftwards
      {30, 10, 30, 13, {{30, 10}, {30, 11}, {30, 12}}, {30, 13}},            // downwards
      {40, 10, 43, 13, {{40, 10}, {41, 11}, {42, 12}}, {43, 13}},            // diagonal
      {50, 13, 53, 10, {{50, 13}, {51, 12}, {52, 11}}, {53, 10}},            // rising diagonal
  };
  for (const Case& c : cases) {
    Surface s;
    s.line(c.x0, c.y0, c.x1, c.y1, kBlack);
    SCOPED_TRACE(testing::Message()
                 << "line " << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1);
    for (const auto& p : c.drawn) EXPECT_EQ(s.pixel(p[0], p[1]), kBlack) << p[0] << "," << p[1];
    EXPECT_TRUE(isWhite(s, c.endPoint[0], c.endPoint[1]));
    EXPECT_EQ(inkCount(s, 0, 0, 100, 40), static_cast<int>(c.drawn.size()));
  }
  Surface s;
  s.line(5, 5, 5, 5, kBlack);  // a line to its own start draws nothing
  EXPECT_EQ(inkCount(s, 0, 0, 20, 20), 0);
}

TEST(SurfaceLine, WidePensGiveSolidStrokesOfThePenWidth) {
  Surface s;
  s.line(100, 100, 120, 100, kBlack, 2);  // rows 99 and 100
  s.line(200, 100, 220, 100, kBlack, 5);  // rows 98 to 102
  s.line(300, 100, 300, 120, kBlack, 5);  // columns 298 to 302
  for (int y = 95; y < 106; ++y) {
    EXPECT_EQ(s.pixel(110, y) == kBlack, y == 99 || y == 100) << y;
    EXPECT_EQ(s.pixel(210, y) == kBlack, y >= 98 && y <= 102) << y;
  }
  for (int x = 295; x < 306; ++x) EXPECT_EQ(s.pixel(x, 110) == kBlack, x >= 298 && x <= 302) << x;
  // A wide diagonal has no holes: every row it crosses is one unbroken run.
  s.line(400, 100, 430, 120, kBlack, 2);
  for (int y = 101; y < 118; ++y) {
    int first = -1, last = -1, count = 0;
    for (int x = 390; x < 440; ++x) {
      if (s.pixel(x, y) != kBlack) continue;
      if (first < 0) first = x;
      last = x;
      ++count;
    }
    ASSERT_GE(count, 2) << y;
    EXPECT_EQ(count, last - first + 1) << y;
  }
}

TEST(SurfaceLine, RectangleOutlineClosesAllFourCorners) {
  Surface s;
  s.rectangleOutline(10, 10, 20, 15, kRed);
  for (const auto& p : std::vector<std::array<int, 2>>{{10, 10}, {20, 10}, {20, 15}, {10, 15}}) {
    EXPECT_EQ(s.pixel(p[0], p[1]), kRed) << p[0] << "," << p[1];
  }
  EXPECT_EQ(inkCount(s, 0, 0, 40, 40), 2 * 11 + 2 * 4);
  EXPECT_TRUE(isWhite(s, 15, 12));
  EXPECT_TRUE(isWhite(s, 21, 10));
  EXPECT_TRUE(isWhite(s, 10, 16));
}

TEST(SurfaceFill, FillsHalfOpenRectangleClippedToTheWindow) {
  Surface s;
  s.fillRect(5, 5, 8, 7, kRed);
  EXPECT_EQ(inkCount(s, 0, 0, 20, 20), 3 * 2);
  EXPECT_EQ(s.pixel(5, 5), kRed);
  EXPECT_EQ(s.pixel(7, 6), kRed);
  EXPECT_TRUE(isWhite(s, 8, 5));
  EXPECT_TRUE(isWhite(s, 5, 7));
  EXPECT_TRUE(isWhite(s, 4, 5));
  EXPECT_TRUE(isWhite(s, 5, 4));

  s.fillRect(-10, -10, 2, 1, kBlack);
  s.fillRect(1082, 799, 5000, 5000, kBlack);
  EXPECT_EQ(inkCount(s, 0, 0, 3, 3), 2);
  EXPECT_EQ(inkCount(s, 1080, 797, 4, 4), 4);

  s.erase();
  EXPECT_EQ(inkCount(s, 0, 0, Surface::kWidth, Surface::kHeight), 0);
}

TEST(SurfaceXor, InvertsAndASecondPassRestores) {
  Surface s;
  s.fillRect(0, 0, 50, 50, Rgb{10, 20, 30});
  s.xorLine(5, 5, 15, 5);
  EXPECT_EQ(s.pixel(5, 5), (Rgb{245, 235, 225}));
  EXPECT_EQ(s.pixel(14, 5), (Rgb{245, 235, 225}));
  EXPECT_EQ(s.pixel(15, 5), (Rgb{10, 20, 30}));
  s.xorLine(60, 5, 70, 5);
  EXPECT_EQ(s.pixel(60, 5), kBlack);
  s.xorLine(5, 5, 15, 5);
  s.xorLine(60, 5, 70, 5);
  EXPECT_EQ(s.pixel(5, 5), (Rgb{10, 20, 30}));
  EXPECT_TRUE(isWhite(s, 60, 5));
}

// A bottom-up 24-bit image whose display pixel (x, y) is (10 x, 10 y, 7).
struct BottomUp {
  int w, h;
  std::vector<uint8_t> bytes;
  BottomUp(int width, int height) : w(width), h(height), bytes(size_t(width) * height * 3) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        uint8_t* p = &bytes[(size_t(h - 1 - y) * w + x) * 3];
        p[0] = 7;                             // blue
        p[1] = static_cast<uint8_t>(10 * y);  // green
        p[2] = static_cast<uint8_t>(10 * x);  // red
      }
    }
  }
  static Rgb at(int x, int y) { return Rgb{uint8_t(10 * x), uint8_t(10 * y), 7}; }
};

TEST(SurfaceBlit, CopiesDisplayRowsOfABottomUpImage) {
  const BottomUp img(5, 4);
  Surface s;
  s.blitBottomUp(img.bytes.data(), img.w, img.h, 1, 2, 3, 2, 100, 200);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(s.pixel(100 + x, 200 + y), BottomUp::at(1 + x, 2 + y));
  }
  EXPECT_EQ(inkCount(s, 90, 190, 30, 30), 6);
}

TEST(SurfaceBlit, ClipsToTheImageAndToTheWindow) {
  const BottomUp img(5, 4);
  {
    Surface s;  // the block reaches past the image's right and bottom edges
    s.blitBottomUp(img.bytes.data(), img.w, img.h, 3, 2, 10, 10, 100, 200);
    EXPECT_EQ(inkCount(s, 90, 190, 40, 40), 2 * 2);
    EXPECT_EQ(s.pixel(101, 201), BottomUp::at(4, 3));
  }
  {
    Surface s;  // the block starts before the image: those window pixels stay
    s.blitBottomUp(img.bytes.data(), img.w, img.h, -2, -1, 4, 3, 100, 200);
    EXPECT_EQ(inkCount(s, 90, 190, 40, 40), 2 * 2);
    EXPECT_EQ(s.pixel(102, 201), BottomUp::at(0, 0));
    EXPECT_EQ(s.pixel(103, 202), BottomUp::at(1, 1));
  }
  {
    Surface s;  // window edges on all sides
    s.blitBottomUp(img.bytes.data(), img.w, img.h, 0, 0, 5, 4, Surface::kWidth - 2,
                   Surface::kHeight - 1);
    EXPECT_EQ(inkCount(s, Surface::kWidth - 10, Surface::kHeight - 10, 10, 10), 2);
    EXPECT_EQ(s.pixel(Surface::kWidth - 1, Surface::kHeight - 1), BottomUp::at(1, 0));
    s.blitBottomUp(img.bytes.data(), img.w, img.h, 0, 0, 5, 4, -3, -2);
    EXPECT_EQ(inkCount(s, 0, 0, 10, 10), 2 * 2);
    EXPECT_EQ(s.pixel(0, 0), BottomUp::at(3, 2));
  }
}

TEST(SurfaceStretch, NearestPixelByDestinationOffset) {
  const BottomUp img(5, 4);
  {
    Surface s;  // twice the size: every source pixel becomes a 2 x 2 block
    s.stretchBottomUp(img.bytes.data(), img.w, img.h, 1, 1, 2, 2, 100, 200, 4, 4);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(s.pixel(100 + x, 200 + y), BottomUp::at(1 + x / 2, 1 + y / 2));
      }
    }
    EXPECT_EQ(inkCount(s, 90, 190, 30, 30), 16);
  }
  {
    Surface s;  // 5 x 4 into 3 x 3: columns 0, 5/3 = 1, 10/3 = 3; rows 0, 4/3 = 1, 8/3 = 2
    s.stretchBottomUp(img.bytes.data(), img.w, img.h, 0, 0, 5, 4, 10, 20, 3, 3);
    const int cols[3] = {0, 1, 3};
    const int rows[3] = {0, 1, 2};
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(s.pixel(10 + x, 20 + y), BottomUp::at(cols[x], rows[y]));
      }
    }
  }
  {
    Surface s;  // cut by the window's right edge, and a source rectangle past the image
    s.stretchBottomUp(img.bytes.data(), img.w, img.h, 0, 0, 5, 4, Surface::kWidth - 3, 0, 10, 8);
    EXPECT_EQ(inkCount(s, Surface::kWidth - 20, 0, 20, 20), 3 * 8);
    EXPECT_EQ(s.pixel(Surface::kWidth - 1, 7), BottomUp::at(1, 3));
    s.stretchBottomUp(img.bytes.data(), img.w, img.h, 3, 0, 4, 4, 500, 500, 4, 4);
    EXPECT_EQ(inkCount(s, 490, 490, 20, 20), 2 * 4);
  }
}

TEST(SurfaceText, JapaneseGlyphsRenderAsDistinctShapesInTheGivenColour) {
  Surface s;
  std::vector<std::string> seen;
  s.setTextObserver([&](int x, int y, Rgb colour, std::string_view text) {
    seen.push_back(std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(colour.r) +
                   " " + std::string(text));
  });
  s.text(10, 10, "フィルタ", kRed, 12);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "10 10 255 フィルタ");

  // Ink lies right of and below the given corner, within about one line of the height.
  EXPECT_GT(inkCount(s, 10, 10, 60, 14), 40);
  EXPECT_EQ(inkCount(s, 0, 0, 200, 10) + inkCount(s, 0, 10, 10, 20), 0);
  EXPECT_EQ(inkCount(s, 0, 26, 200, 20), 0);
  // Every inked pixel lies between the text colour and the white behind it, and the strokes
  // reach the full colour.
  int full = 0;
  for (int y = 10; y < 26; ++y) {
    for (int x = 10; x < 80; ++x) {
      const Rgb p = s.pixel(x, y);
      if (p == kWhite) continue;
      EXPECT_EQ(p.r, 255) << x << "," << y;
      EXPECT_EQ(p.g, p.b) << x << "," << y;
      if (p == kRed) ++full;
    }
  }
  EXPECT_GT(full, 20);

  // Each kana has its own glyph: a font without them would draw the same box for all.
  const char* kana[] = {"フ", "ィ", "ル", "タ", "ト"};
  std::vector<std::vector<bool>> shapes;
  for (int i = 0; i < 5; ++i) {
    s.text(200 + 40 * i, 100, kana[i], kBlack, 12);
    shapes.push_back(inkMask(s, 200 + 40 * i, 100, 20, 16));
    EXPECT_GT(std::count(shapes.back().begin(), shapes.back().end(), true), 5) << kana[i];
  }
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 5; ++j) EXPECT_NE(shapes[i], shapes[j]) << kana[i] << kana[j];
  }

  // The height is the pixel size: twice the height, clearly more ink.
  s.text(200, 200, "ト", kBlack, 24);
  EXPECT_GT(inkCount(s, 200, 200, 40, 32), 2 * inkCount(s, 360, 100, 20, 16));
  // The window's own font draws too.
  s.text(200, 300, "[Enter] ⇒ ファイルを開く", kBlack, 16, true);
  EXPECT_GT(inkCount(s, 200, 300, 300, 24), 100);
}

TEST(SurfacePng, SavedPictureLoadsBackWithTheSamePixels) {
  test::WorkFolder folder;
  Surface s;
  s.fillRect(0, 0, 3, 2, Rgb{1, 2, 3});
  s.fillRect(1083, 800, 1084, 801, Rgb{200, 100, 50});
  ASSERT_TRUE(s.savePng("shot.png"));
  LoadedBitmap b;
  ASSERT_TRUE(loadBitmapFile("shot.png", b));
  ASSERT_EQ(b.width, Surface::kWidth);
  ASSERT_EQ(b.height, Surface::kHeight);
  // Top-down rows of blue, green, red.
  EXPECT_EQ(b.pixels[0], 3);
  EXPECT_EQ(b.pixels[1], 2);
  EXPECT_EQ(b.pixels[2], 1);
  EXPECT_EQ(b.pixels[3 * 3], 255);
  const uint8_t* last = b.pixels + (size_t(Surface::kWidth) * Surface::kHeight - 1) * 3;
  EXPECT_EQ(last[0], 50);
  EXPECT_EQ(last[1], 100);
  EXPECT_EQ(last[2], 200);
}

std::vector<uint8_t> loadedBytes(const std::string& path, int& w, int& h) {
  LoadedBitmap b;
  if (!loadBitmapFile(path, b)) return {};
  w = b.width;
  h = b.height;
  return std::vector<uint8_t>(b.pixels, b.pixels + size_t(w) * h * 3);
}

TEST(BitmapLoader, ReadsAPaddedBottomUpBmpAsTopDownBgr) {
  test::WorkFolder folder;
  test::Picture p = test::solidPicture(3, 2, kWhite);  // 3 pixels: rows padded to 12 bytes
  p.pixels = {Rgb{1, 2, 3},    Rgb{4, 5, 6},    Rgb{7, 8, 9},
              Rgb{10, 11, 12}, Rgb{13, 14, 15}, Rgb{16, 17, 18}};
  test::writeBmp("small.bmp", p);
  int w = 0, h = 0;
  const std::vector<uint8_t> bytes = loadedBytes("small.bmp", w, h);
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(bytes,
            (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16}));
}

TEST(BitmapLoader, KeepsTheDecodedPictureWhileTheFileIsUnchanged) {
  test::WorkFolder folder;
  test::writeBmp("a.bmp", test::solidPicture(4, 4, kRed));
  LoadedBitmap first, second;
  ASSERT_TRUE(loadBitmapFile("a.bmp", first));
  ASSERT_TRUE(loadBitmapFile("a.bmp", second));
  EXPECT_EQ(first.pixels, second.pixels);
  EXPECT_EQ(second.pixels[2], 255);

  // Same size, same modification time: the kept picture stands.
  const auto stamp = fs::last_write_time("a.bmp");
  test::writeBmp("a.bmp", test::solidPicture(4, 4, Rgb{0, 0, 255}));
  fs::last_write_time("a.bmp", stamp);
  ASSERT_TRUE(loadBitmapFile("a.bmp", second));
  EXPECT_EQ(second.pixels[2], 255);
  // A new modification time: decoded again.
  fs::last_write_time("a.bmp", stamp + std::chrono::seconds(2));
  ASSERT_TRUE(loadBitmapFile("a.bmp", second));
  EXPECT_EQ(second.pixels[0], 255);
  EXPECT_EQ(second.pixels[2], 0);
  // A new size: decoded again.
  test::writeBmp("a.bmp", test::solidPicture(6, 5, kBlack));
  fs::last_write_time("a.bmp", stamp);
  ASSERT_TRUE(loadBitmapFile("a.bmp", second));
  EXPECT_EQ(second.width, 6);
  EXPECT_EQ(second.height, 5);
}

TEST(BitmapLoader, RejectsWhatIsNotAPicture) {
  test::WorkFolder folder;
  {
    std::FILE* f = std::fopen("notes.bmp", "wb");
    std::fputs("not a picture", f);
    std::fclose(f);
  }
  {
    std::FILE* f = std::fopen("empty.bmp", "wb");
    std::fclose(f);
  }
  fs::create_directory("folder.bmp");
  for (const char* path : {"", "missing.bmp", "notes.bmp", "empty.bmp", "folder.bmp"}) {
    LoadedBitmap b;
    EXPECT_FALSE(loadBitmapFile(path, b)) << path;
    EXPECT_EQ(b.pixels, nullptr) << path;
  }
}

TEST(BitmapLoader, PhotographsInPngAndBmpDecodeAlike) {
  int w = 0, h = 0, w2 = 0, h2 = 0;
  const std::vector<uint8_t> png = loadedBytes(test::testdata("photos/kodim23.png"), w, h);
  const std::vector<uint8_t> bmp = loadedBytes(test::testdata("photos/kodim23.bmp"), w2, h2);
  EXPECT_EQ(w, 768);
  EXPECT_EQ(h, 512);
  ASSERT_FALSE(png.empty());
  EXPECT_TRUE(png == bmp);
  int w3 = 0, h3 = 0;
  EXPECT_FALSE(loadedBytes(test::testdata("photos/kodim03.png"), w3, h3).empty());
  EXPECT_EQ(w3, 768);
}

TEST(BitmapLoader, EveryFileOfTheBmpSuiteIsTriedSafely) {
  std::vector<std::string> failed;
  for (const char* group : {"good", "questionable", "bad"}) {
    std::vector<fs::path> files;
    for (const auto& entry :
         fs::directory_iterator(test::testdata(std::string("bmpsuite/") + group))) {
      files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      LoadedBitmap b;
      if (!loadBitmapFile(file.string(), b)) {
        failed.push_back(std::string(group) + "/" + file.filename().string());
        continue;
      }
      // A decoded picture is whole: touch its first and last byte.
      ASSERT_GT(b.width, 0);
      ASSERT_GT(b.height, 0);
      volatile uint8_t touch = b.pixels[0];
      touch = b.pixels[size_t(b.width) * b.height * 3 - 1];
      (void)touch;
    }
  }
  std::string list;
  for (const std::string& f : failed) list += f + " ";
  RecordProperty("not_loaded", list);
  std::printf("bmpsuite files not loaded: %s\n", list.c_str());
  for (const std::string& f : failed) EXPECT_NE(f.rfind("good/", 0), 0u) << f << " did not load";

  // Top-down rows and 32-bit pixels give the same picture as their plain forms.
  int w = 0, h = 0;
  EXPECT_EQ(loadedBytes(test::testdata("bmpsuite/good/pal8topdown.bmp"), w, h),
            loadedBytes(test::testdata("bmpsuite/good/pal8.bmp"), w, h));
  EXPECT_EQ(loadedBytes(test::testdata("bmpsuite/good/rgb32.bmp"), w, h),
            loadedBytes(test::testdata("bmpsuite/good/rgb24.bmp"), w, h));
  EXPECT_EQ(w, 127);
  EXPECT_EQ(h, 64);
}

}  // namespace
}  // namespace zc
