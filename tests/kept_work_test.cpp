// Flows in which a user's kept work must survive: a cancelled open dialog, a keep or save followed
// by more paints, and marks or highlights that belong to no picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

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

TEST(CancelledOpen, AChoiceThatCannotBeReadChangesNothingEither) {
  const std::string prefix = "open red.bmp\n" + click(320, 10) + "open blue.bmp\nkey enter\n";
  const Session kept = run(prefix + kLook);
  const Session refused = run(prefix + "open red.bmp.missing\n" + click(1040, 10) + kLook);
  ASSERT_EQ(refused.status, 0) << refused.err;
  EXPECT_EQ(lookOf(refused), lookOf(kept));
  expectSameFiles(refused, kept, "unreadable choice");
}

}  // namespace
}  // namespace zc
