#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "core/workspace.h"
#include "pages/color/channel_stats.h"
#include "pages/color/channel_stats_reference.h"
#include "pages/color/color_balance.h"
#include "pages/color/color_power.h"
#include "pages/color/filter_page_values.h"
#include "pages/color/light_core.h"
#include "pages/color/light_core_reference.h"
#include "pages/color/swap_ways.h"
#include "pages/color/swap_ways_reference.h"
#include "test_support.h"

namespace zc {
namespace {

// A small picture: three planes and a canvas of the same size.
struct Picture {
  int width, height;
  std::vector<int32_t> plane[3];
  std::vector<uint8_t> bytes;

  Picture(int w, int h) : width(w), height(h), bytes(static_cast<size_t>(w) * h * 3, 0xEE) {
    for (auto& p : plane) p.assign(static_cast<size_t>(w) * h, 0);
  }
  PlaneView planes() {
    return PlaneView{{plane[0].data(), plane[1].data(), plane[2].data()}, width, height};
  }
  PixelView pixels() { return PixelView{bytes.data(), width, height}; }
  void set(int i, int32_t b, int32_t g, int32_t r) {
    plane[0][i] = b, plane[1][i] = g, plane[2][i] = r;
  }
  std::array<int32_t, 3> cell(int i) const { return {plane[0][i], plane[1][i], plane[2][i]}; }
  std::array<int, 3> pixel(int i) const {
    return {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
  }
};

// ---- Swap ways ------------------------------------------------------------------------------

TEST(SwapWays, EveryWayOnThreePixels) {
  // Pixels (B, G, R): (10, 100, 200), white, black. Expected B', G', R' of each.
  struct Case {
    int way;
    std::array<int, 3> mixed, white, black;
  };
  const Case cases[] = {
      {0, {10, 100, 200}, {255, 255, 255}, {0, 0, 0}},
      {1, {100, 200, 10}, {255, 255, 255}, {0, 0, 0}},
      {2, {100, 10, 200}, {255, 255, 255}, {0, 0, 0}},
      {3, {200, 10, 100}, {255, 255, 255}, {0, 0, 0}},
      {4, {200, 100, 10}, {255, 255, 255}, {0, 0, 0}},
      {5, {10, 200, 100}, {255, 255, 255}, {0, 0, 0}},
      {6, {10, 100, 55}, {255, 255, 0}, {0, 0, 255}},
      {7, {10, 155, 200}, {255, 0, 255}, {0, 255, 0}},
      {8, {245, 100, 200}, {0, 255, 255}, {255, 0, 0}},
      {9, {245, 155, 200}, {0, 0, 255}, {255, 255, 0}},
      {10, {245, 100, 55}, {0, 255, 0}, {255, 0, 255}},
      {11, {10, 155, 55}, {255, 0, 0}, {0, 255, 255}},
      {12, {245, 155, 55}, {0, 0, 0}, {255, 255, 255}},
      {13, {103, 75, 200}, {255, 127, 255}, {0, 0, 0}},
      {14, {27, 100, 103}, {127, 255, 255}, {0, 0, 0}},
      {15, {10, 103, 52}, {255, 255, 127}, {0, 0, 0}},
      {16, {227, 55, 141}, {255, 255, 255}, {127, 0, 63}},
      {17, {105, 141, 177}, {255, 255, 255}, {0, 63, 127}},
      {18, {141, 132, 150}, {255, 255, 255}, {63, 127, 0}},
      {19, {55, 28, 44}, {255, 36, 109}, {0, 0, 0}},
      {20, {14, 44, 105}, {36, 109, 255}, {0, 0, 0}},
      {21, {44, 150, 1}, {109, 255, 36}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    Picture pic(3, 1);
    pic.set(0, 10, 100, 200);
    pic.set(1, 255, 255, 255);
    pic.set(2, 0, 0, 0);
    applySwapWay(pic.planes(), pic.pixels(), c.way);
    EXPECT_EQ(pic.pixel(0), c.mixed) << "way " << c.way;
    EXPECT_EQ(pic.pixel(1), c.white) << "way " << c.way;
    EXPECT_EQ(pic.pixel(2), c.black) << "way " << c.way;
    EXPECT_EQ(pic.cell(0), (std::array<int32_t, 3>{10, 100, 200})) << "planes changed";
  }
}

TEST(SwapWays, RowsOfALargerPictureAndOutOfRangeValues) {
  // Plane values outside 0..255 are read as the byte the canvas shows (low 8 bits).
  Picture pic(4, 2);
  for (int i = 0; i < 8; ++i) pic.set(i, i, 10 * i, 20 * i);
  pic.set(5, -1, 300, 256);  // bytes 255, 44, 0
  applySwapWay(pic.planes(), pic.pixels(), 12);
  EXPECT_EQ(pic.pixel(7), (std::array<int, 3>{248, 185, 115}));
  EXPECT_EQ(pic.pixel(5), (std::array<int, 3>{0, 211, 255}));
  applySwapWay(pic.planes(), pic.pixels(), 99);  // unknown way: the picture as it is
  EXPECT_EQ(pic.pixel(5), (std::array<int, 3>{255, 44, 0}));
  EXPECT_EQ(pic.pixel(6), (std::array<int, 3>{6, 60, 120}));
}

// The photograph with a few columns more than a multiple of 64 and, here and there, cells outside
// a byte: every way, and ways outside the list, in every way the fast form can go.
TEST(SwapWays, FastFormEqualsThePlainLoopOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  Picture pic(photo.width + 37, photo.height);
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      const Rgb c = photo.at(x % photo.width, y);
      pic.set(y * pic.width + x, c.b, c.g, c.r);
    }
  }
  for (size_t i = 3; i < pic.plane[0].size(); i += 5003) {
    pic.plane[i % 3][i] = static_cast<int32_t>(i % 2 ? 256 + i : -1 - static_cast<long>(i));
  }
  const SwapTuning tunings[] = {{true, 0}, {true, 1}, {true, 3}, {false, 2}};
  for (int way = -1; way <= kSwapWayCount; ++way) {
    Picture plain = pic;
    applySwapWayReference(plain.planes(), plain.pixels(), way);
    for (const SwapTuning& tuning : tunings) {
      Picture fast = pic;
      applySwapWay(fast.planes(), fast.pixels(), way, tuning);
      EXPECT_TRUE(fast.bytes == plain.bytes)
          << "way " << way << " vectors " << tuning.vectors << " bands " << tuning.bands;
    }
  }
}

// ---- Light core ------------------------------------------------------------------------------

// The table form sixteen pixels a step, the table alone, the plain loop, and the first in three
// bands of rows.
using LightCore = void (*)(const PlaneView&, const PixelView&, int, int);
const LightCore kLightCores[] = {
    [](const PlaneView& p, const PixelView& o, int f, int t) { applyLightCore(p, o, f, t); },
    [](const PlaneView& p, const PixelView& o, int f, int t) {
      applyLightCore(p, o, f, t, LightCoreTuning{.vectors = false});
    },
    applyLightCoreReference,
    [](const PlaneView& p, const PixelView& o, int f, int t) {
      applyLightCore(p, o, f, t, LightCoreTuning{.vectors = true, .bands = 3});
    }};

TEST(LightCore, StretchOfEveryPlaneValue) {
  for (const LightCore applyLightCore : kLightCores) {
    const int32_t values[10] = {-7, 0, 50, 100, 128, 129, 150, 200, 255, 300};
    struct Case {
      int start, end;
      std::array<int, 10> expected;  // result of each value above
    };
    const Case cases[] = {
        {0, 255, {0, 0, 50, 100, 128, 129, 150, 200, 255, 255}},  // factor 1: unchanged
        {0, 200, {0, 0, 50, 100, 128, 129, 150, 200, 255, 255}},  // 255 / 200 = 1: unchanged
        {50, 200, {0, 0, 0, 50, 78, 79, 100, 150, 205, 250}},     // factor 1: darker by 50
        {100, 200, {0, 0, 0, 0, 56, 58, 100, 200, 255, 255}},     // factor 2
        {100, 150, {0, 0, 0, 0, 140, 145, 250, 255, 255, 255}},   // 255 / 50 = 5
        {128, 129, {0, 0, 0, 0, 0, 255, 255, 255, 255, 255}},     // spectrum core: threshold
    };
    for (const Case& c : cases) {
      // Each plane holds the values in a different order, so a mixed-up channel shows.
      Picture pic(10, 1);
      for (int i = 0; i < 10; ++i)
        pic.set(i, values[i], values[(i + 3) % 10], values[(i + 7) % 10]);
      applyLightCore(pic.planes(), pic.pixels(), c.start, c.end);
      for (int i = 0; i < 10; ++i) {
        const std::array<int, 3> want = {c.expected[i], c.expected[(i + 3) % 10],
                                         c.expected[(i + 7) % 10]};
        EXPECT_EQ(pic.pixel(i), want) << c.start << "-" << c.end << " pixel " << i;
      }
      EXPECT_EQ(pic.plane[0][2], 50) << "planes changed";
    }
  }
}

TEST(LightCore, AllBlackResultShowsOneOneOne) {
  for (const LightCore applyLightCore : kLightCores) {
    Picture pic(2, 2);
    for (int i = 0; i < 4; ++i) pic.set(i, 254, 10 * i, 200);
    applyLightCore(pic.planes(), pic.pixels(), 254, 255);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pic.pixel(i), (std::array<int, 3>{1, 1, 1}));

    // One byte above the threshold keeps the result as it is.
    pic.set(3, 255, 0, 0);
    applyLightCore(pic.planes(), pic.pixels(), 254, 255);
    EXPECT_EQ(pic.pixel(3), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(pic.pixel(0), (std::array<int, 3>{0, 0, 0}));
  }
}

// The photograph with a column more than a multiple of sixteen and, in some rows, cells outside
// a byte; every range the page can reach in its three kinds of factor, and the threshold that
// leaves every byte black.
TEST(LightCore, TableFormsEqualThePlainLoopOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  Picture pic(photo.width + 1, photo.height);
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      const Rgb c = photo.at(std::min(x, photo.width - 1), y);
      pic.set(y * pic.width + x, c.b, c.g, c.r);
    }
  }
  Picture outside = pic;
  for (size_t i = 0; i < outside.plane[1].size(); i += 4099) {
    outside.plane[1][i] = static_cast<int32_t>(i % 2 ? 256 + i : -1 - static_cast<long>(i));
  }
  Picture dark = pic;  // every value below 255
  for (auto& p : dark.plane)
    for (int32_t& v : p) v = std::min(v, 254);
  struct Range {
    Picture* picture;
    int start, end;
  };
  const Range ranges[] = {{&pic, 0, 255},     {&pic, 50, 200},     {&pic, 100, 150},
                          {&pic, 128, 129},   {&outside, 60, 190}, {&outside, 128, 129},
                          {&outside, 0, 255}, {&dark, 254, 255}};
  for (const Range& r : ranges) {
    Picture plain = *r.picture;
    applyLightCoreReference(plain.planes(), plain.pixels(), r.start, r.end);
    for (const LightCore form : {kLightCores[0], kLightCores[1], kLightCores[3]}) {
      Picture fast = *r.picture;
      form(fast.planes(), fast.pixels(), r.start, r.end);
      EXPECT_TRUE(fast.bytes == plain.bytes) << r.start << "-" << r.end;
    }
  }
}

