// The Transfer page's kernels on tiny hand-made pictures: polygon sides, outline snap and trace,
// the even-odd fill, the shot and the pattern save's grey levels.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "pages/transfer_appear/even_odd_fill.h"
#include "pages/transfer_appear/even_odd_fill_reference.h"
#include "pages/transfer_appear/marked_cells_reference.h"
#include "pages/transfer_appear/outline_snap.h"
#include "pages/transfer_appear/outline_trace.h"
#include "pages/transfer_appear/pattern_save_levels.h"
#include "pages/transfer_appear/polygon_marks.h"
#include "pages/transfer_appear/polygon_side.h"
#include "pages/transfer_appear/shot_pattern.h"
#include "pages/transfer_appear/shot_pattern_reference.h"
#include "test_support.h"

namespace zc {
namespace {

using Cells = std::set<std::pair<int, int>>;  // (column, row)

// Planes, a mark plane and a canvas of w x h; the planes start as a dull brown, the canvas as
// (30, 20, 10) bytes (blue, green, red).
struct Fixture {
  int w, h;
  std::vector<int32_t> planes[3];
  std::vector<int32_t> marks;
  std::vector<uint8_t> canvas;
  Fixture(int width, int height) : w(width), h(height) {
    for (int k = 0; k < 3; ++k) planes[k].assign(static_cast<size_t>(w) * h, 60 + 30 * k);
    marks.assign(static_cast<size_t>(w) * h, 0);
    canvas.assign(static_cast<size_t>(w) * h * 3, 0);
    for (size_t i = 0; i < canvas.size(); i += 3)
      canvas[i] = 30, canvas[i + 1] = 20, canvas[i + 2] = 10;
  }
  PlaneView planeView() {
    return PlaneView{{planes[0].data(), planes[1].data(), planes[2].data()}, w, h};
  }
  MarkView markView() { return MarkView{marks.data(), w, h}; }
  PixelView pixels() { return PixelView{canvas.data(), w, h}; }
  // Outline pixels are black.
  void outline(int column, int row) {
    for (auto& p : planes) p[static_cast<size_t>(row) * w + column] = 0;
  }
  OutlineLines lines(int cutMode) { return outlineLines(planeView(), OutlineColour{}, cutMode); }
  Cells marked() const {
    Cells cells;
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c)
        if (marks[static_cast<size_t>(r) * w + c]) cells.insert({c, r});
    return cells;
  }
  void mark(int column, int row) { marks[static_cast<size_t>(row) * w + column] = 1; }
  bool filled(int column, int row, uint8_t e) {
    const uint8_t* px = pixels().at(column, row);
    return px[0] == e && px[1] == e && px[2] == e;
  }
  Cells filledCells(uint8_t e) {
    Cells cells;
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c)
        if (filled(c, r, e)) cells.insert({c, r});
    return cells;
  }
};

// ---- sides ----

TEST(PolygonSide, OneCellPerRowOrColumnTruncatedFromTheStartVertex) {
  struct Case {
    const char* name;
    CanvasCell from, to;
    int mode;
    Cells expected;
  };
  const std::vector<Case> cases = {
      {"rows, upward",
       {2, 1},
       {5, 7},
       kCutByRows,
       {{2, 1}, {2, 2}, {3, 3}, {3, 4}, {4, 5}, {4, 6}, {5, 7}}},
      // The same side walked the other way rounds toward the other end.
      {"rows, downward",
       {5, 7},
       {2, 1},
       kCutByRows,
       {{2, 1}, {3, 2}, {3, 3}, {4, 4}, {4, 5}, {5, 6}, {5, 7}}},
      {"rows, level side: end cells only", {1, 4}, {8, 4}, kCutByRows, {{1, 4}, {8, 4}}},
      {"columns, rightward",
       {1, 2},
       {7, 5},
       kCutByColumns,
       {{1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 5}}},
      {"columns, upright side: end cells only", {3, 0}, {3, 8}, kCutByColumns, {{3, 0}, {3, 8}}},
  };
  for (const Case& c : cases) {
    Fixture f(10, 10);
    markStraightSide(f.markView(), c.from, c.to, c.mode);
    EXPECT_EQ(f.marked(), c.expected) << c.name;
  }
}

