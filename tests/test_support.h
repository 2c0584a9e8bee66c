#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/rgb.h"

namespace zc::test {

// A fresh empty working folder for one test; the process works inside it until it goes away.
class WorkFolder {
 public:
  WorkFolder();
  ~WorkFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

struct ReplayResult {
  int status = 0;
  std::string out;
  std::string err;
  bool has(const std::string& line) const;     // a whole output line
  int count(const std::string& prefix) const;  // lines starting with prefix
};

// Runs a replay script in-process in the current folder; relative open paths resolve against it.
ReplayResult replay(const std::string& script);

// A simple picture: top-down rows of colours.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row 0 is the top row
  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Picture solidPicture(int width, int height, Rgb colour);
// Writes an ordinary 24-bit BMP (padded rows, bottom-up) as another program would.
void writeBmp(const std::filesystem::path& path, const Picture& picture);
// Reads a file of the program's own layout with the given size (x, y with y = 0 the top row).
Picture readOwnBmp(const std::filesystem::path& path, int width, int height);
// Pixel (x, y), y = 0 the top row, of a file of the program's own layout at the start canvas
// size 1440 x 960.
Rgb keptPixel(const std::filesystem::path& path, int x, int y);
// Reads a 24-bit BMP of any width (padded rows); an empty picture when it is not one.
Picture readBmp(const std::filesystem::path& path);
uintmax_t fileSize(const std::filesystem::path& path);

// A picture as the start canvas holds it: the picture at the top-left, white elsewhere.
Picture onCanvas(const Picture& picture);
// A picture of the given size tiled from another one, so that a view of it scrolls.
Picture tiledPicture(const Picture& tile, int width, int height);
// The replay line of a left click at window point (x, y).
std::string click(int x, int y);

std::string testdata(const std::string& relative);

// Replay lines of page keys, each a click at the middle of the key's click range.
namespace outline_keys {
inline const std::string kEnter = "click 560 10\n";  // the tab "5)Outline"
inline const std::string kFine = "click 20 190\n";
inline const std::string kContrast = "click 20 100\n";
inline const std::string kBrushFat = "click 20 360\n";
inline const std::string kSetKeep5 = "click 20 584\n";
}  // namespace outline_keys

namespace transfer_keys {
inline const std::string kEnter = "click 720 10\n";  // the tab "7)Transfer"
inline const std::string kGetShadow = "click 50 70\n";
inline const std::string kTrace = "click 40 340\n";
inline const std::string kLevelLineFlag = "click 55 315\n";
inline const std::string kVerticalLineFlag = "click 80 315\n";
inline const std::string kStart = "click 25 367\n";
inline const std::string kDelete = "click 30 405\n";
inline const std::string kGrayFlag = "click 88 405\n";
inline const std::string kKeep7 = "click 50 447\n";
inline const std::string kPattern = "click 50 473\n";
inline const std::string kSavePattern = "click 50 525\n";
inline const std::string kCallReal = "click 50 551\n";
inline const std::string kShot = "click 50 577\n";
}  // namespace transfer_keys

}  // namespace zc::test