// ---- Filter page value rules ---------------------------------------------------------------

TEST(FilterValues, Validation) {
  struct Case {
    int f, t, wantF, wantT;
  };
  const Case cases[] = {
      {100, 100, 100, 101},  // start typed equal to the end
      {120, 80, 120, 121},  {-5, 50, 0, 50},    {0, 300, 0, 255}, {255, 255, 254, 255},
      {0, 0, 0, 1},         {300, 0, 254, 255}, {-10, -20, 0, 1}, {10, 200, 10, 200},
  };
  for (const Case& c : cases) {
    FilterPageState s;
    s.start = c.f, s.end = c.t;
    validateFilterValues(s);
    EXPECT_EQ(s.start, c.wantF) << c.f << "~" << c.t;
    EXPECT_EQ(s.end, c.wantT) << c.f << "~" << c.t;
  }
  FilterPageState s;
  s.colorPower = 0, s.step = 0;
  validateFilterValues(s);
  EXPECT_EQ(s.colorPower, 1);
  EXPECT_EQ(s.step, 2);
  s.colorPower = 5000, s.step = 100;
  validateFilterValues(s);
  EXPECT_EQ(s.colorPower, 1000);
  EXPECT_EQ(s.step, 98);
}

TEST(FilterValues, BeltClicks) {
  FilterPageState s;  // 0 ~ 255: middle ((0 + 255) / 2) * 52 / 256 + 24 = 49
  EXPECT_EQ(filterBeltMiddle(s), 49);
  EXPECT_EQ(beltMarkX(kLightCoreBelt, 255), 75);
  clickFilterBelt(s, 50);  // right of the middle: the end, (50 - 24) * 256 / 52 = 128
  EXPECT_EQ(s.start, 0);
  EXPECT_EQ(s.end, 128);
  clickFilterBelt(s, 30);  // middle now 64 * 52 / 256 + 24 = 37; start = 6 * 256 / 52 = 29
  EXPECT_EQ(s.start, 29);
  EXPECT_EQ(s.end, 128);

  struct Case {
    int f, t, spectrum, x, wantF, wantT;
  };
  const Case cases[] = {
      // Narrow range 100 ~ 102 (middle 44): a click at 44 gives the end 98, which pulls the start.
      {100, 102, 0, 44, 97, 98},
      {100, 102, 0, 43, 93, 102},
      // Spectrum core: the other value follows at a distance of one.
      {100, 101, 1, 30, 29, 30},
      {100, 101, 1, 75, 250, 251},
      {0, 1, 1, 24, 0, 1},  // the end at 0 gives the pair 0, 1
  };
  for (const Case& c : cases) {
    FilterPageState t;
    t.start = c.f, t.end = c.t, t.spectrumSwitch = c.spectrum;
    clickFilterBelt(t, c.x);
    EXPECT_EQ(t.start, c.wantF) << c.f << "~" << c.t << " x " << c.x;
    EXPECT_EQ(t.end, c.wantT) << c.f << "~" << c.t << " x " << c.x;
  }
}

