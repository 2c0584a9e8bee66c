// Flows in which a user's kept work must survive: a cancelled open dialog, a keep or save followed
// by more paints, and marks or highlights that belong to no picture.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/workspace.h"
#include "test_support.h"

namespace zc {
namespace {

using test::click;
using test::Picture;
using test::replay;
using test::WorkFolder;
using test::writeBmp;

// A picture whose every pixel differs from its neighbours, so any change of it shows.
Picture ramp(int width, int height, int seed) {
  Picture p;
  p.width = width;
  p.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.pixels.push_back(Rgb{static_cast<uint8_t>((x + seed) % 256),
                             static_cast<uint8_t>((y * 3 + seed) % 256),
                             static_cast<uint8_t>((x + y + 7 * seed) % 256)});
    }
  }
  return p;
}

std::string contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The lines of a replay's output without the paint counter, which counts every paint.
std::string withoutPaintLines(const std::string& out) {
  std::istringstream in(out);
  std::string line, kept;
  while (std::getline(in, line)) {
    if (line.rfind("paint ", 0) != 0) kept += line + "\n";
  }
  return kept;
}

struct Session {
  int status = 0;
  std::string out;
  std::string err;
  std::map<std::string, std::string> files;  // every file left in the working folder
};

// Runs a script in a fresh working folder holding the pictures "red.bmp" and "blue.bmp".
Session run(const std::string& script) {
  WorkFolder folder;
  writeBmp("red.bmp", ramp(700, 500, 1));
  writeBmp("blue.bmp", ramp(600, 400, 90));
  const auto r = replay(script);
  Session s{r.status, r.out, r.err, {}};
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    s.files[entry.path().filename().string()] = contents(entry.path());
  }
  return s;
}

// What the view, the planes and the texts of a neutral repaint show.
const std::string kLook =
    "planes look.bmp\n"
    "texts on\n"
    "key space\n"
    "texts off\n"
    "shot look.png\n";

// The session's output from the texts of its neutral repaint on (the only texts it logs).
std::string lookOf(const Session& s) {
  const std::string text = withoutPaintLines(s.out);
  const size_t at = text.find("text ");
  return at == std::string::npos ? std::string() : text.substr(at);
}

// Every file of one session equals the other's, named (not dumped) where one differs.
void expectSameFiles(const Session& actual, const Session& expected, const std::string& what) {
  EXPECT_EQ(actual.files.size(), expected.files.size()) << what;
  for (const auto& [name, bytes] : expected.files) {
    EXPECT_TRUE(actual.files.count(name) && actual.files.at(name) == bytes)
        << what << ": " << name << " differs";
  }
}

TEST(CancelledOpen, ChangesNoFilePlaneOrPageState) {
  // Each case: the page reached with the photo "red.bmp" in its planes and slot, then Enter has
  // made "blue.bmp" the current file (no slot takes it). The control then opens the dialog,
  // which is cancelled.
  struct Case {
    const char* name;
    std::string page;     // reaching the page and its work
    std::string control;  // the input that opens the dialog
  };
  const std::string kCall = click(1040, 10);
  const Case cases[] = {
      {"Top Enter", "", "key enter\n"},
      {"Top get image", "", click(40, 256)},
      {"Top Call", "", kCall},
      {"Filter Call", click(240, 10), kCall},
      {"Swap Call", click(320, 10), kCall},
      {"Zindle Eye Call", click(400, 10), kCall},
      {"Change Call", click(480, 10), kCall},
      {"Outline Call", click(560, 10), kCall},
      {"Pattern Call", click(640, 10), kCall},
      {"Transfer Call", click(720, 10), kCall},
      {"Transfer GetShadow", click(720, 10) + test::transfer_keys::kStart + click(500, 300),
       test::transfer_keys::kGetShadow},
      {"Transfer CallReal", click(720, 10), test::transfer_keys::kCallReal},
      {"Appear Call", click(800, 10), kCall},
      {"Appear back image", click(800, 10), click(50, 91)},
      {"Appear transfer image", click(800, 10), click(50, 117)},
  };
  for (const Case& c : cases) {
    const std::string prefix = "open red.bmp\n" + c.page + "open blue.bmp\nkey enter\n";
    const Session kept = run(prefix + kLook);
    const Session cancelled = run(prefix + "cancel\n" + c.control + kLook);
    ASSERT_EQ(cancelled.status, 0) << c.name << ": " << cancelled.err;
    EXPECT_NE(cancelled.out.find("-> cancel"), std::string::npos) << c.name;
    EXPECT_EQ(lookOf(cancelled), lookOf(kept)) << c.name;
    expectSameFiles(cancelled, kept, c.name);
  }
}

