// The Outline page driven by replay scripts: outlines, local contrast and the brush reach the keep
// slot and the planes exactly as the kernels compute them, on an unscrolled and a scrolled view.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/outline_pattern/brush_dab.h"
#include "pages/outline_pattern/fine_outline_reference.h"
#include "pages/outline_pattern/local_contrast.h"
#include "test_support.h"
#include "text/comments.h"
#include "text/outline_texts.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;
using namespace test::outline_keys;

constexpr int kW = 1440, kH = 960;  // the start canvas
// Three steps down and three to the right: pixel shifts of trunc(320 * 30 / 201) = 47 rows and
// trunc(480 * 30 / 307) = 46 columns.
const std::string kScroll =
    "click 1070 660\nclick 1070 660\nclick 1070 660\n"
    "click 1050 680\nclick 1050 680\nclick 1050 680\n";

// The planes and the canvas a picture gives: at the canvas's top-left corner, white elsewhere.
struct Expected {
  std::vector<int32_t> cells = std::vector<int32_t>(static_cast<size_t>(kW) * kH * 3, 255);
  std::vector<uint8_t> bytes = std::vector<uint8_t>(static_cast<size_t>(kW) * kH * 3, 255);
  explicit Expected(const Picture& picture) {
    const PlaneView p = planes();
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const Rgb c = picture.at(x, y);
        const long i = p.index(x, kH - 1 - y);
        p.plane[0][i] = c.b;
        p.plane[1][i] = c.g;
        p.plane[2][i] = c.r;
      }
    }
    show();
  }
  PlaneView planes() {
    const size_t n = static_cast<size_t>(kW) * kH;
    return PlaneView{{cells.data(), cells.data() + n, cells.data() + 2 * n}, kW, kH};
  }
  PixelView canvas() { return PixelView{bytes.data(), kW, kH}; }
  void show() { copyPlanesToPixels(planes(), canvas()); }
};

// The pixel bytes of a file in the program's own layout at the start canvas size.
std::vector<uint8_t> ownFilePixels(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (data.size() < 54) return {};
  return std::vector<uint8_t>(data.begin() + 54, data.end());
}