TEST(FilterValues, DiamondSwitchesPushAtBothEnds) {
  struct Case {
    void (*press)(FilterPageState&);
    int f, t, wantF, wantT;
  };
  const Case cases[] = {
      {filterStartDown, 3, 10, 0, 10},     {filterStartDown, 50, 60, 42, 60},
      {filterStartUp, 100, 105, 108, 109},  // pushes the end to start + 1
      {filterStartUp, 250, 255, 254, 255},  // past 255: the pair 254, 255
      {filterStartUp, 10, 60, 18, 60},     {filterEndDown, 5, 10, 1, 2},
      {filterEndDown, 0, 5, 0, 1},  // down to 0: the pair 0, 1
      {filterEndDown, 10, 60, 10, 52},     {filterEndUp, 10, 250, 10, 255},
  };
  for (const Case& c : cases) {
    FilterPageState s;  // step 8
    s.start = c.f, s.end = c.t;
    c.press(s);
    EXPECT_EQ(s.start, c.wantF) << c.f << "~" << c.t;
    EXPECT_EQ(s.end, c.wantT) << c.f << "~" << c.t;
  }
  FilterPageState s;
  s.step = 96;
  filterStepUp(s);
  EXPECT_EQ(s.step, 98);
  s.step = 6;
  filterStepDown(s);
  EXPECT_EQ(s.step, 2);
  filterStepDown(s);
  EXPECT_EQ(s.step, 2);
}