TEST(CancelledOpen, AChoiceOrDropThatCannotBeReadChangesNothingEither) {
  const std::string prefix = "open red.bmp\n" + click(320, 10) + "open blue.bmp\nkey enter\n";
  const Session kept = run(prefix + kLook);
  const Session refused = run(prefix + "open red.bmp.missing\n" + click(1040, 10) + kLook);
  ASSERT_EQ(refused.status, 0) << refused.err;
  EXPECT_EQ(lookOf(refused), lookOf(kept));
  expectSameFiles(refused, kept, "unreadable choice");
  const Session dropped = run(prefix + "drop red.bmp.missing\n" + kLook);
  ASSERT_EQ(dropped.status, 0) << dropped.err;
  EXPECT_EQ(lookOf(dropped), lookOf(kept));
  expectSameFiles(dropped, kept, "unreadable drop");
}

}  // namespace
}  // namespace zc

namespace zc {
namespace {

// A page's live view, how to switch it on from the photo "red.bmp", and the page's keep key.
struct LiveView {
  const char* name;
  std::string show;  // from the start: the page's tab and the clicks that switch the view on
  std::string keep;
  const char* slot;
};

const LiveView kLiveViews[] = {
    {"Filter light core", click(240, 10) + click(30, 117) + click(70, 117), click(40, 489),
     "KEEP1.bmp"},
    {"Swap way 12", click(320, 10) + click(20, 75) + click(20, 454), click(20, 735), "KEEP2.bmp"},
    {"Zindle Eye bright", click(400, 10) + click(80, 364), click(40, 304), "KEEP3.bmp"},
    {"Change wk conversion",
     click(480, 10) + click(10, 95) + click(300, 200) + click(10, 334) + click(500, 300) +
         click(20, 497),
     click(10, 576), "KEEP4.bmp"},
    {"Outline fine", click(560, 10) + click(20, 190), click(20, 584), "KEEP5.bmp"},
    {"Pattern zone",
     click(640, 10) + click(30, 97) + click(15, 136) + click(50, 160) + click(300, 200) +
         click(50, 440),
     click(50, 598), "KEEP6.bmp"},
};

// A keep stores the live view once: the next paint shows the kept picture as it is, so a second
// keep stores the same pixels, and the view shown then is the slot.
TEST(CommittedLiveView, ASecondKeepStoresTheSamePicture) {
  for (const LiveView& v : kLiveViews) {
    const Session s = run("open red.bmp\n" + v.show + v.keep + "planes first.bmp\nkey space\n" +
                          v.keep + "planes second.bmp\n");
    ASSERT_EQ(s.status, 0) << v.name << ": " << s.err;
    EXPECT_TRUE(s.files.at("first.bmp") != s.files.at("KEEP0.bmp")) << v.name << ": no live view";
    EXPECT_TRUE(s.files.at("second.bmp") == s.files.at("first.bmp")) << v.name;
    EXPECT_TRUE(s.files.at(v.slot) == s.files.at("first.bmp")) << v.name;
  }
}

TEST(CommittedLiveView, ASecondSaveWritesTheSameFile) {
  for (const LiveView& v : kLiveViews) {
    const Session s = run("open red.bmp\nsave a.bmp\nsave b.bmp\n" + v.show + click(880, 10) +
                          "key space\n" + click(880, 10));
    ASSERT_EQ(s.status, 0) << v.name << ": " << s.err;
    EXPECT_TRUE(s.files.at("a.bmp") != s.files.at("KEEP0.bmp")) << v.name << ": no live view";
    EXPECT_TRUE(s.files.at("b.bmp") == s.files.at("a.bmp")) << v.name;
  }
}

// The white of the Change page's target range is a highlight, never picture content: the SAVE
// tab stores the planes as they are while no conversion is shown, and so does "set KEEP4" once a
// black pixel is appointed as the target colour (the conversion then switches itself off).
TEST(ChangeHighlight, NeitherKeepNorSaveStoresIt) {
  WorkFolder folder;
  Picture halves = test::solidPicture(600, 400, Rgb{0, 0, 0});
  for (int y = 0; y < 400; ++y) {
    for (int x = 300; x < 600; ++x) halves.pixels[static_cast<size_t>(y) * 600 + x] = {90, 90, 90};
  }
  writeBmp("halves.bmp", halves);
  // A click at window y reads the picture row y - 33: the one above the pixel under the pointer.
  const auto r = replay("open halves.bmp\nsave saved.bmp\n" + click(480, 10) + click(10, 95) +
                        click(450, 200) + "pixel 450 199\n" + click(880, 10) + click(150, 200) +
                        click(10, 576) + "pixel 450 199\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("pixel 450 199 255,255,255"), 2) << "no highlight shown";
  EXPECT_EQ(contents("saved.bmp"), contents("KEEP0.bmp"));
  EXPECT_EQ(contents("KEEP4.bmp"), contents("KEEP0.bmp"));
}

// The appoint reads the pixel of the last left press in the image area; moving the pointer over
// another colour and pressing a key adds nothing to the target range.
TEST(ChangeAppoint, ReadsTheLastPressNotThePointer) {
  WorkFolder folder;
  Picture halves = test::solidPicture(600, 400, Rgb{10, 20, 30});
  for (int y = 0; y < 400; ++y) {
    for (int x = 300; x < 600; ++x) halves.pixels[static_cast<size_t>(y) * 600 + x] = {200, 90, 40};
  }
  writeBmp("halves.bmp", halves);
  const auto r = replay("open halves.bmp\n" + click(480, 10) + click(10, 95) + click(150, 200) +
                        "move 550 200\nkey space\nmove 560 250\nkey space\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const ChangePageState& c = ws().change;
  EXPECT_EQ(c.rangeMin[0], 10);
  EXPECT_EQ(c.rangeMax[0], 10);
  EXPECT_EQ(c.appointed[0], 10);
}

}  // namespace
}  // namespace zc

namespace zc {
namespace {

// Red and green count the column and the row from the top (mod 256); blue holds their 256s.
Picture coordinatePicture(int width, int height) {
  Picture p = test::solidPicture(width, height, Rgb{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.pixels[static_cast<size_t>(y) * width + x] =
          Rgb{static_cast<uint8_t>(x % 256), static_cast<uint8_t>(y % 256),
              static_cast<uint8_t>((x / 256) * 16 + y / 256)};
    }
  }
  return p;
}

// Both thumbs run into the far ends of their tracks.
const std::string kToTheEnds = "drag 700 682 1035 682\ndrag 1070 400 1070 645\n";

TEST(ScrollReach, TheLastColumnAndRowAreShownAndClickable) {
  WorkFolder folder;
  const Picture picture = coordinatePicture(1440, 960);
  writeBmp("coordinates.bmp", picture);
  // The Transfer page takes the pixel under the pointer: the last column and the bottom row.
  auto r = replay("open coordinates.bmp\n" + click(720, 10) + test::transfer_keys::kStart +
                  kToTheEnds + "pixel 1059 671\n" + click(1059, 671));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ws().scrollX.pixelShift, 480);
  EXPECT_EQ(ws().scrollY.pixelShift, 320);
  EXPECT_EQ(ws().transfer.vertex[0].column, 1439);
  EXPECT_EQ(ws().transfer.vertex[0].row, 0);
  EXPECT_TRUE(r.has("pixel 1059 671 159,191,83")) << "the bottom-right pixel is not shown";
  // The zone pick reads the row above the pointer (row 958 from the top) in the last column.
  r = replay("open coordinates.bmp\n" + click(640, 10) + click(50, 160) + kToTheEnds +
             click(1059, 671));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ws().pattern.appoint.r, 159);
  EXPECT_EQ(ws().pattern.appoint.g, 190);
}

// A whole view chosen on the Top page does not freeze the scroll bars of a page that shows only
// the normal view.
TEST(ScrollReach, AWholeViewLeftOnTheTopPageDoesNotFreezeOtherPages) {
  WorkFolder folder;
  writeBmp("coordinates.bmp", coordinatePicture(1440, 960));
  const std::string rightArrow = click(1050, 682);
  auto r = replay("open coordinates.bmp\n" + click(40, 433) + click(480, 10) + click(10, 95) +
                  rightArrow + rightArrow + rightArrow + click(400, 300));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ws().wholeViewMode, 1);
  EXPECT_EQ(ws().scrollX.position, 30);
  EXPECT_EQ(ws().scrollX.pixelShift, 46);  // trunc(480 * 30 / 307)
  EXPECT_EQ(ws().change.appointed[0], (400 - 100 + 46) % 256);
  // Where the whole view is shown, its thumbs stay at the start.
  r = replay("open coordinates.bmp\n" + click(400, 10) + click(40, 505) + rightArrow);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ws().wholeViewMode, 1);
  EXPECT_EQ(ws().scrollX.position, 0);
}

