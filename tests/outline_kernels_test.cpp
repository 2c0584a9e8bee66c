// The Outline page's kernels on tiny pictures with hand-worked values, and the fast fine outline
// against its plain loop on the photograph.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "core/grey.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/outline_pattern/brush_dab.h"
#include "pages/outline_pattern/brush_marks.h"
#include "pages/outline_pattern/fine_outline.h"
#include "pages/outline_pattern/fine_outline_reference.h"
#include "pages/outline_pattern/local_contrast.h"
#include "pages/outline_pattern/outline_colour.h"
#include "test_support.h"

namespace zc {
namespace {

constexpr Rgb kInk{1, 2, 3};  // an outline colour no test picture holds

// A picture held both as planes and as canvas bytes, row 0 the bottom row.
struct Scene {
  int width, height;
  std::vector<int32_t> cells;
  std::vector<uint8_t> bytes;
  Scene(int w, int h) : width(w), height(h), cells(static_cast<size_t>(w) * h * 3, 0) {}
  PlaneView planes() {
    const size_t n = static_cast<size_t>(width) * height;
    return PlaneView{{cells.data(), cells.data() + n, cells.data() + 2 * n}, width, height};
  }
  PixelView canvas() { return PixelView{bytes.data(), width, height}; }
  void set(int x, int y, int r, int g, int b) {
    const PlaneView p = planes();
    p.plane[0][p.index(x, y)] = b;
    p.plane[1][p.index(x, y)] = g;
    p.plane[2][p.index(x, y)] = r;
  }
  int cell(int c, int x, int y) { return planes().plane[c][planes().index(x, y)]; }
  // The canvas as the paint starts it: a copy of the planes.
  void show() {
    bytes.assign(static_cast<size_t>(width) * height * 3, 0);
    copyPlanesToPixels(planes(), canvas());
  }
  Rgb shown(int x, int y) {
    const uint8_t* p = canvas().at(x, y);
    return Rgb{p[2], p[1], p[0]};
  }
  // Columns of row y shown in the ink colour.
  std::vector<int> inkedColumns(int y) {
    std::vector<int> columns;
    for (int x = 0; x < width; ++x)
      if (shown(x, y) == kInk) columns.push_back(x);
    return columns;
  }
  long inkCount() {
    long n = 0;
    for (int y = 0; y < height; ++y) n += static_cast<long>(inkedColumns(y).size());
    return n;
  }
};

Scene solidScene(int w, int h, int r, int g, int b) {
  Scene s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.set(x, y, r, g, b);
  return s;
}

// Left part (columns below `step`) one colour, the right part another.
Scene stepScene(int w, int h, int step, Rgb left, Rgb right) {
  Scene s(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = x < step ? left : right;
      s.set(x, y, c.r, c.g, c.b);
    }
  }
  return s;
}

using OutlineKernel = std::function<void(Scene&, int judge, int condition)>;
struct NamedKernel {
  const char* name;
  OutlineKernel run;
};
const NamedKernel kOutlineKernels[] = {
    {"plain loop",
     [](Scene& s, int j, int c) { fineOutlineReference(s.planes(), s.canvas(), j, c, kInk); }},
    {"fast, one band",
     [](Scene& s, int j, int c) { fineOutline(s.planes(), s.canvas(), j, c, kInk, {1}); }},
    {"fast, three bands, portable",
     [](Scene& s, int j, int c) {
       fineOutline(s.planes(), s.canvas(), j, c, kInk, {3, OutlineIsa::kPortable});
     }},
};

TEST(FineOutline, UniformPictureGetsNoOutline) {
  for (const NamedKernel& kernel : kOutlineKernels) {
    for (int condition = 1; condition <= 5; ++condition) {
      for (int judge : {0, 8, 255}) {
        Scene s = solidScene(12, 9, 200, 120, 40);
        s.show();
        kernel.run(s, judge, condition);
        EXPECT_EQ(s.inkCount(), 0)
            << kernel.name << " condition " << condition << " judge " << judge;
      }
    }
  }
}

// Grey 100 on the left and 100 + step from column 10: the step of 9 exceeds 8 in every form
// (the greys of 100 and 109 are 100 and 109) and gives the last column of the left part and the
// first of the right part; the step of 8 (greys 100 and 107) gives nothing.
TEST(FineOutline, VerticalStepOfNineDrawsTwoColumnsAndOfEightNone) {
  for (const NamedKernel& kernel : kOutlineKernels) {
    for (int condition = 1; condition <= 5; ++condition) {
      Scene nine = stepScene(20, 10, 10, Rgb{100, 100, 100}, Rgb{109, 109, 109});
      nine.show();
      kernel.run(nine, 8, condition);
      for (int y = 0; y < 10; ++y) {
        const std::vector<int> expected =
            (y >= 2 && y < 8) ? std::vector<int>{9, 10} : std::vector<int>{};
        EXPECT_EQ(nine.inkedColumns(y), expected) << kernel.name << " condition " << condition;
      }
      Scene eight = stepScene(20, 10, 10, Rgb{100, 100, 100}, Rgb{108, 108, 108});
      eight.show();
      kernel.run(eight, 8, condition);
      EXPECT_EQ(eight.inkCount(), 0) << kernel.name << " condition " << condition;
    }
  }
}

// Red 100 | 200 with green and blue 50 on both sides: all three planes must differ for "3C", so
// nothing; the greys 64 and 94 differ by 30, and the red plane alone differs by 100.
TEST(FineOutline, ThreeColoursIgnoreARedOnlyEdge) {
  struct Case {
    int condition;
    long inked;  // two columns over rows 2 .. 7
  };
  for (const NamedKernel& kernel : kOutlineKernels) {
    for (const Case c :
         {Case{kOutlineThreeColours, 0}, Case{kOutlineGrey, 12}, Case{kOutlineRedOnly, 12},
          Case{kOutlineGreenOnly, 0}, Case{kOutlineBlueOnly, 0}}) {
      Scene s = stepScene(20, 10, 10, Rgb{100, 50, 50}, Rgb{200, 50, 50});
      s.show();
      kernel.run(s, 8, c.condition);
      EXPECT_EQ(s.inkCount(), c.inked) << kernel.name << " condition " << c.condition;
      if (c.inked) {
        EXPECT_EQ(s.inkedColumns(5), (std::vector<int>{9, 10}));
      }
    }
  }
  // A condition the outline does not know paints nothing.
  Scene s = stepScene(20, 10, 10, Rgb{0, 0, 0}, Rgb{255, 255, 255});
  s.show();
  fineOutline(s.planes(), s.canvas(), 8, 6, kInk);
  EXPECT_EQ(s.inkCount(), 0);
}

// With a judge below every difference each pixel is an edge, but the two outermost rows and
// columns stay as they were.
TEST(FineOutline, TheTwoPixelFrameIsNeverPainted) {
  for (const NamedKernel& kernel : kOutlineKernels) {
    Scene s = solidScene(9, 7, 10, 20, 30);
    s.show();
    kernel.run(s, -1, kOutlineGrey);
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 9; ++x) {
        const bool inner = x >= 2 && x < 7 && y >= 2 && y < 5;
        EXPECT_EQ(s.shown(x, y), inner ? kInk : (Rgb{10, 20, 30})) << kernel.name << x << y;
      }
    }
    Scene tiny = solidScene(4, 4, 1, 1, 1);  // no pixel lies inside the frame
    tiny.show();
    kernel.run(tiny, -1, kOutlineThreeColours);
    EXPECT_EQ(tiny.inkCount(), 0);
  }
}