// ---- snap ----

TEST(OutlineSnap, MovesOntoTheMiddleOfTheNearestRun) {
  Fixture f(20, 3);
  for (int c : {3, 4, 5, 12, 13}) f.outline(c, 1);
  f.outline(0, 2);
  const OutlineLines lines = f.lines(kCutByRows);
  struct Case {
    int line, position, radius, expected;
  };
  const Case cases[] = {
      {1, 4, 8, 4},    // on a run: its middle
      {1, 5, 8, 4},    // the run 3..5 from its end
      {1, 7, 8, 4},    // left run middle 4 (3 away) is nearer than the right one, 12
      {1, 8, 8, 12},   // 4 away on both sides: the right one
      {1, 8, 2, 8},    // nothing within 6 .. 10
      {1, 10, 2, 12},  // the right run clipped to the search window: 12 .. 12
      {1, 19, 8, 12},  // the right end of the line: the run 12..13 on the left
      {2, 2, 4, 2},    // the run at column 0 would put the point off the usable line
  };
  for (const Case& c : cases) {
    EXPECT_EQ(snapToOutline(lines, c.line, c.position, c.radius), c.expected)
        << c.line << " " << c.position << " r" << c.radius;
  }
}

TEST(OutlineSnap, ColumnsAreWalkedFromTheTopAsOnTheWindow) {
  Fixture f(3, 20);
  // Window rows 3..5 from the top are canvas rows 16..14.
  for (int top : {3, 4, 5}) f.outline(1, 19 - top);
  const OutlineLines lines = f.lines(kCutByColumns);
  EXPECT_EQ(lines.positionOf(CanvasCell{1, 16}), 3);
  EXPECT_EQ(snapToOutline(lines, 1, 8, 8), 4);
  EXPECT_EQ(lines.cellAt(1, 4).row, 15);
}

// ---- trace ----

// A fine curve, one pixel per row, like an outline drawn over a photograph.
int curveX(int row) {
  return 20 + static_cast<int>(std::lround(7.0 * std::sin(row / 6.0)));
}

TEST(OutlineTrace, FollowsADrawnCurveOneCellPerLineInBothModes) {
  for (int mode : {kCutByRows, kCutByColumns}) {
    Fixture f(60, 60);
    Cells curve;
    for (int line = 5; line <= 55; ++line) {
      const CanvasCell c =
          mode == kCutByRows ? CanvasCell{curveX(line), line} : CanvasCell{line, 59 - curveX(line)};
      f.outline(c.column, c.row);
      curve.insert({c.column, c.row});
    }
    f.outline(mode == kCutByRows ? curveX(30) + 4 : 30, mode == kCutByRows ? 30 : 55 - curveX(30));
    const CanvasCell p =
        mode == kCutByRows ? CanvasCell{curveX(5), 5} : CanvasCell{5, 59 - curveX(5)};
    const CanvasCell q =
        mode == kCutByRows ? CanvasCell{curveX(55), 55} : CanvasCell{55, 59 - curveX(55)};
    TraceList lists[2];
    const int chosen = traceSide(f.lines(mode), f.markView(), p, q, lists);
    ASSERT_NE(chosen, 0) << mode;
    EXPECT_EQ(lists[chosen - 1].jumps, 0) << mode;
    EXPECT_EQ(lists[chosen - 1].length, 51) << mode;
    EXPECT_EQ(f.marked(), curve) << mode;  // the stray pixel 4 away is not taken
  }
}

// A stem up to row 10 at column 20 that forks into two diagonal branches up to row 20.
Fixture forkedStroke() {
  Fixture f(40, 24);
  for (int row = 0; row <= 10; ++row) f.outline(20, row);
  for (int row = 11; row <= 20; ++row) {
    f.outline(20 - (row - 10), row);
    f.outline(20 + (row - 10), row);
  }
  return f;
}

