#include "test_support.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

#include "replay/replay.h"

namespace zc::test {

WorkFolder::WorkFolder() {
  previous_ = std::filesystem::current_path();
  // The process id keeps test processes that run side by side apart; the random part keeps
  // folders of one process apart.
  std::random_device rd;
  do {
    path_ = std::filesystem::temp_directory_path() /
            ("zindle-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
  } while (!std::filesystem::create_directory(path_));
  std::filesystem::current_path(path_);
}

WorkFolder::~WorkFolder() {
  std::filesystem::current_path(previous_);
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

bool ReplayResult::has(const std::string& line) const {
  std::istringstream in(out);
  std::string l;
  while (std::getline(in, l)) {
    if (l == line) return true;
  }
  return false;
}

int ReplayResult::count(const std::string& prefix) const {
  std::istringstream in(out);
  std::string l;
  int n = 0;
  while (std::getline(in, l)) n += l.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

ReplayResult replay(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  ReplayResult r;
  r.status = runReplay(in, std::filesystem::current_path().string(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

Picture solidPicture(int width, int height, Rgb colour) {
  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<size_t>(width) * height, colour);
  return p;
}

namespace {
void put32(std::string& s, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
}
uint32_t get32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(s[at + i]);
  return v;
}
std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace

void writeBmp(const std::filesystem::path& path, const Picture& p) {
  const int rowBytes = (p.width * 3 + 3) / 4 * 4;
  std::string data(54 + static_cast<size_t>(rowBytes) * p.height, '\0');
  data[0] = 'B';
  data[1] = 'M';
  put32(data, 2, static_cast<uint32_t>(data.size()));
  put32(data, 10, 54);
  put32(data, 14, 40);
  put32(data, 18, static_cast<uint32_t>(p.width));
  put32(data, 22, static_cast<uint32_t>(p.height));
  data[26] = 1;
  data[28] = 24;
  for (int y = 0; y < p.height; ++y) {
    const size_t row = 54 + static_cast<size_t>(p.height - 1 - y) * rowBytes;
    for (int x = 0; x < p.width; ++x) {
      const Rgb c = p.at(x, y);
      data[row + 3 * x] = static_cast<char>(c.b);
      data[row + 3 * x + 1] = static_cast<char>(c.g);
      data[row + 3 * x + 2] = static_cast<char>(c.r);
    }
  }
  std::ofstream(path, std::ios::binary) << data;
}

Picture readOwnBmp(const std::filesystem::path& path, int width, int height) {
  const std::string data = readAll(path);
  Picture p = solidPicture(width, height, Rgb{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = 54 + (static_cast<size_t>(height - 1 - y) * width + x) * 3;
      if (at + 2 < data.size()) {
        p.pixels[static_cast<size_t>(y) * width + x] =
            Rgb{static_cast<uint8_t>(data[at + 2]), static_cast<uint8_t>(data[at + 1]),
                static_cast<uint8_t>(data[at])};
      }
    }
  }
  return p;
}

Rgb keptPixel(const std::filesystem::path& path, int x, int y) {
  return readOwnBmp(path, 1440, 960).at(x, y);
}

Picture readBmp(const std::filesystem::path& path) {
  const std::string data = readAll(path);
  if (data.size() < 54 || data[0] != 'B' || data[1] != 'M') return {};
  const int width = static_cast<int>(get32(data, 18));
  const int height = static_cast<int>(get32(data, 22));
  const uint32_t offset = get32(data, 10);
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  if (width <= 0 || height <= 0 || offset + static_cast<size_t>(rowBytes) * height > data.size()) {
    return {};
  }
  Picture p = solidPicture(width, height, Rgb{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = offset + static_cast<size_t>(height - 1 - y) * rowBytes + 3 * x;
      p.pixels[static_cast<size_t>(y) * width + x] =
          Rgb{static_cast<uint8_t>(data[at + 2]), static_cast<uint8_t>(data[at + 1]),
              static_cast<uint8_t>(data[at])};
    }
  }
  return p;
}

uintmax_t fileSize(const std::filesystem::path& path) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  return ec ? 0 : size;
}

std::string testdata(const std::string& relative) {
  return std::string(ZINDLE_TESTDATA) + "/" + relative;
}

}  // namespace zc::test