// The fast form decides greys in integers; the double truncates the same way except where
// 299 R + 587 G + 114 B is a multiple of 1000, where it may fall short by one.
TEST(FineOutline, IntegerGreyMatchesTheDoubleOutsideMultiplesOfAThousand) {
  long shortByOne = 0;
  for (int r = 0; r < 256; ++r) {
    for (int g = 0; g < 256; ++g) {
      for (int b = 0; b < 256; ++b) {
        const int t = 299 * r + 587 * g + 114 * b;
        const int grey = greyOf(r, g, b);
        if (t % 1000 != 0) {
          ASSERT_EQ(grey, t / 1000) << r << ' ' << g << ' ' << b;
        } else {
          ASSERT_TRUE(grey == t / 1000 || grey == t / 1000 - 1) << r << ' ' << g << ' ' << b;
          shortByOne += grey != t / 1000;
        }
      }
    }
  }
  EXPECT_GT(shortByOne, 0);  // the case the fast form guards against does occur (1, 1, 1 is one)
  EXPECT_EQ(greyOf(1, 1, 1), 0);
}

// The photograph as the page shows it: with white (a multiple-of-1000 grey) right of and below
// it, and once more with values outside 0..255 in a few rows, which the plain loop's arithmetic
// decides.
TEST(FineOutline, FastFormIsBitIdenticalToThePlainLoopOnThePhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_EQ(photo.width, 768);
  constexpr int kWidth = 800, kHeight = 560;
  Scene base = solidScene(kWidth, kHeight, 255, 255, 255);
  for (int y = 0; y < photo.height; ++y) {
    for (int x = 0; x < photo.width; ++x) {
      const Rgb c = photo.at(x, y);
      base.set(x, kHeight - 1 - y, c.r, c.g, c.b);
    }
  }
  Scene odd = base;
  for (int x = 0; x < kWidth; ++x) {
    odd.set(x, 300, 300, -5, 128);
    odd.set(x, 8, 1000, 70, 70);
  }
  struct Case {
    Scene* source;
    int condition, judge;
  };
  const Case cases[] = {{&base, 1, 8}, {&base, 2, 8},  {&base, 3, 8}, {&base, 4, 8}, {&base, 5, 8},
                        {&base, 2, 0}, {&base, 2, 30}, {&odd, 1, 8},  {&odd, 2, 8}};
  for (const Case& c : cases) {
    Scene plain = *c.source;
    plain.show();
    fineOutlineReference(plain.planes(), plain.canvas(), c.judge, c.condition, kInk);
    EXPECT_GT(plain.inkCount(), 0);
    // Every instruction set the machine has (one it lacks falls back to a narrower one).
    for (OutlineIsa isa :
         {OutlineIsa::kBest, OutlineIsa::kAvx512, OutlineIsa::kAvx2, OutlineIsa::kPortable}) {
      Scene fast = *c.source;
      fast.show();
      fineOutline(fast.planes(), fast.canvas(), c.judge, c.condition, kInk, {0, isa});
      EXPECT_EQ(fast.bytes, plain.bytes)
          << "condition " << c.condition << " judge " << c.judge << " isa " << int(isa);
    }
  }
}