// The previous polygon's traced lines go with it: page entry, GetShadow, both reset marks and a
// new start leave none to be drawn at the next polygon's first vertex.
TEST(TraceLines, EndWithTheirPolygon) {
  using namespace test::transfer_keys;
  Picture picture = test::solidPicture(600, 400, Rgb{200, 100, 10});
  auto curve = [](int y) { return 300 + static_cast<int>(std::lround(10.0 * std::sin(y / 15.0))); };
  for (int y = 50; y <= 300; ++y) picture.pixels[static_cast<size_t>(y) * 600 + curve(y)] = Rgb{};
  const std::string traced = "open curve.bmp\n" + kEnter + kTrace + kStart +
                             click(curve(60) + 100, 92) + click(curve(280) + 100, 312);
  const struct {
    const char* name;
    std::string leave;
  } cases[] = {
      {"page entry", kEnter},           {"GetShadow", "open curve.bmp\n" + kGetShadow},
      {"dark reset", click(25, 40)},    {"light reset", click(75, 40)},
      {"start again", kStart + kStart},
  };
  for (const auto& c : cases) {
    WorkFolder folder;
    writeBmp("curve.bmp", picture);
    const auto before = replay(traced);
    ASSERT_GT(ws().transfer.trace[0].length + ws().transfer.trace[1].length, 0) << "no trace";
    const auto r = replay(traced + c.leave);
    ASSERT_EQ(r.status, 0) << c.name << ": " << r.err;
    EXPECT_EQ(ws().transfer.trace[0].length, 0) << c.name;
    EXPECT_EQ(ws().transfer.trace[1].length, 0) << c.name;
  }
}

// Marks another page left in the mark plane (the Pattern page's mask here) are not the brush's:
// switching the brush on shows none and a right click commits none.
TEST(ForeignMarks, NeitherTheBrushNorTheTransferFillUsesThem) {
  WorkFolder folder;
  writeBmp("photo.bmp", ramp(700, 500, 3));
  const std::string pattern = "open photo.bmp\n" + click(640, 10) + click(50, 466);
  auto r = replay(pattern + click(560, 10) + click(20, 360) + "rclick 500 300\nplanes p.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(contents("p.bmp"), contents("KEEP5.bmp"));
  // Brush strokes, then the Transfer page's white fill with no polygon drawn there.
  r = replay("open photo.bmp\n" + click(560, 10) + click(20, 360) + "drag 300 300 600 400\n" +
             test::transfer_keys::kEnter + test::transfer_keys::kDelete + "planes t.bmp\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(contents("t.bmp"), contents("KEEP7.bmp"));
}

}  // namespace
}  // namespace zc
