// The Transfer page driven by replay scripts: polygons cut on the image, the gray flag, the
// pattern, its save, the real image and the shot, on a flat picture and on a photograph with
// outlines drawn over it, unscrolled and scrolled.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "test_support.h"
#include "text/comments.h"

namespace zc {
namespace {

using test::click;
using test::onCanvas;
using test::Picture;
using test::replay;
using test::solidPicture;
using test::WorkFolder;
using test::writeBmp;
using namespace test::transfer_keys;

constexpr int kW = 1440, kH = 960;  // the start canvas
constexpr Rgb kOrange{200, 100, 10};
constexpr Rgb kWhitePixel{255, 255, 255};
const Rgb kGray192{192, 192, 192};

Picture planesFile(const std::string& name) {
  return test::readOwnBmp(name, kW, kH);
}

class TransferPage : public testing::Test {
 protected:
  WorkFolder folder_;
  void SetUp() override { writeBmp("small.bmp", solidPicture(600, 400, kOrange)); }
};

// The rectangle of window points (200, 100) .. (400, 300): canvas columns 100 .. 300 and rows
// 68 .. 268 from the top.
const std::string kRectangle = kStart + click(200, 100) + click(400, 100) + click(400, 300) +
                               click(200, 300) + "rclick 300 200\n";
bool inRectangle(int x, int y) {
  return x >= 100 && x <= 300 && y >= 68 && y <= 268;
}

TEST_F(TransferPage, StartTwiceLeavesTheImageUnchanged) {
  const auto r =
      replay("open small.bmp\n" + kEnter + kStart + click(300, 200) + click(400, 220) +
             click(350, 350) + "pixel 350 350\n" + kStart + "pixel 350 350\nplanes after.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 350 350 255,0,0"));  // the last vertex, drawn red
  EXPECT_TRUE(r.has("pixel 350 350 200,100,10"));
  EXPECT_EQ(planesFile("after.bmp").pixels, onCanvas(solidPicture(600, 400, kOrange)).pixels);
  EXPECT_EQ(ws().transfer.polygonStarted, 0);
  EXPECT_FALSE(std::filesystem::exists("0000iso.bmp"));
}

TEST_F(TransferPage, DeletePaintsWhiteAndTheGrayFlagPaints192AndBothWriteTheIsoFile) {
  struct Case {
    std::string cutMode, fillKey;
    Rgb fill;
  };
  const Case cases[] = {{kLevelLineFlag, kDelete, kWhitePixel},
                        {kLevelLineFlag, kGrayFlag, kGray192},
                        {kVerticalLineFlag, kDelete, kWhitePixel}};
  for (const Case& c : cases) {
    const auto r =
        replay("open small.bmp\n" + kEnter + c.cutMode + kRectangle + c.fillKey + "planes p.bmp\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const Picture planes = planesFile("p.bmp");
    for (int y = 0; y < 400; y += 3)
      for (int x = 0; x < 600; x += 3)
        ASSERT_EQ(planes.at(x, y), inRectangle(x, y) ? c.fill : kOrange) << x << " " << y;
    EXPECT_EQ(planesFile("0000iso.bmp").pixels, planes.pixels);
    EXPECT_EQ(ws().transfer.polygonStarted, 0);
    EXPECT_EQ(ws().transfer.vertexCount, -1);
  }
}

TEST_F(TransferPage, SwitchingTraceOffLeavesTheTracedSideAsItIs) {
  Picture picture = solidPicture(600, 400, kOrange);
  auto curve = [](int y) { return 300 + static_cast<int>(std::lround(10.0 * std::sin(y / 15.0))); };
  for (int y = 50; y <= 300; ++y) picture.pixels[static_cast<size_t>(y) * 600 + curve(y)] = Rgb{};
  writeBmp("curve.bmp", picture);
  const auto r = replay("open curve.bmp\n" + kEnter + kTrace + kStart + click(curve(60) + 100, 92) +
                        click(curve(280) + 100, 312) + kTrace + click(20, 315) + click(20, 315));
  ASSERT_EQ(r.status, 0) << r.err;
  for (int y = 60; y <= 280; ++y) {
    const int32_t* row = workMarks().cells + static_cast<size_t>(kH - 1 - y) * kW;
    int marked = 0;
    for (int x = 0; x < 600; ++x) marked += row[x];
    ASSERT_EQ(marked, 1) << y;
    ASSERT_EQ(row[curve(y)], 1) << y;
  }
}

TEST_F(TransferPage, ShotBeforeAnyPatternUsesTheMarksOfTheLastPolygon) {
  const auto r =
      replay("open small.bmp\n" + kEnter + kRectangle + kGrayFlag + kShot + "planes p.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const Picture planes = planesFile("p.bmp");
  EXPECT_EQ(planes.at(100, 150), kGray192);    // a boundary cell keeps the picture
  EXPECT_EQ(planes.at(300, 268), kGray192);    // a corner
  EXPECT_EQ(planes.at(150, 68), kWhitePixel);  // a level side gives only its end cells
  EXPECT_EQ(planes.at(200, 150), kWhitePixel);
  EXPECT_EQ(planes.at(50, 50), kWhitePixel);
}

TEST_F(TransferPage, StartingAPolygonAfterAPatternClearsTheMask) {
  const auto patterned = replay("open small.bmp\n" + kEnter + kPattern + kShot + "planes p.bmp\n");
  ASSERT_EQ(patterned.status, 0) << patterned.err;
  EXPECT_EQ(planesFile("p.bmp").at(200, 168), kGray192);  // the pattern part keeps its picture
  EXPECT_EQ(planesFile("p.bmp").at(10, 10), kGray192);

  const auto r = replay("open small.bmp\n" + kEnter + kPattern + kStart + click(300, 200) + kStart +
                        kShot + "planes p.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const Picture planes = planesFile("p.bmp");
  EXPECT_EQ(planes.at(200, 168), kGray192);  // only the vertex cell is marked
  EXPECT_EQ(planes.at(201, 168), kWhitePixel);
  EXPECT_EQ(planes.at(10, 10), kWhitePixel);
}

TEST_F(TransferPage, PatternSaveWrites127ForThePatternPart) {
  const auto r =
      replay("open small.bmp\nsave pattern.bmp\n" + kEnter + kSavePattern + "planes p.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("dialog save \"名前をつけて保存する\" -> pattern.bmp"));
  const Picture saved = planesFile("pattern.bmp");
  EXPECT_EQ(saved.at(10, 10), (Rgb{127, 127, 127}));
  EXPECT_EQ(saved.at(700, 10), kWhitePixel);
  EXPECT_EQ(planesFile("p.bmp").at(10, 10), kGray192);  // the planes hold the pattern itself

  const auto cancelled =
      replay("open small.bmp\ncancel\n" + kEnter + kSavePattern + "planes p.bmp\n");
  ASSERT_EQ(cancelled.status, 0) << cancelled.err;
  EXPECT_TRUE(cancelled.has("dialog save \"名前をつけて保存する\" -> cancel"));
  EXPECT_EQ(planesFile("p.bmp").at(10, 10), kGray192);
}

TEST_F(TransferPage, CallRealReplacesKeep7AndTheShotCutsItThroughThePattern) {
  const Rgb green{20, 180, 40};
  writeBmp("real.bmp", solidPicture(600, 400, green));
  const auto r = replay("open small.bmp\n" + kEnter + kRectangle + kDelete + kKeep7 +
                        "planes shadow.bmp\n" + kPattern + "open real.bmp\n" + kCallReal +
                        "planes called.bmp\n" + kShot + "planes transfer.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(planesFile("called.bmp").pixels, onCanvas(solidPicture(600, 400, green)).pixels);
  EXPECT_EQ(test::keptPixel("KEEP7.bmp", 200, 150), green);  // the kept shadow is gone
  const Picture transfer = planesFile("transfer.bmp");
  for (int y = 0; y < kH; y += 5)
    for (int x = 0; x < kW; x += 5)
      ASSERT_EQ(transfer.at(x, y), x < 600 && y < 400 && !inRectangle(x, y) ? green : kWhitePixel)
          << x << " " << y;
}

TEST_F(TransferPage, ThreeHundredClicksReplaceTheLastOfTheVertices) {
  std::string script = "open small.bmp\n" + kEnter + kStart;
  for (int k = 0; k < 300; ++k) script += click(150 + k, 100 + k % 200);
  const auto r = replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  const TransferPageState& t = ws().transfer;
  EXPECT_EQ(t.vertexCount, 256);
  EXPECT_EQ(t.vertex[255].column, 50 + 255);
  EXPECT_EQ(t.vertex[256].column, 50 + 299);  // the last click replaced vertex 256
}

TEST_F(TransferPage, ScrollBarsAndTheStripBelowAddNoVertexAndVerticesFollowTheScroll) {
  writeBmp("large.bmp", solidPicture(kW, kH, kOrange));
  std::string script = "open large.bmp\n" + kEnter + kStart + click(300, 200);
  for (int k = 0; k < 5; ++k) script += click(1050, 682);  // right arrow
  for (int k = 0; k < 3; ++k) script += click(1070, 662);  // down arrow
  script += click(500, 750) + click(1070, 20) + click(100, 200) + click(1059, 672);
  script += click(500, 400);
  const auto r = replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  const Workspace& w = ws();
  ASSERT_EQ(w.scrollX.pixelShift, 78);  // trunc((1440 - 960) * 50 / 307)
  ASSERT_EQ(w.scrollY.pixelShift, 47);  // trunc((960 - 640) * 30 / 201)
  EXPECT_EQ(w.transfer.vertexCount, 1);
  EXPECT_EQ(w.transfer.vertex[0].column, 200);
  EXPECT_EQ(w.transfer.vertex[0].row, kH - 1 - 168);
  EXPECT_EQ(w.transfer.vertex[1].column, 400 + 78);
  EXPECT_EQ(w.transfer.vertex[1].row, kH - 1 - (368 + 47));
}

// The comment line drawn at the top of the strip in each paint, "" where none is drawn.
std::vector<std::string> firstCommentLines(const test::ReplayResult& r) {
  std::vector<std::string> lines;
  std::istringstream in(r.out);
  std::string l;
  while (std::getline(in, l)) {
    if (l.rfind("paint ", 0) == 0) lines.emplace_back();
    const std::string prefix = "text 120 698 ";
    if (l.rfind(prefix, 0) == 0 && !lines.empty()) {
      const size_t quote = l.find('"');
      lines.back() = l.substr(quote + 1, l.size() - quote - 2);
    }
  }
  return lines;
}

TEST_F(TransferPage, ClickRangesIncludeTheirEdgesAndTopicNineHasTwoForms) {
  struct Case {
    int x, y, topic;  // 0: nothing is hit
  };
  const Case cases[] = {
      {5, 438, 12}, {97, 456, 12}, {98, 447, 0},  {4, 447, 0},   {5, 490, 21},  {47, 306, 8},
      {65, 324, 8}, {66, 315, 0},  {73, 306, 18}, {91, 324, 18}, {92, 315, 0},  {71, 397, 11},
      {72, 400, 0}, {79, 397, 11}, {5, 377, 0},   {5, 378, 10},  {97, 395, 10}, {73, 280, 7},
      {91, 298, 7}, {5, 272, 6},   {71, 298, 6},  {5, 88, 2},    {97, 158, 3},  {5, 186, 3},
      {5, 218, 5},  {3, 332, 9},   {3, 332, 0},
  };
  std::string script = "open small.bmp\n" + kEnter + "texts on\n";
  for (const Case& c : cases) script += click(c.x, c.y);
  script += kStart + kTrace;
  const auto r = replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = firstCommentLines(r);
  const size_t first = lines.size() - std::size(cases) - 2;  // the paints of the clicks
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const std::string expected = c.topic ? topicComment(7, c.topic)->japanese[0] : "";
    EXPECT_EQ(lines[first + i], expected) << c.x << " " << c.y;
  }
  // Trace switched on while a polygon is started: the trace start form.
  EXPECT_EQ(lines.back(), traceStartComment().japanese[0]);
}

// ---- a photograph with fine outlines drawn over it ----

// Two fine outlines, one pixel per row, that wind down the picture: the left and the right edge of
// the region to cut, over rows top .. bottom (from the top).
struct Outlines {
  int top, bottom, left, right;
  int leftX(int y) const { return left + static_cast<int>(std::lround(11.0 * std::sin(y / 19.0))); }
  int rightX(int y) const {
    return right + static_cast<int>(std::lround(9.0 * std::sin(y / 23.0 + 1.0)));
  }
  bool inside(int x, int y) const {
    return y >= top && y <= bottom && x >= leftX(y) && x <= rightX(y);
  }
};

// The photograph with the outlines drawn in black, the outline colour, and a few stray black
// pixels well away from them, as a real outline picture has.
Picture drawOutlines(Picture photo, const Outlines& o) {
  auto put = [&](int x, int y) { photo.pixels[static_cast<size_t>(y) * photo.width + x] = Rgb{}; };
  for (int y = o.top; y <= o.bottom; ++y) {
    put(o.leftX(y), y);
    put(o.rightX(y), y);
  }
  std::mt19937 random(7);
  for (int k = 0; k < 60; ++k) {
    const int x = o.left - 40 + static_cast<int>(random() % (o.right - o.left + 80));
    const int y = o.top + static_cast<int>(random() % (o.bottom - o.top));
    if (std::abs(x - o.leftX(y)) > 24 && std::abs(x - o.rightX(y)) > 24) put(x, y);
  }
  return photo;
}

struct PhotoFlow {
  const char* name;
  bool scrolled;
  Outlines outlines;
  int rightClicks, downClicks;  // arrow clicks before the polygon: shifts 960 * 10n / 920 and
                                // 640 * 10n / 600
};

void PrintTo(const PhotoFlow& flow, std::ostream* os) {
  *os << flow.name;
}

class TransferPhotoFlow : public testing::TestWithParam<PhotoFlow> {};

TEST_P(TransferPhotoFlow, TracedPolygonCutsTheOutlinedRegionAndTheShotKeepsThePhotographOutside) {
  WorkFolder folder;
  const PhotoFlow& flow = GetParam();
  const Outlines& o = flow.outlines;
  const Picture parrots = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_EQ(parrots.width, 768);
  const Picture real = flow.scrolled ? test::tiledPicture(parrots, kW, kH) : parrots;
  writeBmp("real.bmp", real);
  writeBmp("outlined.bmp", drawOutlines(real, o));

  // The thumbs' ranges, 307 and 201, span the 480 columns and 320 rows beyond the view.
  const int shiftX = 480 * 10 * flow.rightClicks / 307, shiftY = 320 * 10 * flow.downClicks / 201;
  auto vertex = [&](int x, int y) { return click(x + 100 - shiftX, y + 32 - shiftY); };
  std::string script = "open real.bmp\n" + kEnter + "open outlined.bmp\n" + kGetShadow;
  for (int k = 0; k < flow.rightClicks; ++k) script += click(1050, 682);
  for (int k = 0; k < flow.downClicks; ++k) script += click(1070, 662);
  script += kTrace + kStart;
  // Down the left outline and up the right one; most clicks land a few pixels off the outline
  // and snap onto it.
  const int span = o.bottom - o.top;
  const int rows[4] = {o.top, o.top + span / 3, o.top + 2 * span / 3, o.bottom};
  const int offsets[4] = {3, -2, 4, 0};
  for (int k = 0; k < 4; ++k) script += vertex(o.leftX(rows[k]) + offsets[k], rows[k]);
  for (int k = 3; k >= 0; --k) script += vertex(o.rightX(rows[k]) - offsets[k], rows[k]);
  script += "rclick 600 300\n" + kDelete + kKeep7 + kPattern + "open real.bmp\n" + kCallReal +
            kShot + "planes transfer.bmp\n";
  const auto r = replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(ws().scrollX.pixelShift, shiftX);
  ASSERT_EQ(ws().scrollY.pixelShift, shiftY);

  const Picture realCanvas = onCanvas(real);
  // The shadow: the region between the outlines cut white, then the fill's sandwich pass, which
  // also whitens any pixel of the photograph between two white ones above and below.
  Picture expectedShadow = onCanvas(drawOutlines(real, o));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (o.inside(x, y)) expectedShadow.pixels[static_cast<size_t>(y) * kW + x] = kWhitePixel;
  for (int y = kH - 2; y >= 1; --y)  // bottom-up, in place
    for (int x = 0; x < kW; ++x)
      if (expectedShadow.at(x, y - 1) == kWhitePixel && expectedShadow.at(x, y + 1) == kWhitePixel)
        expectedShadow.pixels[static_cast<size_t>(y) * kW + x] = kWhitePixel;
  const Picture shadow = planesFile("0000iso.bmp");
  const Picture transfer = planesFile("transfer.bmp");
  EXPECT_EQ(planesFile("KEEP7.bmp").pixels, realCanvas.pixels);
  long cut = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      // The sides follow the drawn outlines exactly.
      ASSERT_EQ(shadow.at(x, y), expectedShadow.at(x, y))
          << flow.name << " shadow " << x << " " << y;
      const Rgb expectedTransfer =
          expectedShadow.at(x, y) == kWhitePixel ? kWhitePixel : realCanvas.at(x, y);
      ASSERT_EQ(transfer.at(x, y), expectedTransfer) << flow.name << " " << x << " " << y;
      cut += o.inside(x, y);
    }
  }
  EXPECT_GT(cut, 30000);
}

INSTANTIATE_TEST_SUITE_P(
    Views, TransferPhotoFlow,
    testing::Values(PhotoFlow{"unscrolled", false, {120, 420, 260, 470}, 0, 0},
                    // Shifts 208 and 160: the region lies partly beyond the unscrolled view.
                    PhotoFlow{"scrolled", true, {560, 790, 820, 1090}, 20, 15}),
    [](const testing::TestParamInfo<PhotoFlow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zc
