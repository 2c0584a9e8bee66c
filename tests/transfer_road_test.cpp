// The whole road from a photograph to its transfer image: fine outlines on the Outline page kept
// as KEEP5, that picture got as the shadow on the Transfer page, a polygon traced along two of
// its outlines and deleted, the pattern, the real photograph called back and the shot.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "test_support.h"

namespace zc {
namespace {

using test::click;
using test::Picture;

constexpr int kW = 1440, kH = 960;  // the start canvas
constexpr Rgb kBlack{0, 0, 0};      // the outline colour
constexpr Rgb kWhitePixel{255, 255, 255};

// A stroke of the outlined picture: one outline pixel per row, rows top .. top + size - 1, each
// at most one column from the one above.
struct Stroke {
  int top = 0;
  std::vector<int> columns;
  int bottom() const { return top + static_cast<int>(columns.size()) - 1; }
  int at(int y) const { return columns[static_cast<size_t>(y - top)]; }
};

// An outline pixel drawn by the Outline page: black in the outlined picture, not in the photograph.
struct DrawnOutline {
  const Picture& outlined;
  const Picture& photo;
  bool operator()(int x, int y) const {
    return x >= 0 && x < kW && y >= 0 && y < kH && outlined.at(x, y) == kBlack &&
           photo.at(x, y) != kBlack;
  }
};

// Follows drawn outline pixels down from (x, y), keeping to the same column where it can, within
// columns left .. right and down to row bottom.
Stroke followDown(const DrawnOutline& drawn, int x, int y, int left, int right, int bottom) {
  Stroke s{y, {}};
  while (y <= bottom && x >= left && x <= right && drawn(x, y)) {
    s.columns.push_back(x);
    ++y;
    if (drawn(x, y)) continue;
    if (drawn(x - 1, y)) {
      --x;
    } else if (drawn(x + 1, y)) {
      ++x;
    }
  }
  return s;
}

// Two strokes within the window that keep at least 40 columns apart over the most shared rows (at
// least 60), cut to those rows.
std::optional<std::pair<Stroke, Stroke>> findStrokePair(const DrawnOutline& drawn, int left,
                                                        int right, int top, int bottom) {
  std::vector<Stroke> strokes;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      if (drawn(x, y) && !drawn(x, y - 1) && !drawn(x - 1, y - 1) && !drawn(x + 1, y - 1)) {
        Stroke s = followDown(drawn, x, y, left, right, bottom);
        if (s.columns.size() >= 60) strokes.push_back(std::move(s));
      }
  std::optional<std::pair<Stroke, Stroke>> best;
  int bestRows = 0;
  for (const Stroke& a : strokes) {
    for (const Stroke& b : strokes) {
      const int from = std::max(a.top, b.top), to = std::min(a.bottom(), b.bottom());
      if (to - from + 1 < 60) continue;
      bool apart = true;
      for (int y = from; y <= to && apart; ++y) apart = b.at(y) - a.at(y) >= 40;
      if (apart && to - from + 1 > bestRows) {
        bestRows = to - from + 1;
        Stroke sa{from, {}}, sb{from, {}};
        for (int y = from; y <= to; ++y) {
          sa.columns.push_back(a.at(y));
          sb.columns.push_back(b.at(y));
        }
        best = std::pair{sa, sb};
      }
    }
  }
  return best;
}

struct Road {
  const char* name;
  bool scrolled;
  int rightClicks, downClicks;   // on the Outline page: shifts 960 * 10n / 920 and 640 * 10n / 600
  int left, right, top, bottom;  // where the two outlines are looked for, canvas cells
};

void PrintTo(const Road& road, std::ostream* os) {
  *os << road.name;
}

class TransferRoad : public testing::TestWithParam<Road> {};

TEST_P(TransferRoad, OutlinedPhotographCutAlongItsOutlinesGivesTheRealPhotographInThePattern) {
  test::WorkFolder folder;
  const Road& road = GetParam();
  const Picture parrots = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_EQ(parrots.width, 768);
  const Picture photo = road.scrolled ? test::tiledPicture(parrots, kW, kH) : parrots;
  test::writeBmp("photo.bmp", photo);
  const Picture realCanvas = test::onCanvas(photo);

  // The Outline page: fine outlines kept as KEEP5.
  std::string outlineRoad = "open photo.bmp\n" + test::outline_keys::kEnter;
  for (int k = 0; k < road.rightClicks; ++k) outlineRoad += click(1050, 682);
  for (int k = 0; k < road.downClicks; ++k) outlineRoad += click(1070, 662);
  outlineRoad += test::outline_keys::kFine + test::outline_keys::kSetKeep5;
  const auto outlined = test::replay(outlineRoad);
  ASSERT_EQ(outlined.status, 0) << outlined.err;
  const Picture keep5 = test::readOwnBmp("KEEP5.bmp", kW, kH);
  const DrawnOutline drawn{keep5, realCanvas};
  const auto strokes = findStrokePair(drawn, road.left, road.right, road.top, road.bottom);
  ASSERT_TRUE(strokes) << road.name;
  const auto& [leftStroke, rightStroke] = *strokes;

  // The whole road in one run: the same Outline steps, then on the Transfer page KEEP5 got as the
  // shadow, a polygon down the
  // left outline and up the right one with every vertex on a drawn outline pixel, closed by a
  // right click and deleted.
  using namespace test::transfer_keys;
  // The thumbs' ranges, 307 and 201, span the 480 columns and 320 rows beyond the view.
  const int shiftX = 480 * 10 * road.rightClicks / 307, shiftY = 320 * 10 * road.downClicks / 201;
  auto vertex = [&](int x, int y) {
    EXPECT_TRUE(drawn(x, y)) << x << " " << y;
    return click(x + 100 - shiftX, y + 32 - shiftY);
  };
  const int top = leftStroke.top, bottom = leftStroke.bottom(), span = bottom - top;
  const int rows[4] = {top, top + span / 3, top + 2 * span / 3, bottom};
  std::string script = outlineRoad + kEnter + "open KEEP5.bmp\n" + kGetShadow + kTrace + kStart;
  for (int k = 0; k < 4; ++k) script += vertex(leftStroke.at(rows[k]), rows[k]);
  for (int k = 3; k >= 0; --k) script += vertex(rightStroke.at(rows[k]), rows[k]);
  script += "rclick 600 300\n" + kDelete + kKeep7 + kPattern + "open photo.bmp\n" + kCallReal +
            kShot + "planes transfer.bmp\n";
  const auto r = test::replay(script);
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(ws().scrollX.pixelShift, shiftX);
  ASSERT_EQ(ws().scrollY.pixelShift, shiftY);

  // The shadow is the outlined picture with the cut painted white.
  const Picture shadow = test::readOwnBmp("0000iso.bmp", kW, kH);
  long cut = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const bool whitened = shadow.at(x, y) != keep5.at(x, y);
      ASSERT_TRUE(!whitened || shadow.at(x, y) == kWhitePixel) << x << " " << y;
      cut += whitened;
    }
  // In every row between the first and the last vertex the cut runs from outline to outline: the
  // traced sides keep to drawn outline pixels, the chosen strokes or others within the trace's
  // reach of 12 columns, unless the fill's pass between two white pixels above and below widened
  // the run.
  auto tracedEnd = [&](int x, int y, int stroke) {
    const bool sandwiched =
        shadow.at(x, y - 1) == kWhitePixel && shadow.at(x, y + 1) == kWhitePixel;
    return std::abs(x - stroke) <= 12 && (drawn(x, y) || sandwiched);
  };
  for (int y = top + 1; y < bottom; ++y) {
    int from = (leftStroke.at(y) + rightStroke.at(y)) / 2, to = from;
    while (shadow.at(from - 1, y) == kWhitePixel) --from;
    while (shadow.at(to + 1, y) == kWhitePixel) ++to;
    EXPECT_TRUE(tracedEnd(from, y, leftStroke.at(y))) << road.name << " " << from << " " << y;
    EXPECT_TRUE(tracedEnd(to, y, rightStroke.at(y))) << road.name << " " << to << " " << y;
  }
  EXPECT_GT(cut, 40L * (bottom - top));