TEST(FilterValues, SpectrumCoreHold) {
  FilterPageState s;
  s.start = 100, s.end = 200;
  holdSpectrumCore(s);  // switch off: kept
  EXPECT_EQ(s.end, 200);
  s.spectrumSwitch = 1;
  holdSpectrumCore(s);
  EXPECT_EQ(s.start, 150);
  EXPECT_EQ(s.end, 151);
  s.start = 0, s.end = 255;
  holdSpectrumCore(s);
  EXPECT_EQ(s.start, 127);
  EXPECT_EQ(s.end, 128);
}

// ---- ChannelStats ----------------------------------------------------------------------------

TEST(ChannelStats, PointsOfEachPlane) {
  Picture pic(10, 10);
  for (int i = 0; i < 100; ++i) {
    // Blue: 1 .. 100 once each. S = 100, thresholds 4, 50, 96: points 3, 49, 95.
    pic.plane[0][i] = i + 1;
    // Green: 80 values 200, the rest 0, 255 or outside 0..255, which are not counted.
    // S = 80, thresholds 3, 40, 76; the running sum stays 0 below bin 200: every point 199.
    static constexpr int32_t kLeftOut[4] = {0, 255, -7, 300};
    pic.plane[1][i] = i < 80 ? 200 : kLeftOut[i % 4];
    // Red: all 1. Every threshold is reached at bin 1: the previous points stay.
    pic.plane[2][i] = 1;
  }
  ChannelStatsState stats;
  stats.low[2] = 7, stats.median[2] = 8, stats.high[2] = 9;
  computeChannelStats(pic.planes(), stats);
  EXPECT_EQ(stats.low[0], 3);
  EXPECT_EQ(stats.median[0], 49);
  EXPECT_EQ(stats.high[0], 95);
  EXPECT_EQ(stats.low[1], 199);
  EXPECT_EQ(stats.median[1], 199);
  EXPECT_EQ(stats.high[1], 199);
  EXPECT_EQ(stats.low[2], 7);
  EXPECT_EQ(stats.median[2], 8);
  EXPECT_EQ(stats.high[2], 9);
}

