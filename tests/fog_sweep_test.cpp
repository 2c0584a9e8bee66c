#include "pages/fog/fog_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pages/fog/fog_sweep_reference.h"

namespace zc {
namespace {

// A picture as the sweep sees it: three planes and a working image of the same size. The working
// image starts with a pattern the sweep must overwrite.
struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<int32_t> plane[3];
  std::vector<uint8_t> bytes;

  Canvas(int w, int h) : width(w), height(h), bytes(static_cast<size_t>(w) * h * 3, 0xA5) {
    for (auto& p : plane) p.assign(static_cast<size_t>(w) * h, 0);
  }
  PlaneView planes() {
    return PlaneView{{plane[0].data(), plane[1].data(), plane[2].data()}, width, height};
  }
  PixelView pixels() { return PixelView{bytes.data(), width, height}; }
  int32_t& cell(int k, int x, int y) { return plane[k][static_cast<size_t>(y) * width + x]; }
  int32_t cell(int k, int x, int y) const { return plane[k][static_cast<size_t>(y) * width + x]; }
  int byte(int k, int x, int y) const {
    return bytes[(static_cast<size_t>(y) * width + x) * 3 + k];
  }
  void fill(int b, int g, int r) {
    plane[0].assign(plane[0].size(), b);
    plane[1].assign(plane[1].size(), g);
    plane[2].assign(plane[2].size(), r);
  }
};

// kodim23: 768 x 512, 24 bits, rows bottom-up right after the 54-byte header. Empty when missing.
const Canvas& photo() {
  static const Canvas picture = [] {
    constexpr int kWidth = 768, kHeight = 512;
    std::ifstream in(std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp", std::ios::binary);
    const std::vector<char> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (data.size() < 54 + static_cast<size_t>(kWidth) * kHeight * 3) return Canvas(0, 0);
    Canvas c(kWidth, kHeight);
    for (size_t i = 0; i < c.plane[0].size(); ++i) {
      for (int k = 0; k < 3; ++k) c.plane[k][i] = static_cast<uint8_t>(data[54 + 3 * i + k]);
    }
    return c;
  }();
  return picture;
}

Canvas crop(const Canvas& source, int x0, int y0, int w, int h) {
  Canvas c(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      for (int k = 0; k < 3; ++k) c.cell(k, x, y) = source.cell(k, x0 + x, y0 + y);
    }
  }
  return c;
}

// The 50% point of each plane's histogram, as a median reference for the relative form.
SweepParams paramsFor(const Canvas& picture, int variant, int horn, int blind = 0) {
  SweepParams p;
  p.variant = variant;
  p.horn = horn;
  p.blind = blind;
  for (int k = 0; k < 3; ++k) {
    long count[256] = {};
    for (int32_t v : picture.plane[k]) ++count[v & 255];
    long seen = 0;
    int m = 0;
    while (m < 255 && (seen += count[m]) * 2 < static_cast<long>(picture.plane[k].size())) ++m;
    p.median[k] = m;
  }
  return p;
}

// Records what a sweep shows, with a fingerprint of the working image at each display.
class Recorder : public SweepProgress {
 public:
  Recorder(const PixelView& work, bool fingerprints) : work_(work), fingerprints_(fingerprints) {}
  void showWorkingImage() override {
    uint64_t hash = 1469598103934665603ull;
    if (fingerprints_) {
      const size_t count = static_cast<size_t>(work_.width) * work_.height * 3;
      for (size_t i = 0; i < count; ++i) hash = (hash ^ work_.bytes[i]) * 1099511628211ull;
    }
    events.push_back(fingerprints_ ? "show " + std::to_string(hash) : "show");
  }
  void levelLineMark(int y, int n) override {
    events.push_back("mark " + std::to_string(y) + " " + std::to_string(n));
  }
  std::vector<std::string> events;

