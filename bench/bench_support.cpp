#include "bench_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/workspace.h"

namespace zc::bench {

namespace {
constexpr int kPhotoWidth = 768, kPhotoHeight = 512, kHeaderBytes = 54;
}

const std::vector<uint8_t>& photographPixels() {
  static const std::vector<uint8_t> pixels = [] {
    std::ifstream in(std::string(ZINDLE_TESTDATA) + "/photos/kodim23.bmp", std::ios::binary);
    const std::vector<char> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    std::vector<uint8_t> out;
    if (data.size() < kHeaderBytes + static_cast<size_t>(kPhotoWidth) * kPhotoHeight * 3) {
      return out;
    }
    out.resize(static_cast<size_t>(kWidth) * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const size_t from =
            kHeaderBytes +
            (static_cast<size_t>(y % kPhotoHeight) * kPhotoWidth + x % kPhotoWidth) * 3;
        std::copy(&data[from], &data[from] + 3, &out[(static_cast<size_t>(y) * kWidth + x) * 3]);
      }
    }
    return out;
  }();
  return pixels;
}

std::string writePhotograph(const std::vector<uint8_t>& pixels, const std::string& name) {
  std::vector<char> header(kHeaderBytes, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = static_cast<char>(v >> (8 * i));
  };
  header[0] = 'B';
  header[1] = 'M';
  put32(2, static_cast<uint32_t>(kHeaderBytes + pixels.size()));
  put32(10, kHeaderBytes);
  put32(14, 40);
  put32(18, kWidth);
  put32(22, kHeight);
  header[26] = 1;
  header[28] = 24;
  put32(34, static_cast<uint32_t>(pixels.size()));
  const std::string path = (std::filesystem::path(enterWorkFolder()) / name).string();
  std::ofstream out(path, std::ios::binary);
  out.write(header.data(), static_cast<std::streamsize>(header.size()));
  out.write(reinterpret_cast<const char*>(pixels.data()),
            static_cast<std::streamsize>(pixels.size()));
  return path;
}

const std::string& photographFile() {
  static const std::string path = writePhotograph(photographPixels(), "parrots-1440x960.bmp");
  return path;
}

std::string enterWorkFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "zindle-bench-work";
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  return folder.string();
}

void send(MessageKind kind, int x, int y) {
  Message m{kind};
  m.x = x;
  m.y = y;
  shellWindowProcedure().handle(m);
}

ProgramRun::ProgramRun(const std::string& photo) {
  enterWorkFolder();
  setPlatform(&platform);
  resetWorkspace();
  platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, photo, photo});
  paint();
}

ProgramRun::~ProgramRun() {
  setPlatform(nullptr);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace zc::bench
