#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/workspace.h"
#include "files/bmp_codec.h"
#include "files/keep_files.h"
#include "logged_platform_test.h"
#include "platform/headless/headless_platform.h"
#include "test_support.h"
#include "ui/screen.h"

namespace zc {
namespace {

using test::Picture;
using test::replay;
using test::solidPicture;
using test::WorkFolder;
using test::writeBmp;

constexpr uintmax_t kSlotBytes1440 = 54 + 1440 * 960 * 3;

TEST(ScrollGeometry, ThumbsRangesAndShiftsFollowTheImageSize) {
  struct Case {
    Size image;
    int position;  // both thumbs, clamped to their ranges
    int thumbX, thumbY, rangeX, rangeY, shiftX, shiftY;
  };
  // 640 / 960 * 600 is just below 400 in double arithmetic: the thumb is 399 long. At the end of
  // its range a thumb shows the picture's last column (row) at the view's far edge.
  const Case cases[] = {
      {{1440, 960}, 10000, 613, 399, 307, 201, 480, 320},
      {{1440, 960}, 100, 613, 399, 307, 201, 156, 159},  // trunc(480 * 100 / 307), (320 ...) / 201
      {{1680, 1120}, 10000, 525, 342, 395, 258, 720, 480},
      {{800, 600}, 10000, 920, 600, 0, 0, 0, 0},
      {{1200, 800}, 10000, 736, 480, 184, 120, 240, 160},
  };
  for (const Case& c : cases) {
    resetWorkspace();
    ws().imageSize = c.image;
    ws().scrollX.position = c.position;
    ws().scrollY.position = c.position;
    computeThumbs();
    computePixelShifts();
    EXPECT_EQ(ws().scrollX.thumbLength, c.thumbX);
    EXPECT_EQ(ws().scrollY.thumbLength, c.thumbY);
    EXPECT_EQ(ws().scrollX.range, c.rangeX);
    EXPECT_EQ(ws().scrollY.range, c.rangeY);
    EXPECT_EQ(ws().scrollX.pixelShift, c.shiftX) << c.image.width;
    EXPECT_EQ(ws().scrollY.pixelShift, c.shiftY) << c.image.height;
  }
}

TEST(ScrollGeometry, TrackClicksPageByTwentyAndArrowsByTen) {
  resetWorkspace();
  ws().imageSize = {1440, 960};
  computeThumbs();
  scrollBarPress(1070, 600);  // below the thumb (0..399)
  scrollBarRelease(1070, 600);
  applyScrollCommandAndDrag();
  EXPECT_EQ(ws().scrollY.position, 20);
  scrollBarPress(1070, 60);  // distance 8 lies before the position 20
  scrollBarRelease(1070, 60);
  applyScrollCommandAndDrag();
  EXPECT_EQ(ws().scrollY.position, 0);
  for (int i = 0; i < 40; ++i) {
    scrollBarPress(1050, 680);  // right arrow
    applyScrollCommandAndDrag();
  }
  EXPECT_EQ(ws().scrollX.position, 307);  // stops at the range
}

TEST(ScrollGeometry, ThumbDragFollowsThePointerWhileHeld) {
  resetWorkspace();
  ws().imageSize = {1440, 960};
  computeThumbs();
  scrollBarPress(500, 680);
  scrollBarMove(530, 680);
  EXPECT_EQ(ws().scrollX.position, 30);
  scrollBarMove(530, 600);  // off the bar: the drag ends
  EXPECT_EQ(ws().scrollX.dragActive, 0);
  scrollBarMove(560, 680);
  EXPECT_EQ(ws().scrollX.position, 30);
}

TEST(ScrollGeometry, WholeViewSizeFitsTheFrame) {
  resetWorkspace();
  computeWholeViewSize(800, 600);
  EXPECT_EQ(ws().wholeViewSize, (Size{853, 640}));
  computeWholeViewSize(600, 400);
  EXPECT_EQ(ws().wholeViewSize, (Size{960, 640}));
  computeWholeViewSize(1200, 800);
  EXPECT_EQ(ws().wholeViewSize, (Size{960, 640}));
}

class ShellFlow : public testing::Test {
 protected:
  WorkFolder folder_;
  void SetUp() override {
    writeBmp("red.bmp", solidPicture(800, 600, Rgb{200, 30, 40}));
    writeBmp("blue.bmp", solidPicture(300, 200, Rgb{10, 20, 250}));
  }
};

TEST_F(ShellFlow, OpeningShowsTheImageAndKeepsItAsSlotZero) {
  const auto r = replay(
      "open red.bmp\n"
      "pixel 150 100\npixel 950 100\npixel 150 650\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("dialog open \"BMP File Open\" -> red.bmp")) << r.out;
  EXPECT_TRUE(r.has("title red.bmp / ジンドルキャンバスサンプル vabosample")) << r.out;
  EXPECT_TRUE(r.has("pixel 150 100 200,30,40"));
  EXPECT_TRUE(r.has("pixel 950 100 255,255,255"));  // canvas right of the image
  EXPECT_TRUE(r.has("pixel 150 650 255,255,255"));  // canvas below the image
  EXPECT_EQ(test::fileSize("KEEP0.bmp"), kSlotBytes1440);
  const Picture keep = test::readOwnBmp("KEEP0.bmp", 1440, 960);
  EXPECT_EQ(keep.at(0, 0), (Rgb{200, 30, 40}));
  EXPECT_EQ(keep.at(799, 599), (Rgb{200, 30, 40}));
  EXPECT_EQ(keep.at(800, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(keep.at(0, 600), (Rgb{255, 255, 255}));
}

TEST_F(ShellFlow, CancelledDialogAtStartLeavesAnEmptyWindowAndAsksAgain) {
  const auto r = replay(
      "cancel\n"
      "pixel 99 300\npixel 500 300\n"
      "open red.bmp\n"
      "click 500 300\n"
      "pixel 500 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 2);
  EXPECT_TRUE(r.has("pixel 99 300 255,255,255"));  // no frame was drawn
  EXPECT_TRUE(r.has("pixel 500 300 200,30,40"));
}

TEST_F(ShellFlow, EnterOpensTheDialogWithoutStoringASlot) {
  const auto r = replay(
      "open red.bmp\n"
      "open blue.bmp\n"
      "click 500 300\n"  // the first answer is spent by the start; this click only repaints
      "key enter\n"
      "pixel 150 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 2);
  EXPECT_TRUE(r.has("title blue.bmp / ジンドルキャンバスサンプル vabosample"));
  // Slot 0 was stored when the Top page got its image and keeps it.
  EXPECT_EQ(test::keptPixel("KEEP0.bmp", 0, 0), (Rgb{200, 30, 40}));
}

TEST_F(ShellFlow, TabBarEdgesAndTheCallCellBeyond1060DoNothing) {
  const auto r = replay(
      "open red.bmp\n"
      "click 1070 10\n"
      "click 200 10\n"
      "texts on\nclick 500 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 1);
  EXPECT_FALSE(std::filesystem::exists("KEEP1.bmp"));
  EXPECT_TRUE(r.has("text 120 10 64,64,64 \"0)トップ\""));  // still the Top page's tab bar
}

TEST_F(ShellFlow, EveryTabWritesItsSlotAndTheAppearTabTheBackFile) {
  const auto r = replay(
      "open red.bmp\n"
      "click 240 10\nclick 320 10\nclick 400 10\nclick 480 10\nclick 560 10\n"
      "click 640 10\nclick 720 10\n"
      "click 160 10\nclick 800 10\n");
  ASSERT_EQ(r.status, 0) << r.err;
  for (int slot = 0; slot <= 7; ++slot) {
    EXPECT_EQ(test::fileSize(slotFileName(slot)), kSlotBytes1440) << slot;
  }
  EXPECT_FALSE(std::filesystem::exists("KEEP8.bmp"));  // Appear entered from the Top page
  EXPECT_EQ(test::fileSize("0000back.bmp"), kSlotBytes1440);
}

TEST_F(ShellFlow, CallOnAPageStoresTheChosenPictureInItsSlot) {
  const auto r = replay(
      "open red.bmp\n"
      "open blue.bmp\n"
      "click 320 10\n"   // Swap page
      "click 1040 10\n"  // Call
      "pixel 150 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const Picture keep = test::readOwnBmp("KEEP2.bmp", 1440, 960);
  EXPECT_EQ(keep.at(0, 0), (Rgb{10, 20, 250}));
  EXPECT_EQ(keep.at(300, 0), (Rgb{255, 255, 255}));
  EXPECT_TRUE(r.has("pixel 150 100 10,20,250"));
}

TEST_F(ShellFlow, RestoreReturnsToTheEntryImage) {
  const auto r = replay(
      "open red.bmp\n"
      "open blue.bmp\n"
      "click 240 10\n"   // Filter: KEEP1 holds red
      "click 1040 10\n"  // Call puts blue into KEEP1 and the planes
      "click 320 10\n"   // Swap: KEEP2 holds blue
      "click 960 10\n"   // Restore
      "pixel 150 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("pixel 150 100 10,20,250"));
}

TEST_F(ShellFlow, SaveWritesThePlanesUnderTheChosenNameAndCancelWritesNothing) {
  const auto r = replay(
      "open red.bmp\n"
      "click 400 10\n"
      "cancel\nclick 880 10\n"
      "save saved.bmp\nclick 880 10\n"
      "click 160 10\nclick 40 374\n"  // Top page, English
      "save \"with space.bmp\"\nclick 880 10\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has("dialog save \"名前をつけて保存する\" -> cancel"));
  EXPECT_TRUE(r.has("dialog save \"名前をつけて保存する\" -> saved.bmp"));
  EXPECT_TRUE(r.has("dialog save \"SAVE WITH A NAME\" -> with space.bmp"));
  EXPECT_EQ(test::fileSize("saved.bmp"), kSlotBytes1440);
  EXPECT_EQ(test::keptPixel("saved.bmp", 3, 3), (Rgb{200, 30, 40}));
  EXPECT_EQ(test::fileSize("with space.bmp"), kSlotBytes1440);
}

TEST_F(ShellFlow, CloseNoThenYesEndsAndKeepsTheSlots) {
  const auto r = replay(
      "open red.bmp\n"
      "click 800 10\n"  // writes 0000back.bmp
      "answer no\nanswer yes\nclose\n"
      "click 500 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.has(
      "message \"確認\" \"次のキープ画像ファイルを消してもよいですか？\\n    KEEP0.bmp  KEEP1.bmp  "
      "KEEP2.bmp\\n    KEEP3.bmp  KEEP4.bmp  KEEP5.bmp\\n    KEEP6.bmp  KEEP7.bmp  KEEP8.bmp\" -> "
      "no"))
      << r.out;
  EXPECT_TRUE(r.has("message \"確認\" \"終了してもよろしいですか\" -> yes"));
  EXPECT_TRUE(r.has("exit 0"));
  EXPECT_EQ(r.out.substr(r.out.size() - 7), "exit 0\n");  // nothing runs after the exit
  EXPECT_TRUE(std::filesystem::exists("KEEP0.bmp"));
  EXPECT_FALSE(std::filesystem::exists("0000back.bmp"));
}

TEST_F(ShellFlow, CloseYesThenNoDeletesTheSlotsAndGoesOn) {
  const auto r = replay(
      "open red.bmp\n"
      "click 240 10\n"
      "answer yes\nanswer no\nclose\n"
      "click 500 300\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(r.has("exit 0"));
  EXPECT_FALSE(std::filesystem::exists("KEEP0.bmp"));
  EXPECT_FALSE(std::filesystem::exists("KEEP1.bmp"));
  EXPECT_EQ(r.count("paint"), 3);  // the click after the questions still repaints
}

TEST_F(ShellFlow, PathLongerThanThePathBufferIsRefused) {
  std::filesystem::path deep = std::string(120, 'a');
  deep /= std::string(120, 'b');
  std::filesystem::create_directories(deep);
  const std::string longPath = (std::filesystem::current_path() / deep / "red.bmp").string();
  ASSERT_GT(longPath.size(), 260u);
  std::filesystem::copy_file("red.bmp", longPath);
  const auto r = replay("open " + longPath + "\nopen blue.bmp\nclick 500 300\npixel 150 100\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.count("dialog open"), 2);
  EXPECT_TRUE(r.has("pixel 150 100 10,20,250"));
}

TEST_F(ShellFlow, ScriptErrorsStopWithStatusTwo) {
  EXPECT_EQ(replay("open red.bmp\nfrobnicate 1 2\n").status, 2);
  EXPECT_EQ(replay("open red.bmp\nclick 1\n").status, 2);
  EXPECT_EQ(replay("click 10 10\n").status, 2);  // the start's open dialog has no answer
}

// Coordinates beyond 16 bits, overlong lines and an endless queue of answers stop the run with
// one line naming the script line, before anything runs out of range or fills memory.
TEST_F(ShellFlow, ScriptsBeyondTheDriversBoundsStopWithOneLine) {
  std::string manyAnswers;
  for (int i = 0; i < 1001; ++i) manyAnswers += "answer yes\n";
  const struct {
    std::string script;
    int status;
    std::string firstWords;  // of the message on standard error
  } cases[] = {
      {"open red.bmp\nclick 32767 -32768\ndrag -32768 0 32767 0\n", 0, ""},
      {"open red.bmp\nclick 32768 5\n", 2, "line 2: malformed line"},
      {"open red.bmp\ndrag 0 0 0 -32769\n", 2, "line 2: malformed line"},
      {"open red.bmp\nclick 2147483647 -2147483648\n", 2, "line 2: malformed line"},
      {"open red.bmp\n# " + std::string(4094, 'x') + "\n", 0, ""},
      {"open red.bmp\n# " + std::string(4095, 'x') + "\nclick 1 1\n", 2,
       "line 2: line longer than 4096 bytes"},
      {std::string(100000, 'z'), 2, "line 1: line longer than 4096 bytes"},
      {manyAnswers, 2, "line 1001: too many answers queued"},
  };
  for (const auto& c : cases) {
    const auto r = replay(c.script);
    const std::string shown = c.script.substr(0, 60);
    EXPECT_EQ(r.status, c.status) << shown << r.err;
    if (c.status == 0) {
      EXPECT_EQ(r.err, "") << shown;
      continue;
    }
    EXPECT_EQ(r.err.rfind(c.firstWords, 0), 0u) << shown << r.err.substr(0, 80);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << shown;  // one line
    EXPECT_LE(r.err.size(), 4200u) << shown;
  }
}

class FileCodec : public test::LoggedPlatformTest {};

TEST_F(FileCodec, PlaneValuesAreWrittenAsTheirLowEightBits) {
  plane(0)[0] = 256;
  plane(1)[0] = 300;
  plane(2)[0] = -1;
  plane(0)[1440] = 7;  // cell (0, 1)
  ASSERT_TRUE(writeSlotFile(3, planesTarget()));
  std::ifstream in("KEEP3.bmp", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), kSlotBytes1440);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<uint8_t>(bytes[54]), 0);
  EXPECT_EQ(static_cast<uint8_t>(bytes[55]), 44);
  EXPECT_EQ(static_cast<uint8_t>(bytes[56]), 255);
  EXPECT_EQ(static_cast<uint8_t>(bytes[54 + 1440 * 3]), 7);
}

TEST_F(FileCodec, MissingSlotIsCreatedEmptyAndReadsBlack) {
  for (int k = 0; k < 3; ++k) plane(k)[5] = 99;
  ASSERT_TRUE(readSlotFile(4, planesTarget()));
  EXPECT_TRUE(std::filesystem::exists("KEEP4.bmp"));
  EXPECT_EQ(test::fileSize("KEEP4.bmp"), 0u);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(plane(k)[5], 0);
}

TEST_F(FileCodec, ShortFileReadsZerosWhereItEnds) {
  std::string bytes(54 + 6, '\x11');
  std::ofstream("KEEP1.bmp", std::ios::binary) << bytes;
  for (int k = 0; k < 3; ++k) plane(k)[2] = 99;
  ASSERT_TRUE(readSlotFile(1, planesTarget()));
  EXPECT_EQ(plane(0)[1], 0x11);
  EXPECT_EQ(plane(0)[2], 0);
}

TEST_F(FileCodec, FailedWriteReportsAndLeavesNoPartialFile) {
  std::ofstream("plain-file") << "x";
  EXPECT_FALSE(writeImageFile("plain-file/x.bmp", planesTarget(), ws().canvasSize));
  EXPECT_NE(log_.find("message \"PutBmp\" \"ピクセルデータの書き込みに失敗しました\" -> ok"),
            std::string::npos);
  // A write goes to a side file first; an entry already under the side file's name is left
  // alone and another name is taken.
  std::ofstream("KEEP6.bmp") << "old";
  std::filesystem::create_directory("KEEP6.bmp.part");
  EXPECT_TRUE(writeSlotFile(6, planesTarget()));
  EXPECT_EQ(test::fileSize("KEEP6.bmp"), kSlotBytes1440);
  EXPECT_TRUE(std::filesystem::is_directory("KEEP6.bmp.part"));
  std::ofstream("KEEP5.bmp") << "old";
  ASSERT_TRUE(writeSlotFile(5, planesTarget()));
  EXPECT_EQ(test::fileSize("KEEP5.bmp"), kSlotBytes1440);
  EXPECT_FALSE(std::filesystem::exists("KEEP5.bmp.part"));
}

// Every file of the reader test suite is tried as the start image: nothing may crash or hang,
// and a file that cannot be read leaves the open dialog to be asked again.
TEST(TestSuiteImages, EveryFileEitherLoadsOrAsksAgain) {
  for (const char* group : {"good", "questionable", "bad"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(test::testdata(std::string("bmpsuite/") + group))) {
      WorkFolder folder;
      const std::string path = entry.path().string();
      const auto r = replay("open \"" + path + "\"\ncancel\nclick 500 300\n");
      ASSERT_EQ(r.status, 0) << path << r.err;
      const bool loaded = std::filesystem::exists("KEEP0.bmp");
      EXPECT_EQ(r.count("dialog open"), loaded ? 1 : 2) << path;
      if (std::string(group) == "good") {
        EXPECT_TRUE(loaded) << path;
      }
    }
  }
}

}  // namespace
}  // namespace zc