TEST(OutlineTrace, TheTwoTracksTakeTheTwoBranchesOfAFork) {
  for (const int farEnd : {10, 30}) {
    Fixture f = forkedStroke();
    TraceList lists[2];
    const int chosen = traceSide(f.lines(kCutByRows), f.markView(), {20, 0}, {farEnd, 20}, lists);
    EXPECT_EQ(lists[0].column[20], 10);  // track 1 looks left first
    EXPECT_EQ(lists[1].column[20], 30);
    ASSERT_EQ(chosen, farEnd == 10 ? 1 : 2);
    // Neither list jumped: the one ending nearer the far vertex wins, the other is counted out.
    EXPECT_EQ(lists[chosen - 1].jumps, 0);
    EXPECT_EQ(lists[2 - chosen].jumps, 1);
    const Cells marked = f.marked();
    EXPECT_EQ(marked.size(), 21u);
    EXPECT_TRUE(marked.count({farEnd == 10 ? 15 : 25, 15}));
  }
}

TEST(OutlineTrace, AJumpOfOneTrackCopiesTheOtherList) {
  Fixture f = forkedStroke();
  // The left branch stops at row 15 (column 15); at row 16 the nearest outline for track 1 is the
  // right branch, 11 columns away: a jump.
  for (int row = 16; row <= 20; ++row) {
    for (auto& p : f.planes) p[static_cast<size_t>(row) * f.w + 20 - (row - 10)] = 99;
  }
  TraceList lists[2];
  const int chosen = traceSide(f.lines(kCutByRows), f.markView(), {20, 0}, {30, 20}, lists);
  ASSERT_EQ(lists[0].length, lists[1].length);
  for (int i = 0; i < lists[0].length; ++i) EXPECT_EQ(lists[0].column[i], lists[1].column[i]) << i;
  EXPECT_EQ(chosen, 2);  // equal lists: list 2
  EXPECT_EQ(lists[0].jumps, 1);
  EXPECT_EQ(lists[1].jumps, 0);
}

TEST(OutlineTrace, ABreakInTheStrokeIsAJumpOfBothTracks) {
  Fixture f(40, 24);
  for (int row = 0; row <= 10; ++row) f.outline(10, row);
  for (int row = 11; row <= 20; ++row) f.outline(20, row);  // 10 columns over
  TraceList lists[2];
  const int chosen = traceSide(f.lines(kCutByRows), f.markView(), {10, 0}, {20, 20}, lists);
  EXPECT_EQ(chosen, 2);  // one jump each: list 2, cleared of its count
  EXPECT_EQ(lists[0].jumps, 1);
  EXPECT_EQ(lists[1].jumps, 0);
  EXPECT_EQ(f.marked().size(), 21u);
}

TEST(OutlineTrace, AnEndOffTheOutlineDrawsTheSideStraight) {
  Fixture f(12, 12);
  for (int row = 0; row < 12; ++row) f.outline(2, row);
  TraceList lists[2];
  lists[0].length = 5;  // the lists of an earlier side stay
  EXPECT_EQ(traceSide(f.lines(kCutByRows), f.markView(), {2, 1}, {8, 7}, lists), 0);
  EXPECT_EQ(lists[0].length, 5);
  Fixture straight(12, 12);
  markStraightSide(straight.markView(), {2, 1}, {8, 7}, kCutByRows);
  EXPECT_EQ(f.marked(), straight.marked());
}