long differingBytes(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (a.size() != b.size()) return -1;
  long n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

long markedCells() {
  const int32_t* marks = workMarks().cells;
  return std::count_if(marks, marks + kPlaneCells, [](int32_t m) { return m != 0; });
}

Picture photograph() {
  return test::readBmp(test::testdata("photos/kodim23.bmp"));
}

// The photograph tiled over the whole start canvas, so that the view scrolls.
Picture tiledPhotograph() {
  return test::tiledPicture(photograph(), kW, kH);
}

// Each flow runs on the photograph as it is (768 x 512: no scrolling) and on the tiled
// photograph scrolled by the arrows.
struct View {
  const char* name;
  bool scrolled;
};
const View kViews[] = {{"unscrolled", false}, {"scrolled", true}};

class OutlineFlow : public testing::TestWithParam<View> {
 protected:
  test::WorkFolder folder_;
  Picture picture_;
  std::string start_;
  void SetUp() override {
    picture_ = GetParam().scrolled ? tiledPhotograph() : photograph();
    test::writeBmp("photo.bmp", picture_);
    start_ = "open photo.bmp\n" + kEnter + (GetParam().scrolled ? kScroll : "");
  }
  void expectShifts() {
    if (GetParam().scrolled) {
      EXPECT_EQ(ws().scrollX.pixelShift, 46);
      EXPECT_EQ(ws().scrollY.pixelShift, 47);
    } else {
      EXPECT_EQ(ws().scrollX.pixelShift, 0);
    }
  }
};

TEST_P(OutlineFlow, FineOutlineThenSetKeep5KeepsExactlyTheOutlinedPicture) {
  const auto r = replay(start_ + kFine + kSetKeep5);
  ASSERT_EQ(r.status, 0) << r.err;
  expectShifts();
  Expected e(picture_);
  fineOutlineReference(e.planes(), e.canvas(), 8, 2, Rgb{0, 0, 0});
  EXPECT_EQ(differingBytes(ownFilePixels("KEEP5.bmp"), e.bytes), 0);
  EXPECT_NE(differingBytes(ownFilePixels("KEEP0.bmp"), e.bytes), 0);  // outlines were drawn
}

// The right click commits one application at the point; the keep paint shows one more on top
// and keeps it.
TEST_P(OutlineFlow, ContrastPointRightClickThenSetKeep5) {
  const auto r =
      replay(start_ + kContrast + "click 400 300\nrclick 400 300\nplanes fixed.bmp\n" + kSetKeep5);
  ASSERT_EQ(r.status, 0) << r.err;
  expectShifts();
  const CanvasCell point = canvasCellAt(400, 300);
  EXPECT_EQ(point.column, 300 + ws().scrollX.pixelShift);
  EXPECT_EQ(point.row, kH - 268 - ws().scrollY.pixelShift);
  Expected e(picture_);
  localContrast(e.planes(), e.canvas(), point.column, point.row, true);
  e.show();
  EXPECT_EQ(differingBytes(ownFilePixels("fixed.bmp"), e.bytes), 0);
  localContrast(e.planes(), e.canvas(), point.column, point.row, true);
  e.show();
  EXPECT_EQ(differingBytes(ownFilePixels("KEEP5.bmp"), e.bytes), 0);
}

// A fat stroke dragged over the picture and fixed by a right click: the lines are in the planes
// in the outline colour and the mark plane is empty again.
TEST_P(OutlineFlow, BrushStrokeAndRightClickPutTheLinesIntoThePlanes) {
  const auto r =
      replay(start_ + kBrushFat + "drag 300 300 500 400\nrclick 500 400\nplanes lines.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  expectShifts();
  EXPECT_EQ(markedCells(), 0);
  // The dabs of the drag: the press and every reported position (25 steps of at most 8).
  std::vector<int32_t> marks(static_cast<size_t>(kW) * kH, 0);
  for (int i = 0; i <= 25; ++i) {
    const CanvasCell c = canvasCellAt(300 + 200 * i / 25, 300 + 100 * i / 25);
    stampBrushDisc(MarkView{marks.data(), kW, kH}, c.column, c.row, brushDisc(6, 100));
  }
  Expected e(picture_);
  const PlaneView p = e.planes();
  for (size_t i = 0; i < marks.size(); ++i) {
    if (marks[i]) p.plane[0][i] = p.plane[1][i] = p.plane[2][i] = 0;
  }
  e.show();
  EXPECT_EQ(differingBytes(ownFilePixels("lines.bmp"), e.bytes), 0);
}

INSTANTIATE_TEST_SUITE_P(Views, OutlineFlow, testing::ValuesIn(kViews),
                         [](const auto& info) { return std::string(info.param.name); });

class OutlinePage : public testing::Test {
 protected:
  test::WorkFolder folder_;
  void SetUp() override {
    test::writeBmp("grey.bmp", test::solidPicture(600, 400, Rgb{100, 100, 100}));
  }
  static int32_t plannedGrey(int x, int y) {  // the red plane under window point (x, y)
    const CanvasCell c = canvasCellAt(x, y);
    return plane(2)[static_cast<long>(c.row) * kW + c.column];
  }
};

// Each right click at the same point fixes one more application: 100 + 24, then + 24 again
// (the point's grey is the window's largest, never below the reference).
TEST_F(OutlinePage, EveryRightClickCommitsTheContrastOnceMore) {
  for (const auto& [clicks, expected] : {std::pair{1, 124}, std::pair{2, 148}}) {
    std::string script = "open grey.bmp\n" + kEnter + kContrast + "click 400 300\n";
    for (int i = 0; i < clicks; ++i) script += "rclick 400 300\n";
    const auto r = replay(script);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(plannedGrey(400, 300), expected) << clicks;
  }
}

// Without a point the contrast shows nothing and a right click fixes nothing.
TEST_F(OutlinePage, RightClickWithoutAContrastPointChangesNothing) {
  test::writeBmp("full.bmp", test::solidPicture(kW, kH, Rgb{100, 100, 100}));
  const auto r = replay("open full.bmp\n" + kEnter + kContrast + "rclick 400 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(plannedGrey(400, 300), 100);
  EXPECT_EQ(plane(2)[0], 100);  // column 0 stands for no point, not for the corner
}

// "／" cycles the outline colour; the button and the outlines show it at the next paint.
TEST_F(OutlinePage, SixColourClicksReturnToTheStartColour) {
  Picture halves = test::solidPicture(200, 100, Rgb{100, 100, 100});
  for (int y = 0; y < 100; ++y)
    for (int x = 100; x < 200; ++x)
      halves.pixels[static_cast<size_t>(y) * 200 + x] = {200, 200, 200};
  test::writeBmp("halves.bmp", halves);
  const auto r = replay("open halves.bmp\n" + kEnter + kFine +
                        "pixel 199 60\ntexts on\nclick 80 435\ntexts off\npixel 199 60\n"
                        "click 80 435\nclick 80 435\nclick 80 435\nclick 80 435\n"
                        "texts on\nclick 80 435\npixel 200 60\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 199 60 0,0,0"));
  EXPECT_TRUE(r.has("text 74 425 255,255,255 \"／\""));
  EXPECT_TRUE(r.has("pixel 199 60 255,255,255"));
  EXPECT_TRUE(r.has("text 74 425 0,0,0 \"／\""));
  EXPECT_TRUE(r.has("pixel 200 60 0,0,0"));
  EXPECT_EQ(ws().outlineColorIndex, 0);
}

// The colour condition starts as grey and the outline follows the page that set it last: the
// Zindle Eye page sets three colours, under which a red-only edge gets no outline.
TEST_F(OutlinePage, OutlineFollowsTheSharedColourCondition) {
  resetWorkspace();
  EXPECT_EQ(ws().colorCondition, 2);
  Picture redStep = test::solidPicture(200, 100, Rgb{100, 50, 50});
  for (int y = 0; y < 100; ++y)
    for (int x = 100; x < 200; ++x)
      redStep.pixels[static_cast<size_t>(y) * 200 + x] = {200, 50, 50};
  test::writeBmp("red.bmp", redStep);
  const auto r = replay("open red.bmp\n" + kEnter + kFine + "pixel 199 60\n" + "click 400 10\n" +
                        kEnter + kFine + "pixel 199 60\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 199 60 0,0,0"));
  EXPECT_TRUE(r.has("pixel 199 60 100,50,50"));
  EXPECT_EQ(ws().colorCondition, 1);
}

// The press of a fat brush marks a disc of 113 cells and inverts it on the window at once,
// before any paint.
TEST_F(OutlinePage, BrushPressMarksTheDiscAndShowsItInvertedAtOnce) {
  const auto r = replay("open grey.bmp\n" + kEnter + kBrushFat + "ldown 500 300\npixel 500 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(markedCells(), 113);
  EXPECT_TRUE(r.has("pixel 500 300 155,155,155"));
  EXPECT_EQ(r.count("paint "), 3);  // the image, the tab, "fat": none for the press
}

// The release measures its distance to the previous one (the area's corner at first): 30 gives
// 80, 50 and more give 40. A click in the panel column measures the next from the corner again.
TEST_F(OutlinePage, ReleaseDistanceSetsTheBrushScale) {
  struct Case {
    const char* strokes;
    int scale;
  };
  const Case cases[] = {
      {"drag 300 300 118 56\n", 80},                        // (18, 24) from (0, 0)
      {"drag 300 300 118 56\ndrag 300 300 168 96\n", 40},   // (50, 40) from (18, 24): 64
      {"drag 300 300 118 56\ndrag 300 300 128 66\n", 100},  // (10, 10) from (18, 24): 14
      {"drag 300 300 518 356\ndrag 300 300 118 56\n", 40},  // 500 from (418, 324)
      {"drag 300 300 518 356\nclick 50 604\ndrag 300 300 118 56\n", 80},
  };
  for (const Case& c : cases) {
    const auto r = replay("open grey.bmp\n" + kEnter + kBrushFat + c.strokes);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ws().outline.brushScale, c.scale) << c.strokes;
  }
  // The scale holds from the next dab on: a press after the 80 stroke marks radius 5.
  const auto r = replay("open grey.bmp\n" + kEnter + kBrushFat +
                        "drag 300 300 118 56\nclick 70 360\nclick 20 360\nldown 700 500\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(markedCells(), 89);
}

// A release outside the image area keeps the stroke going: moves back inside stamp dabs with no
// button held, until a release inside the area, or a click in the panel column, ends it.
TEST_F(OutlinePage, StrokeGoesOnAfterAReleaseOutsideTheImageArea) {
  const auto r = replay("open grey.bmp\n" + kEnter + kBrushFat +
                        "ldown 300 300\nmove 320 300\nlup 50 650\n"
                        "move 600 300\nmove 620 300\nlup 620 300\n"
                        "move 800 300\nmove 820 300\n"
                        "ldown 300 500\nlup 1070 500\nclick 50 604\n"
                        "move 700 500\nmove 720 500\n");
  ASSERT_EQ(r.status, 0) << r.err;
  auto marked = [](int x, int y) {
    const CanvasCell c = canvasCellAt(x, y);
    return workMarks().cells[static_cast<long>(c.row) * kW + c.column] == 1;
  };
  EXPECT_TRUE(marked(320, 300));
  EXPECT_TRUE(marked(600, 300));
  EXPECT_TRUE(marked(620, 300));
  EXPECT_FALSE(marked(800, 300));
  EXPECT_TRUE(marked(300, 500));
  EXPECT_FALSE(marked(700, 500));
  EXPECT_EQ(ws().brushDragActive, 0);
}

// Once fixed, a stroke leaves no mark: neither a colour change nor a further right click adds
// the dab of its end again, and scrolling the view moves no dab either.
TEST_F(OutlinePage, FixedStrokeLeavesNoMarkBehind) {
  const auto r = replay("open grey.bmp\n" + kEnter + kBrushFat +
                        "drag 300 300 400 300\nrclick 400 300\nplanes first.bmp\n"
                        "click 80 435\nrclick 400 300\nplanes second.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(markedCells(), 0);
  EXPECT_EQ(plannedGrey(350, 300), 0);
  EXPECT_EQ(differingBytes(ownFilePixels("first.bmp"), ownFilePixels("second.bmp")), 0);

  test::writeBmp("tiled.bmp", tiledPhotograph());
  const auto scrolled =
      replay("open tiled.bmp\n" + kEnter + kBrushFat + "drag 300 300 400 300\nclick 1070 660\n");
  ASSERT_EQ(scrolled.status, 0) << scrolled.err;
  EXPECT_EQ(ws().scrollY.pixelShift, 15);  // trunc((960 - 640) * 10 / 201)
  std::vector<int32_t> marks(static_cast<size_t>(kW) * kH, 0);
  for (int i = 0; i <= 13; ++i) {  // the press and 13 steps, all before the scroll
    stampBrushDisc(MarkView{marks.data(), kW, kH}, 200 + 100 * i / 13, kH - 268, brushDisc(6, 100));
  }
  EXPECT_EQ(markedCells(), std::count(marks.begin(), marks.end(), 1));
}

// Choosing outline drawing erases the brush lines not yet fixed; the brush shows none again.
TEST_F(OutlinePage, FineOutlineErasesUncommittedBrushLines) {
  const auto r =
      replay("open grey.bmp\n" + kEnter + kBrushFat + "drag 300 300 400 300\npixel 350 300\n" +
             kFine + "click 20 310\n" + "pixel 350 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 350 300 0,0,0"));
  EXPECT_TRUE(r.has("pixel 350 300 100,100,100"));
  EXPECT_EQ(markedCells(), 0);
  EXPECT_EQ(plannedGrey(350, 300), 100);
}

// The greyed items and the explanation rows show only their topic; the key pad its comment.
TEST_F(OutlinePage, GreyedItemsOnlyShowTheirTopic) {
  struct Case {
    int x, y;
    const CommentText* comment;
  };
  const Case cases[] = {
      {70, 190, topicComment(5, kOutlineDrawingTopic)},    // middle
      {20, 218, topicComment(5, kOutlineDrawingTopic)},    // fat
      {20, 245, topicComment(5, kOutlineJudgeTopic)},      // judge value
      {90, 270, topicComment(5, kOutlineJudgeTopic)},      // its diamond switch
      {20, 335, topicComment(5, kOutlineBrushTopic)},      // brush fine
      {70, 335, topicComment(5, kOutlineBrushTopic)},      // brush middle
      {20, 400, topicComment(5, kOutlineBrushTopic)},      // the brush's explanation rows
      {20, 130, topicComment(5, kOutlineContrastTopic)},   // the contrast's explanation rows
      {20, 500, topicComment(5, kOutlineSetColourTopic)},  // a set colour belt
      {20, 560, topicComment(5, kOutlineKeepTopic)},       // 5)Save
      {50, 650, &calculatorComment()},                     // a key of the pad
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.comment, nullptr);
    const auto r = replay("open grey.bmp\n" + kEnter + "texts on\nclick " + std::to_string(c.x) +
                          " " + std::to_string(c.y) + "\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(std::string("\"") + c.comment->japanese[0] + "\""), std::string::npos)
        << c.x << ' ' << c.y;
    const OutlinePageState& o = ws().outline;
    EXPECT_EQ(o.outlineWidth + o.outlineMode + o.brushWidth + o.brushMode + o.contrastMode, 0);
    EXPECT_EQ(o.judgeValue, 8);
    EXPECT_EQ(ws().keepRequest, 0);
  }
}