TEST(ChannelStats, UniformOrTinyPicturesKeepPreviousPoints) {
  struct Case {
    int32_t value;
    int count;
  };
  // 0 and 255 (and values beyond them) are not counted; 1 reaches every threshold at bin 1.
  const Case cases[] = {{0, 25}, {255, 25}, {1, 25}, {-3, 25}};
  for (const Case& c : cases) {
    Picture pic(c.count, 1);
    for (int i = 0; i < c.count; ++i) pic.set(i, c.value, c.value, c.value);
    ChannelStatsState stats;
    for (int k = 0; k < 3; ++k) stats.low[k] = 11, stats.median[k] = 12, stats.high[k] = 13;
    computeChannelStats(pic.planes(), stats);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(stats.low[k], 11) << c.value;
      EXPECT_EQ(stats.median[k], 12) << c.value;
      EXPECT_EQ(stats.high[k], 13) << c.value;
    }
  }
  // 24 values 1 .. 24: S = 24, thresholds 0, 12, 23; the 4% point stays, the others 11 and 22.
  Picture pic(24, 1);
  for (int i = 0; i < 24; ++i) pic.set(i, i + 1, i + 1, i + 1);
  ChannelStatsState stats;
  stats.low[0] = 11;
  computeChannelStats(pic.planes(), stats);
  EXPECT_EQ(stats.low[0], 11);
  EXPECT_EQ(stats.median[0], 11);
  EXPECT_EQ(stats.high[0], 22);
}

// The photograph, with cells outside a byte and an odd cell count, and a previous state that
// shows which points were kept.
TEST(ChannelStats, FastFormEqualsThePlainLoopOnAPhotograph) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  Picture pic(photo.width, photo.height);
  for (int i = 0; i < pic.width * pic.height; ++i) {
    const Rgb c = photo.pixels[i];
    pic.set(i, c.b, c.g, c.r);
  }
  for (int i = 0; i < pic.width * pic.height; i += 1013) pic.plane[i % 3][i] = i % 2 ? -i : 255 + i;
  for (const int cells : {pic.width * pic.height, 4097}) {
    PlaneView view = pic.planes();
    view.width = cells, view.height = 1;
    ChannelStatsState fast, plain;
    for (int k = 0; k < 3; ++k) fast.low[k] = plain.low[k] = 77;
    computeChannelStats(view, fast);
    computeChannelStatsReference(view, plain);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(fast.low[k], plain.low[k]) << cells;
      EXPECT_EQ(fast.median[k], plain.median[k]) << cells;
      EXPECT_EQ(fast.high[k], plain.high[k]) << cells;
    }
  }
}