 private:
  PixelView work_;
  bool fingerprints_;
};

struct Outcome {
  Canvas canvas;
  std::vector<std::string> events;
};

Outcome reference(const Canvas& source, const SweepParams& params) {
  Outcome o{source, {}};
  Recorder recorder(o.canvas.pixels(), true);
  runSweepReference(o.canvas.pixels(), o.canvas.planes(), params, &recorder);
  o.events = recorder.events;
  return o;
}

Outcome fast(const Canvas& source, const SweepParams& params, const SweepTuning& tuning = {}) {
  Outcome o{source, {}};
  Recorder recorder(o.canvas.pixels(), true);
  runSweep(o.canvas.pixels(), o.canvas.planes(), params, &recorder, tuning);
  o.events = recorder.events;
  return o;
}

// "" when both hold the same planes, working image and progress; otherwise the first difference.
std::string difference(const Outcome& a, const Outcome& b) {
  const Canvas& x = a.canvas;
  const Canvas& y = b.canvas;
  for (int row = 0; row < x.height; ++row) {
    for (int col = 0; col < x.width; ++col) {
      for (int k = 0; k < 3; ++k) {
        if (x.cell(k, col, row) != y.cell(k, col, row) ||
            x.byte(k, col, row) != y.byte(k, col, row)) {
          return "plane " + std::to_string(k) + " at (" + std::to_string(col) + ", " +
                 std::to_string(row) + "): " + std::to_string(x.cell(k, col, row)) + "/" +
                 std::to_string(x.byte(k, col, row)) + " against " +
                 std::to_string(y.cell(k, col, row)) + "/" + std::to_string(y.byte(k, col, row));
        }
      }
    }
  }
  if (a.events != b.events) return "the progress differs";
  return "";
}

// "" when the sweep left the white frame, kept the rows it never sweeps and the working image
// equals the planes' low bytes; otherwise the first fault.
std::string layoutFault(const Canvas& after, const Canvas& before, int n) {
  const int h = n / 2;
  const int w = after.width;
  const int ht = after.height;
  for (int y = 0; y < ht; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool frame = y <= h || y >= ht - h || x <= h || x >= w - h;
      const bool swept = y >= n + 1 && y <= ht - n;
      for (int k = 0; k < 3; ++k) {
        const int32_t v = after.cell(k, x, y);
        const char* fault = nullptr;
        if (frame && v != 255) fault = "frame not white";
        if (!frame && !swept && v != before.cell(k, x, y)) fault = "unswept row changed";
        if (after.byte(k, x, y) != (v & 255)) fault = "working image differs from planes";
        if (fault) {
          return std::string(fault) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
      }
    }
  }
  return "";
}

// ---- The algorithm's edge cases -----------------------------------------------------------------

TEST(FogSweep, HornSteps) {
  const int steps[14] = {0, 4, 6, 8, 10, 12, 16, 20, 24, 28, 32, 36, 40, 0};
  for (int horn = 0; horn <= 13; ++horn) EXPECT_EQ(hornStep(horn), steps[horn]) << horn;
  EXPECT_EQ(hornStep(-1), 0);
}

// A uniform picture exactly 2n + 1 rows high has one level line, y = n + 1, read before any frame.
TEST(FogSweep, OneLevelLineOfUniformPictures) {
  struct Case {
    const char* what;
    int variant, horn, median, value, expected;
  };
  const Case cases[] = {
      // S = 128 * 33.227 = 4252.99..: (4252 + 7 * 128) / 8 = 643, clamped.
      {"direct L, 128", 2, 12, 0, 128, 255},
      // T = 4219, T' = -3964: (-3964 + 896) / 8 = -383, clamped.
      {"inverted L, 128", 3, 12, 0, 128, 0},
      // S = 138.85..: (138 + 31 * 100) / 32 = 101.
      {"weak direct B, 100", 5, 2, 0, 100, 101},
      // T' = 106: (106 + 700) / 8 = 100.
      {"direct A, 100", 2, 1, 0, 100, 100},
      // T = 58, T' = 197: (197 + 1400) / 8 = 199.
      {"inverted A, 200", 3, 1, 0, 200, 199},
      // Every value summed is 0.
      {"relative L, median 100, 100", 1, 12, 100, 100, 100},
      // T = 33, T' = 133: (133 + 707) / 8 = 105.
      {"relative L, median 100, 101", 1, 12, 100, 101, 105},
      // The weak inverted form of horn A: T = 58, T' = 197, (197 + 31 * 200) / 32 = 199.
      {"weak inverted A, 200", 6, 1, 0, 200, 199},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int n = hornStep(c.horn);
    const int h = n / 2;
    Canvas before(2 * n + 13, 2 * n + 1);
    before.fill(c.value, c.value, c.value);
    SweepParams params;
    params.variant = c.variant;
    params.horn = c.horn;
    params.median[0] = params.median[1] = params.median[2] = c.median;
    const Outcome plain = reference(before, params);
    const Outcome quick = fast(before, params);
    EXPECT_EQ(difference(plain, quick), "");
    EXPECT_EQ(layoutFault(plain.canvas, before, n), "");
    for (int x = h + 1; x < before.width - h; ++x) {
      for (int k = 0; k < 3; ++k) ASSERT_EQ(plain.canvas.cell(k, x, n + 1), c.expected) << x;
    }
  }
}

// Horn A has gain 1.063 blended 1:7 (or 1:31): every swept pixel moves by at most 2 levels, and its
// frame is 3 pixels wide at the bottom and left (0 .. h) and 2 at the top and right.
TEST(FogSweep, HornAKeepsThePhotographNearlyUnchanged) {
  ASSERT_GT(photo().width, 0) << "kodim23.bmp missing";
  const Canvas& before = photo();
  for (int variant = 1; variant <= 6; ++variant) {
    SCOPED_TRACE(variant);
    const Outcome after = fast(before, paramsFor(before, variant, 1));
    const Canvas& a = after.canvas;
    EXPECT_EQ(layoutFault(a, before, 4), "");
    int worst = 0;
    for (int y = 5; y <= before.height - 4; ++y) {
      for (int x = 3; x <= before.width - 3; ++x) {
        for (int k = 0; k < 3; ++k)
          worst = std::max(worst, std::abs(a.cell(k, x, y) - before.cell(k, x, y)));
      }
    }
    EXPECT_LE(worst, 2);
    // The frame's inner edges: row 2 and column 2 white, row 3 and column 3 not.
    EXPECT_EQ(a.cell(1, 300, 2), 255);
    EXPECT_EQ(a.cell(1, 300, 3), before.cell(1, 300, 3));
    EXPECT_EQ(a.cell(1, 2, 300), 255);
    EXPECT_NE(a.cell(1, 3, 300), 255);
    EXPECT_EQ(a.cell(1, 300, before.height - 3), before.cell(1, 300, before.height - 3));
    EXPECT_EQ(a.cell(1, 300, before.height - 2), 255);
    EXPECT_NE(a.cell(1, before.width - 3, 300), 255);
    EXPECT_EQ(a.cell(1, before.width - 2, 300), 255);
  }
}

TEST(FogSweep, RelativeFormWithZeroMediansIsTheDirectForm) {
  ASSERT_GT(photo().width, 0) << "kodim23.bmp missing";
  const Canvas before = crop(photo(), 200, 150, 256, 192);
  for (int strong : {1, 4}) {
    SweepParams relative;
    relative.variant = strong;
    relative.horn = 4;
    SweepParams direct = relative;
    direct.variant = strong + 1;
    EXPECT_EQ(difference(fast(before, relative), fast(before, direct)), "") << strong;
  }
  const Canvas small = crop(photo(), 400, 100, 128, 96);
  SweepParams relative;
  relative.variant = 1;
  relative.horn = 4;
  SweepParams direct = relative;
  direct.variant = 2;
  EXPECT_EQ(difference(reference(small, relative), reference(small, direct)), "");
}

TEST(FogSweep, LevelLinesAndProgress) {
  // 2n + 1 rows: one level line (y = 41 for horn L), marked in blind mode, and the frame.
  Canvas tall(100, 81);
  tall.fill(30, 60, 90);
  SweepParams blindL;
  blindL.variant = 2;
  blindL.horn = 12;
  blindL.blind = 1;
  const Outcome one = fast(tall, blindL);
  EXPECT_EQ(one.events, std::vector<std::string>{"mark 41 40"});
  EXPECT_EQ(layoutFault(one.canvas, tall, 40), "");
  EXPECT_EQ(difference(one, reference(tall, blindL)), "");

  // 2n rows: no level line, no frame, nothing shown.
  Canvas low(100, 80);
  low.fill(30, 60, 90);
  const Outcome none = fast(low, blindL);
  EXPECT_TRUE(none.events.empty());
  EXPECT_EQ(none.canvas.plane[0], low.plane[0]);
  EXPECT_EQ(none.canvas.plane[2], low.plane[2]);
  EXPECT_EQ(difference(none, reference(low, blindL)), "");

  // Lines y = 196 .. 5 for horn A on 200 rows: shown and marked every 64th line, or marked every
  // line above 32 in blind mode.
  Canvas picture(40, 200);
  picture.fill(10, 20, 30);
  SweepParams a;
  a.variant = 2;
  a.horn = 1;
  Recorder seen(picture.pixels(), false);
  runSweep(picture.pixels(), picture.planes(), a, &seen);
  const std::vector<std::string> expected = {"show",       "mark 192 4", "show",
                                             "mark 128 4", "show",       "mark 64 4"};
  EXPECT_EQ(seen.events, expected);

  // A picture 2h + 1 wide has no pixel outside the frame: its lines only paint the frame.
  Canvas narrow(5, 70);
  narrow.fill(10, 20, 30);
  const Outcome frameOnly = fast(narrow, a);
  EXPECT_EQ(difference(frameOnly, reference(narrow, a)), "");
  EXPECT_EQ(layoutFault(frameOnly.canvas, narrow, 4), "");
  EXPECT_EQ(frameOnly.events.size(), 2u);

  a.blind = 1;
  Recorder blind(picture.pixels(), false);
  runSweep(picture.pixels(), picture.planes(), a, &blind);
  std::vector<std::string> marks;
  for (int y = 196; y > 32; --y) marks.push_back("mark " + std::to_string(y) + " 4");
  EXPECT_EQ(blind.events, marks);
}

TEST(FogSweep, NoSweepWithoutHornOrWithAnUnknownVariant) {
  Canvas before(60, 60);
  before.fill(1, 2, 3);
  SweepParams noHorn;
  noHorn.horn = 0;
  SweepParams badVariant;
  badVariant.horn = 3;
  badVariant.variant = 7;
  for (const SweepParams& p : {noHorn, badVariant}) {
    Canvas c = before;
    runSweep(c.pixels(), c.planes(), p, nullptr);
    EXPECT_EQ(c.plane[1], before.plane[1]);
    EXPECT_EQ(c.bytes, before.bytes);
    runSweepReference(c.pixels(), c.planes(), p, nullptr);
    EXPECT_EQ(c.plane[1], before.plane[1]);
    EXPECT_EQ(c.bytes, before.bytes);
  }
}

// ---- The fast sweep against the plain loop ------------------------------------------------------

TEST(FogSweepMatchesPlainLoop, EveryFormOnThePhotograph) {
  ASSERT_GT(photo().width, 0) << "kodim23.bmp missing";
  struct Case {
    int variant, horn, blind;
    int x0, y0, w, h;  // crop of the photograph
  };
  const Case cases[] = {
      {1, 2, 0, 0, 0, 768, 512},      {2, 1, 0, 0, 0, 768, 512},
      {3, 2, 0, 0, 0, 768, 512},      {2, 2, 0, 300, 200, 384, 256},
      {4, 2, 0, 300, 200, 384, 256},  {5, 2, 0, 300, 200, 384, 256},
      {6, 2, 0, 300, 200, 384, 256},  {1, 6, 0, 200, 150, 320, 240},
      {3, 6, 0, 200, 150, 320, 240},  {5, 9, 1, 100, 300, 200, 160},
      {1, 12, 0, 300, 200, 160, 128}, {2, 12, 0, 300, 200, 160, 128},
      {3, 12, 0, 300, 200, 160, 128}, {4, 12, 0, 300, 200, 160, 128},
      {5, 12, 0, 300, 200, 160, 128}, {6, 12, 0, 300, 200, 160, 128},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("variant " + std::to_string(c.variant) + " horn " + std::to_string(c.horn) +
                 " blind " + std::to_string(c.blind));
    const Canvas before = crop(photo(), c.x0, c.y0, c.w, c.h);
    const SweepParams params = paramsFor(before, c.variant, c.horn, c.blind);
    const Outcome plain = reference(before, params);
    EXPECT_EQ(difference(plain, fast(before, params)), "");
    EXPECT_EQ(layoutFault(plain.canvas, before, hornStep(c.horn)), "");
  }
}

TEST(FogSweepMatchesPlainLoop, EveryVectorUnitThreadCountAndSumMode) {
  ASSERT_GT(photo().width, 0) << "kodim23.bmp missing";
  const Canvas before = crop(photo(), 40, 60, 192, 144);
  for (int variant : {1, 3}) {
    const SweepParams params = paramsFor(before, variant, 12);
    const Outcome plain = reference(before, params);
    for (SweepIsa isa : {SweepIsa::kPortable, SweepIsa::kAvx2, SweepIsa::kAvx512}) {
      for (int threads : {1, 2}) {
        for (bool certified : {true, false}) {
          SCOPED_TRACE("variant " + std::to_string(variant) + " isa " +
                       std::to_string(static_cast<int>(isa)) + " threads " +
                       std::to_string(threads) + " certified " + std::to_string(certified));
          EXPECT_EQ(difference(plain, fast(before, params, {threads, isa, certified})), "");
        }
      }
    }
  }
}

// Relative form, median 128: a centre of 129 between two pixels 128 + d and 128 - d placed
// symmetrically around it, all else 128. The true sum is exactly 1, a level boundary, and for these
// d two orders of summation round it to opposite sides (1 and 0.99999..): diagonal pairs tell the
// plain sum from the separable one, pairs in the centre's row tell columns ascending from
// descending, anti-diagonal pairs tell rows first from columns first. The fast sweep must notice
// these sums and redo them in the plain loop's order.
TEST(FogSweepMatchesPlainLoop, SumsRightAtALevelBoundary) {
  struct Case {
    int horn;
    int dy, dx;  // where 128 + d lies; 128 - d lies opposite
    std::vector<int> d;
  };
  const Case cases[] = {
      {2, -1, -1, {12, 22, 45, 46, 56, 66, 76, 92}},
      {2, 0, -1, {1, 7, 13, 14, 35, 37, 39, 83}},
      {2, -1, 1, {3, 8, 13, 17, 27, 32, 36, 46}},
      {4, -1, -1, {13, 14, 25, 26, 28, 45, 50, 52}},
      {4, 0, -1, {27, 61, 122}},
      {4, -1, 1, {1, 5, 8, 11, 14, 16, 19, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("horn " + std::to_string(c.horn) + " pair at (" + std::to_string(c.dx) + ", " +
                 std::to_string(c.dy) + ")");
    const int n = hornStep(c.horn);
    const int spacing = n + 3;
    Canvas before(n + spacing * static_cast<int>(c.d.size()), 2 * n + 1);
    before.fill(128, 128, 128);
    const int y = n + 1;  // the only level line
    for (size_t i = 0; i < c.d.size(); ++i) {
      const int x = n + spacing * static_cast<int>(i);
      for (int k = 0; k < 3; ++k) {
        before.cell(k, x, y) = 129;
        before.cell(k, x + c.dx, y + c.dy) = 128 + c.d[i];
        before.cell(k, x - c.dx, y - c.dy) = 128 - c.d[i];
      }
    }
    SweepParams params;
    params.variant = 1;
    params.horn = c.horn;
    params.median[0] = params.median[1] = params.median[2] = 128;
    const Outcome plain = reference(before, params);
    for (SweepIsa isa : {SweepIsa::kBest, SweepIsa::kPortable}) {
      for (bool certified : {true, false}) {
        EXPECT_EQ(difference(plain, fast(before, params, {0, isa, certified})), "")
            << "isa " << static_cast<int>(isa) << " certified " << certified;
      }
    }
  }
}

// Planes may hold values outside 0 .. 255; the working image, and so every sum, sees their low
// bytes, and rows the sweep never writes keep the planes' own values.
TEST(FogSweepMatchesPlainLoop, PlaneValuesOutsideOneByte) {
  Canvas before(72, 48);
  for (int k = 0; k < 3; ++k) {
    for (size_t i = 0; i < before.plane[k].size(); ++i) {
      before.plane[k][i] = static_cast<int32_t>((i * 37 + k * 101) % 1000) - 300;
    }
  }
  for (int variant : {3, 4}) {
    SweepParams params;
    params.variant = variant;
    params.horn = 2;
    params.median[0] = 20;
    params.median[1] = 128;
    params.median[2] = 240;
    EXPECT_EQ(difference(reference(before, params), fast(before, params)), "") << variant;
  }
}

}  // namespace
}  // namespace zc