// The dark mark goes back to the entry image with the view unscrolled; the light mark only ends
// the modes. "Get Image" calls a new picture into slot 5.
TEST_F(OutlinePage, ResetMarksAndGetImage) {
  test::writeBmp("tiled.bmp", tiledPhotograph());
  const auto dark = replay("open tiled.bmp\n" + kEnter + kScroll + kContrast +
                           "click 400 300\nrclick 400 300\nclick 20 40\nplanes back.bmp\n");
  ASSERT_EQ(dark.status, 0) << dark.err;
  EXPECT_EQ(ws().scrollX.position, 0);
  EXPECT_EQ(ws().scrollY.pixelShift, 0);
  EXPECT_EQ(ws().outline.contrastMode, 0);
  EXPECT_EQ(differingBytes(ownFilePixels("back.bmp"), ownFilePixels("KEEP0.bmp")), 0);

  const auto light = replay("open grey.bmp\n" + kEnter + kBrushFat + "click 70 40\n");
  ASSERT_EQ(light.status, 0) << light.err;
  EXPECT_EQ(ws().outline.brushMode + ws().outline.brushWidth, 0);

  test::writeBmp("other.bmp", test::solidPicture(300, 200, Rgb{10, 200, 30}));
  const auto call =
      replay("open grey.bmp\n" + kEnter + kContrast + "open other.bmp\n" + "click 20 75\n");
  ASSERT_EQ(call.status, 0) << call.err;
  EXPECT_EQ(call.count("dialog open"), 2);
  EXPECT_EQ(test::keptPixel("KEEP5.bmp", 5, 5), (Rgb{10, 200, 30}));
  EXPECT_EQ(ws().outline.contrastMode, 0);
  EXPECT_EQ(plane(1)[static_cast<long>(kH - 1) * kW], 200);
}

TEST(OutlineTexts, EveryLabelHasBothTexts) {
  for (int i = 0; i < static_cast<int>(OutlineLabel::Count); ++i) {
    const LabelText& l = label(static_cast<OutlineLabel>(i));
    EXPECT_GT(std::string(l.japanese).size(), 0u) << i;
    EXPECT_GT(std::string(l.english).size(), 0u) << i;
  }
  for (int topic : {1, 3, 4, 5, 6, 7, 8, 9}) EXPECT_NE(topicComment(5, topic), nullptr) << topic;
}

}  // namespace
}  // namespace zc