// The photograph as a picture of rows, one column wider than it is, with cells outside a byte and
// at the ends of the counted bins: the counts in bands of rows, by bytes or by cells.
TEST(ChannelStats, EveryTuningEqualsThePlainLoopOnThePhotographAsAPicture) {
  const test::Picture photo = test::readBmp(test::testdata("photos/kodim23.bmp"));
  ASSERT_GT(photo.width, 0);
  Picture pic(photo.width + 1, photo.height);
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      const Rgb c = photo.at(x % photo.width, y);
      pic.set(y * pic.width + x, c.b, c.g, c.r);
    }
  }
  const int32_t edges[] = {-1, 0, 1, 254, 255, 256, INT32_MIN, INT32_MAX};
  for (size_t i = 0; i < pic.plane[0].size(); i += 997) pic.plane[i % 3][i] = edges[i % 8];
  ChannelStatsState plain;
  computeChannelStatsReference(pic.planes(), plain);
  const ChannelStatsTuning tunings[] = {{true, 0}, {true, 1}, {true, 3}, {false, 1}, {false, 2}};
  for (const ChannelStatsTuning& tuning : tunings) {
    ChannelStatsState fast;
    computeChannelStats(pic.planes(), fast, tuning);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(fast.low[k], plain.low[k]) << tuning.vectors << " " << tuning.bands;
      EXPECT_EQ(fast.median[k], plain.median[k]) << tuning.vectors << " " << tuning.bands;
      EXPECT_EQ(fast.high[k], plain.high[k]) << tuning.vectors << " " << tuning.bands;
    }
  }
}

// ---- Color power ------------------------------------------------------------------------------

TEST(ColorPower, WeightTable) {
  EXPECT_EQ(colorPowerWeight(0), 0.0);
  EXPECT_EQ(colorPowerWeight(255), 0.0);
  EXPECT_EQ(colorPowerWeight(75), 1.0);  // the peak, near 255 (1 - 1 / sqrt 2)
  EXPECT_LT(colorPowerWeight(74), 1.0);
  EXPECT_LT(colorPowerWeight(76), 1.0);
  EXPECT_EQ(colorPowerWeight(-1), 0.0);
}

