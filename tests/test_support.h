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

std::string testdata(const std::string& relative);

}  // namespace zc::test