TEST(OutlineTrace, JumpCountsAndTheChoiceOfList) {
  TraceList list;
  const int columns[] = {5, 5, 14, 6, 18, 18};
  for (int c : columns) {
    list.column[list.length] = c;
    list.row[list.length] = 3 * list.length;  // rows step by 3: never a jump in rows
    ++list.length;
  }
  EXPECT_EQ(countTraceJumps(list, kCutByRows), 2);  // 9 and 12; a step of 8 is no jump
  EXPECT_EQ(countTraceJumps(list, kCutByColumns), 0);

  struct Case {
    int jumps1, jumps2, distance1, distance2;
    int chosen, after1, after2;
  };
  const Case cases[] = {
      {0, 3, 9, 0, 1, 0, 3},  // only list 1 without jumps
      {2, 0, 0, 9, 2, 2, 0},  // only list 2 without jumps
      {0, 0, 1, 2, 1, 0, 1},  // both clean: the nearer one; the other counted out
      {0, 0, 2, 2, 2, 1, 0},  // a tie: list 2
      {1, 2, 9, 0, 1, 0, 2},  // both jumped: the fewer, set clean
      {2, 2, 0, 9, 2, 2, 0},  // a tie: list 2
  };
  for (const Case& c : cases) {
    int32_t j1 = c.jumps1, j2 = c.jumps2;
    EXPECT_EQ(chooseTraceList(j1, j2, c.distance1, c.distance2), c.chosen)
        << c.jumps1 << c.jumps2 << c.distance1 << c.distance2;
    EXPECT_EQ(j1, c.after1);
    EXPECT_EQ(j2, c.after2);
  }
}

// ---- fill ----

// The vertices of a T: a stem of rows 10..20 over columns 20..30 under a bar of rows 20..30 over
// columns 10..40 (canvas cells, rows bottom-up).
const std::vector<CanvasCell> kTee = {{20, 10}, {30, 10}, {30, 20}, {40, 20},
                                      {40, 30}, {10, 30}, {10, 20}, {20, 20}};

Cells teeCells(bool transposed) {
  Cells cells;
  for (int r = 10; r <= 30; ++r) {
    const int from = r <= 20 ? 20 : 10, to = r <= 20 ? 30 : 40;
    for (int c = r == 20 ? 10 : from; c <= (r == 20 ? 40 : to); ++c) {
      cells.insert(transposed ? std::pair{r, c} : std::pair{c, r});
    }
  }
  return cells;
}

// The fast form with and without its vector steps, and the plain loops.
using Fill = void (*)(const PixelView&, const MarkView&, int, int);
const Fill kFills[] = {
    [](const PixelView& c, const MarkView& m, int mode, int e) { evenOddFill(c, m, mode, e); },
    [](const PixelView& c, const MarkView& m, int mode, int e) {
      evenOddFill(c, m, mode, e, EvenOddFillTuning{.vectors = false});
    },
    evenOddFillReference};

TEST(EvenOddFill, ALevelSideInRowModeAndAnUprightOneInColumnModeLeaveNoGap) {
  for (const Fill evenOddFill : kFills) {
    for (const bool transposed : {false, true}) {
      Fixture f(50, 50);
      const int mode = transposed ? kCutByColumns : kCutByRows;
      for (size_t i = 0; i < kTee.size(); ++i) {
        CanvasCell a = kTee[i], b = kTee[(i + 1) % kTee.size()];
        if (transposed) std::swap(a.column, a.row), std::swap(b.column, b.row);
        markStraightSide(f.markView(), a, b, mode);
      }
      evenOddFill(f.pixels(), f.markView(), mode, 255);
      // Without the sandwich pass the inner edge of the bar (row or column 20, 21 .. 29) stays
      // open.
      EXPECT_EQ(f.filledCells(255), teeCells(transposed)) << mode;
    }
  }
}

TEST(EvenOddFill, PairsEveryMarkedCellOfALineAndLeavesAnOddLastOne) {
  for (const Fill evenOddFill : kFills) {
    Fixture f(130, 5);
    for (int c : {2, 5, 9}) f.mark(c, 1);
    for (int k = 0; k < 40; ++k) f.mark(3 * k, 3);  // 40 cells: 20 pairs
    evenOddFill(f.pixels(), f.markView(), kCutByRows, 192);
    for (int c = 0; c < 12; ++c) EXPECT_EQ(f.filled(c, 1, 192), c >= 2 && c <= 5) << c;
    for (int c = 0; c < 120; ++c) EXPECT_EQ(f.filled(c, 3, 192), c % 6 <= 3) << c;
    EXPECT_TRUE(f.filled(117, 3, 192));  // the last pair, cells 39 and 40
  }
}