TEST(ColorPower, AllChannels) {
  struct Case {
    int power;
    std::array<int32_t, 3> rgb, want;  // red, green, blue
  };
  const Case cases[] = {
      // Grey 75 (weight 1): 175 and 25 move away from 75 by power / 100.
      {100, {175, 25, 75}, {175, 25, 75}},
      {200, {175, 25, 75}, {255, 0, 75}},  // 275 and -25 clamped
      {50, {175, 25, 75}, {125, 50, 75}},
      {1, {175, 25, 75}, {76, 75, 75}},
      {1000, {75, 75, 80}, {75, 75, 125}},
      {50, {75, 75, 80}, {75, 75, 77}},  // 2.5 truncated
      // The grey is computed in floating point: 0.299 * 128 + 0.587 * 128 + 0.114 * 128 comes
      // to just below 128, so a grey of 128 becomes 127 (weight there below 1).
      {100, {128, 128, 128}, {127, 127, 127}},
      {200, {0, 0, 0}, {0, 0, 0}},
      {200, {255, 255, 255}, {255, 255, 255}},
      // Grey outside 0..255: weight 0, every channel takes the grey, clamped.
      {100, {1000, 0, 0}, {255, 255, 255}},
      {100, {-50, 0, 0}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    Picture pic(1, 1);
    pic.set(0, c.rgb[2], c.rgb[1], c.rgb[0]);
    applyColorPower(pic.planes(), c.power, c.power, c.power);
    EXPECT_EQ(pic.cell(0), (std::array<int32_t, 3>{c.want[2], c.want[1], c.want[0]}))
        << "power " << c.power << " rgb " << c.rgb[0] << "," << c.rgb[1] << "," << c.rgb[2];
  }
}

TEST(ColorPower, EachPowerPerChannel) {
  Picture pic(2, 1);
  pic.set(0, 75, 25, 175);  // grey 75
  pic.set(1, 80, 75, 75);   // grey 75
  FilterPageState filter;
  filter.eachPowerMode = 2;
  filter.eachPower[0] = 200, filter.eachPower[1] = 100, filter.eachPower[2] = 50;
  runColorPower(pic.planes(), filter);
  // Red 200: 75 + 200 clamped; green 100: unchanged; blue 50: 75 + trunc(2.5).
  EXPECT_EQ(pic.cell(0), (std::array<int32_t, 3>{75, 25, 255}));
  EXPECT_EQ(pic.cell(1), (std::array<int32_t, 3>{77, 75, 75}));
  // The color power takes the grey of the each powers: 59.8 + 58.7 + 5.7 = 124.2.
  EXPECT_EQ(filter.colorPower, 124);
}

// ---- Colour balance ------------------------------------------------------------------------

ChannelStatsState statsOf(std::array<int32_t, 3> low, std::array<int32_t, 3> high) {
  ChannelStatsState s;
  for (int k = 0; k < 3; ++k) s.low[k] = low[k], s.high[k] = high[k];
  return s;
}

TEST(ColorBalance, Peach) {
  // Ranges 100, 200, 255 (blue, green, red).
  Picture pic(4, 1);
  pic.set(0, 50, 20, 0);      // every low point: 10
  pic.set(1, 150, 220, 255);  // every high point: 244
  pic.set(2, 100, 120, 51);   // 50 * 234 / 100 = 117; 100 * 234 / 200 = 117; 51 * 234 / 255 = 46
  pic.set(3, 40, 400, -5);    // -23 + 10 -> 0; 380 * 234 / 200 + 10 = 454 -> 255; -4 + 10 = 6
  applyPeach(pic.planes(), statsOf({50, 20, 0}, {150, 220, 255}));
  EXPECT_EQ(pic.cell(0), (std::array<int32_t, 3>{10, 10, 10}));
  EXPECT_EQ(pic.cell(1), (std::array<int32_t, 3>{244, 244, 244}));
  EXPECT_EQ(pic.cell(2), (std::array<int32_t, 3>{127, 127, 56}));
  EXPECT_EQ(pic.cell(3), (std::array<int32_t, 3>{0, 255, 6}));

  // A range of 0 in any plane: only the shift by the low points.
  Picture flat(2, 1);
  flat.set(0, 50, 120, 100);
  flat.set(1, 40, 300, 99);
  applyPeach(flat.planes(), statsOf({50, 20, 100}, {150, 220, 100}));
  EXPECT_EQ(flat.cell(0), (std::array<int32_t, 3>{0, 100, 0}));
  EXPECT_EQ(flat.cell(1), (std::array<int32_t, 3>{0, 255, 0}));
}

TEST(ColorBalance, Berry) {
  struct Case {
    std::array<int32_t, 3> low, high, in, want;  // blue, green, red
  };
  const Case cases[] = {
      // Widest range 200: factor 1. Centres (255 - 100) / 2 = 77 and (255 - 200) / 2 = 27.
      {{50, 20, 0}, {150, 220, 100}, {50, 20, 100}, {77, 27, 177}},
      {{50, 20, 0}, {150, 220, 100}, {150, 220, 200}, {177, 227, 255}},
      {{50, 20, 0}, {150, 220, 100}, {0, 0, 0}, {27, 7, 77}},
      // Widest range 50: factor 5, centre trunc(2.5) = 2.
      {{100, 100, 100}, {150, 150, 150}, {100, 150, 90}, {2, 252, 0}},
      {{100, 100, 100}, {150, 150, 150}, {110, 111, 149}, {52, 57, 247}},
      // No positive range (the negative first range counts as 0 for the factor): factor 255.
      // Centres: green and red 127; blue's own range -5 gives (255 + 1275) / 2 = 765.
      {{10, 0, 0}, {5, 0, 0}, {10, 0, 1}, {255, 127, 255}},
  };
  for (const Case& c : cases) {
    Picture pic(1, 1);
    pic.set(0, c.in[0], c.in[1], c.in[2]);
    applyBerry(pic.planes(), statsOf(c.low, c.high));
    EXPECT_EQ(pic.cell(0), c.want) << c.in[0] << "," << c.in[1] << "," << c.in[2];
  }
}

}  // namespace
}  // namespace zc