// Noise of small steps around grey levels puts many integer greys on the doubtful side.
TEST(FineOutline, FastFormDecidesDoubtfulGreysAsThePlainLoop) {
  std::mt19937 random(7);
  Scene noise(300, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      const int level = static_cast<int>(random() % 256);
      auto near = [&] { return std::clamp(level + static_cast<int>(random() % 5) - 2, 0, 255); };
      noise.set(x, y, near(), near(), near());
    }
  }
  for (int judge : {0, 1, 2, 8}) {
    Scene plain = noise, fast = noise;
    plain.show();
    fast.show();
    fineOutlineReference(plain.planes(), plain.canvas(), judge, kOutlineGrey, kInk);
    fineOutline(fast.planes(), fast.canvas(), judge, kOutlineGrey, kInk, {2});
    EXPECT_EQ(fast.bytes, plain.bytes) << "judge " << judge;
  }
}

// The contrast window at column 5, row 5 is columns 0..29 and rows 0..29. In it 450 of the 900
// greys are 150 (column 29, row 29, rows 16..28 and the start of row 15) and 450 are 50; outside
// it every pixel is 0. The descending list's index 449 holds 150, so the point (grey 50) is
// darkened by the full strength 24. A window one column or row smaller (losing 30 greys of 150)
// or larger (gaining 0s) would put 50 at the middle and brighten the point instead.
TEST(LocalContrast, WindowIsClippedAtThePictureEdges) {
  Scene s(40, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      int v = 0;
      if (x < 30 && y < 30) {
        const bool high = x == 29 || y == 29 || y >= 16 || (y == 15 && x < 14);
        v = high ? 150 : 50;
      }
      s.set(x, y, v, v, v);
    }
  }
  s.show();
  localContrast(s.planes(), s.canvas(), 5, 5, false);
  EXPECT_EQ(s.shown(5, 5), (Rgb{26, 26, 26}));
  EXPECT_EQ(s.shown(29, 5), (Rgb{150, 150, 150}));  // distance 24: strength 0
  EXPECT_EQ(s.shown(5, 30), (Rgb{0, 0, 0}));        // outside the window
  EXPECT_EQ(s.cell(0, 5, 5), 50);                   // no commit: the planes stay
}

// On a uniform picture the reference is the picture's grey, so every pixel is brightened: the
// point by 24, a pixel at distance 12 by trunc(24 (1 - 0.125)) = 21; channels stop at 255. A
// darker point under a brighter reference stops at 0. Commit writes the planes too.
TEST(LocalContrast, GreyEqualToTheReferenceIsBrightenedAndChannelsSaturate) {
  Scene grey = solidScene(60, 60, 100, 100, 100);
  grey.show();
  localContrast(grey.planes(), grey.canvas(), 30, 30, true);
  EXPECT_EQ(grey.shown(30, 30), (Rgb{124, 124, 124}));
  EXPECT_EQ(grey.shown(42, 30), (Rgb{121, 121, 121}));
  EXPECT_EQ(grey.shown(30, 54), (Rgb{100, 100, 100}));
  EXPECT_EQ(grey.cell(2, 30, 30), 124);

  Scene bright = solidScene(60, 60, 250, 240, 120);
  bright.show();
  localContrast(bright.planes(), bright.canvas(), 59, 59, false);
  EXPECT_EQ(bright.shown(59, 59), (Rgb{255, 255, 144}));

  Scene dark = solidScene(60, 60, 200, 200, 200);
  dark.set(10, 10, 10, 30, 200);  // grey 43, below the reference
  dark.show();
  localContrast(dark.planes(), dark.canvas(), 10, 10, false);
  EXPECT_EQ(dark.shown(10, 10), (Rgb{0, 6, 176}));

  Scene far = solidScene(10, 10, 100, 100, 100);  // a point whose window misses the picture
  far.show();
  localContrast(far.planes(), far.canvas(), 100, -100, true);
  EXPECT_EQ(far.shown(9, 0), (Rgb{100, 100, 100}));
}