TEST(EvenOddFill, TheSandwichPassFillsAnyPixelBetweenTwoOfTheFillColour) {
  for (const Fill evenOddFill : kFills) {
    for (int mode : {kCutByRows, kCutByColumns}) {
      Fixture f(7, 3);
      auto paint = [&](int c, int r, uint8_t v) {
        uint8_t* px = f.pixels().at(c, r);
        px[0] = px[1] = px[2] = v;
      };
      if (mode == kCutByRows) {
        paint(3, 0, 255), paint(3, 2, 255);
        paint(5, 0, 255), paint(5, 2, 254);  // not exactly the fill colour
      } else {
        paint(2, 1, 255), paint(4, 1, 255);
      }
      evenOddFill(f.pixels(), f.markView(), mode, 255);
      EXPECT_TRUE(f.filled(3, 1, 255)) << mode;
      EXPECT_FALSE(f.filled(5, 1, 255)) << mode;
      EXPECT_EQ(f.filledCells(255).size(), mode == kCutByRows ? 4u : 3u) << mode;
    }
  }
}

// The photograph with a third of its pixels in the fill colour at random (so that the sandwich
// pass meets every pattern of neighbours, chains of them included), under a large 48-gon and
// scattered marks, in both cut modes; a width that is no multiple of 64.
TEST(EvenOddFill, FastFormEqualsThePlainLoopsOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  for (const int e : {255, 192}) {
    for (const int mode : {kCutByRows, kCutByColumns}) {
      Fixture f(photo.width - 3, photo.height);
      uint32_t seed = 12345u + e + mode;
      for (int r = 0; r < f.h; ++r) {
        for (int c = 0; c < f.w; ++c) {
          uint8_t* px = f.pixels().at(c, r);
          const Rgb p = photo.at(c, r);
          seed = seed * 1664525u + 1013904223u;
          const bool fill = (seed >> 24) % 3 == 0;
          px[0] = fill ? e : p.b, px[1] = fill ? e : p.g, px[2] = fill ? e : p.r;
          if ((seed >> 8) % 211 == 0) f.mark(c, r);
        }
      }
      for (int k = 0; k < 48; ++k) {
        const auto corner = [&](int i) {
          const double a = 2 * M_PI * i / 48;
          return CanvasCell{f.w / 2 + static_cast<int>(200 * std::cos(a)),
                            f.h / 2 + static_cast<int>(200 * std::sin(a))};
        };
        markStraightSide(f.markView(), corner(k), corner(k + 1), mode);
      }
      const std::vector<uint8_t> before = f.canvas;
      evenOddFillReference(f.pixels(), f.markView(), mode, e);
      const std::vector<uint8_t> plain = f.canvas;
      for (const Fill fill : {kFills[0], kFills[1]}) {
        f.canvas = before;
        fill(f.pixels(), f.markView(), mode, e);
        EXPECT_TRUE(f.canvas == plain) << "mode " << mode << " fill " << e;
      }
    }
  }
}

// ---- shot, pattern save, markers ----

TEST(ShotPattern, TheZonePartTakesTheZoneColourAndThePatternPartKeepsThePicture) {
  Fixture f(3, 2);
  f.marks = {0, 1, 0, 1, 1, 0};
  shotPattern(f.planeView(), f.markView(), 200);
  for (int i = 0; i < 6; ++i) {
    for (int k = 0; k < 3; ++k) EXPECT_EQ(f.planes[k][i], f.marks[i] ? 60 + 30 * k : 200) << i;
  }
}