  // The pattern part is what the shadow holds apart from the zone colour; the transfer image is
  // the real photograph there and the zone colour elsewhere.
  const uint8_t z = static_cast<uint8_t>(ws().zoneColor);
  const Rgb zone{z, z, z};
  const int32_t* marks = workMarks().cells;
  const Picture transfer = test::readOwnBmp("transfer.bmp", kW, kH);
  long patternPart = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const bool inPattern = shadow.at(x, y) != zone;
      ASSERT_EQ(marks[static_cast<size_t>(kH - 1 - y) * kW + x], inPattern ? 1 : 0)
          << road.name << " mark " << x << " " << y;
      ASSERT_EQ(transfer.at(x, y), inPattern ? realCanvas.at(x, y) : zone)
          << road.name << " " << x << " " << y;
      patternPart += inPattern;
    }
  }
  EXPECT_GT(patternPart, photo.width * photo.height / 2);
  EXPECT_EQ(test::readOwnBmp("KEEP7.bmp", kW, kH).pixels, realCanvas.pixels);
}

INSTANTIATE_TEST_SUITE_P(Views, TransferRoad,
                         testing::Values(Road{"unscrolled", false, 0, 0, 120, 660, 40, 460},
                                         // Shifts 208 and 160: the outlines are looked for partly
                                         // beyond the unscrolled view.
                                         Road{"scrolled", true, 20, 15, 700, 1160, 500, 790}),
                         [](const testing::TestParamInfo<Road>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace zc