TEST(BrushDab, DiscAreaRadiusAndMarkedCells) {
  struct Case {
    int size, scale, area, radius;
    long cells;  // lattice points with k^2 + r^2 <= area
  };
  for (const Case c : {Case{6, 100, 36, 6, 113}, Case{6, 80, 28, 5, 89}, Case{6, 40, 14, 3, 45},
                       Case{2, 100, 4, 2, 13}, Case{2, 40, 1, 1, 5}}) {
    const BrushDisc disc = brushDisc(c.size, c.scale);
    EXPECT_EQ(disc.area, c.area);
    EXPECT_EQ(disc.radius, c.radius);
    std::vector<int32_t> marks(40 * 30, 0);
    stampBrushDisc(MarkView{marks.data(), 40, 30}, 20, 15, disc);
    EXPECT_EQ(std::count(marks.begin(), marks.end(), 1), c.cells) << c.size << ' ' << c.scale;
  }
}

// At the corner only the cells on the plane are marked (7 + 6 + 6 + 6 + 5 + 4 + 1 of the
// quarter disc of radius 6), and nothing outside the plane is touched.
TEST(BrushDab, DiscIsClippedToThePlane) {
  std::vector<int32_t> marks(10 * 8 + 1, 0);
  marks.back() = 7;  // the cell after the plane
  stampBrushDisc(MarkView{marks.data(), 10, 8}, 0, 0, brushDisc(6, 100));
  EXPECT_EQ(std::count(marks.begin(), marks.end(), 1), 35);
  EXPECT_EQ(marks.back(), 7);
  stampBrushDisc(MarkView{marks.data(), 10, 8}, -20, 3, brushDisc(6, 100));
  EXPECT_EQ(std::count(marks.begin(), marks.end(), 1), 35);
}

TEST(BrushDab, ScaleFollowsTheDistanceBetweenReleases) {
  EXPECT_EQ(strokeDistance(18, 24), 30);
  EXPECT_EQ(strokeDistance(-3, 4), 5);
  EXPECT_EQ(strokeDistance(1, 1), 1);
  struct Case {
    int distance, scale;
  };
  for (const Case c : {Case{0, 100}, Case{19, 100}, Case{20, 100}, Case{30, 80}, Case{49, 42},
                       Case{50, 40}, Case{500, 40}}) {
    EXPECT_EQ(brushScaleForDistance(c.distance), c.scale) << c.distance;
  }
}

TEST(BrushMarks, OnlyCellsMarkedOneAreShownAndCommitted) {
  Scene s = solidScene(3, 2, 10, 20, 30);
  s.show();
  std::vector<int32_t> marks = {1, 0, 2, 0, 1, -1};
  const MarkView view{marks.data(), 3, 2};
  paintMarkedCells(view, s.canvas(), kInk);
  EXPECT_EQ(s.inkCount(), 2);
  EXPECT_EQ(s.shown(0, 0), kInk);
  EXPECT_EQ(s.shown(1, 1), kInk);
  writeMarkedCells(view, s.planes(), Rgb{200, 100, 50});
  EXPECT_EQ(s.cell(2, 0, 0), 200);
  EXPECT_EQ(s.cell(0, 1, 1), 50);
  EXPECT_EQ(s.cell(2, 2, 0), 10);  // a mark of 2 is no brush line
}

TEST(OutlineColour, SixStepsReturnToTheStartingColour) {
  const Rgb expected[6] = {{0, 0, 0},       {255, 255, 255}, {0, 255, 255},
                           {128, 128, 128}, {0, 0, 255},     {255, 0, 0}};
  int index = 0;
  for (int step = 0; step < 6; ++step) {
    EXPECT_EQ(outlineColorOf(index), expected[step]);
    index = nextOutlineColorIndex(index);
  }
  EXPECT_EQ(index, 0);
  EXPECT_EQ(nextOutlineColorIndex(9), 0);
}

}  // namespace
}  // namespace zc