// The photograph's planes (with cells outside a byte, as the planes may hold between steps) and
// marks of every density, from none to all, with negative ones; widths that leave a tail.
struct PhotoMarks {
  Fixture f;
  explicit PhotoMarks(int width) : f(width, 97) {
    const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
    uint32_t seed = 777u + static_cast<uint32_t>(width);
    for (int r = 0; r < f.h; ++r) {
      // Bands of rows: no marks, one in 500, one in 8, half, all but a few, all.
      const int band = r * 6 / f.h;
      static constexpr uint32_t kOneIn[6] = {0, 500, 8, 2, 1, 1};
      for (int c = 0; c < f.w; ++c) {
        const size_t i = static_cast<size_t>(r) * f.w + c;
        const Rgb p = photo.at(c % photo.width, r % photo.height);
        f.planes[0][i] = p.b, f.planes[1][i] = p.g, f.planes[2][i] = p.r;
        f.canvas[3 * i] = p.b, f.canvas[3 * i + 1] = p.g, f.canvas[3 * i + 2] = p.r;
        seed = seed * 1664525u + 1013904223u;
        if (seed % 37 == 0) f.planes[seed % 3][i] = static_cast<int32_t>(seed | 0x100u);
        const bool marked = band == 5 || (kOneIn[band] != 0 && (seed >> 8) % kOneIn[band] == 0 &&
                                          !(band == 4 && (seed >> 4) % 97 == 0));
        f.marks[i] = !marked ? 0 : (seed >> 3) % 2 ? 1 : -static_cast<int32_t>(seed >> 12);
      }
    }
  }
};

TEST(ShotPattern, FastFormEqualsThePlainLoopOnAPhotograph) {
  for (const int width : {768, 35, 16, 7}) {
    for (const int zone : {0, 200, 255}) {
      PhotoMarks plain(width);
      shotPatternReference(plain.f.planeView(), plain.f.markView(), zone);
      for (const bool vectors : {true, false}) {
        PhotoMarks fast(width);
        shotPattern(fast.f.planeView(), fast.f.markView(), zone, ShotPatternTuning{vectors});
        for (int k = 0; k < 3; ++k) {
          EXPECT_TRUE(fast.f.planes[k] == plain.f.planes[k])
              << "width " << width << " zone " << zone << " plane " << k << " " << vectors;
        }
      }
    }
  }
}

TEST(PolygonMarks, MarkedCellsFastFormEqualsThePlainLoopOnAPhotograph) {
  for (const int width : {768, 35, 16, 7}) {
    PhotoMarks plain(width);
    drawMarkedCellsReference(plain.f.pixels(), plain.f.markView(), kTraceCyan);
    for (const bool vectors : {true, false}) {
      PhotoMarks fast(width);
      drawMarkedCells(fast.f.pixels(), fast.f.markView(), kTraceCyan, MarkedCellsTuning{vectors});
      EXPECT_TRUE(fast.f.canvas == plain.f.canvas) << "width " << width << " " << vectors;
    }
  }
}

TEST(PatternSaveLevels, ZonePartWhitePatternPart127) {
  std::vector<int32_t> marks = {0, 1, 2};
  std::vector<uint8_t> out(9, 7);
  patternSaveLevels(MarkView{marks.data(), 3, 1}, PixelView{out.data(), 3, 1});
  EXPECT_EQ(out, (std::vector<uint8_t>{255, 255, 255, 127, 127, 127, 0, 0, 0}));
}

TEST(PolygonMarks, VertexMarkerArmsAreClippedToTheCanvas) {
  Fixture f(20, 20);
  drawVertexMarker(f.pixels(), {1, 18}, kOnOutlineGreen);
  Cells green;
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 20; ++c)
      if (f.pixels().at(c, r)[1] == 255) green.insert({c, r});
  Cells expected;
  for (int c = 0; c <= 8; ++c) expected.insert({c, 18});   // left arm cut at column 0
  for (int r = 11; r <= 19; ++r) expected.insert({1, r});  // 7 down, 8 up cut at the top row
  EXPECT_EQ(green, expected);
}

}  // namespace
}  // namespace zc
