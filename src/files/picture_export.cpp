#include "files/picture_export.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#include "files/file_access.h"
#include "platform/platform.h"

namespace zc {

std::string exportSuffix(const std::string& path) {
  std::string suffix = std::filesystem::path(path).extension().string();
  if (suffix.empty()) return {};
  suffix.erase(0, 1);
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* known : {"png", "jpg", "jpeg", "tif", "tiff", "webp"}) {
    if (suffix == known) return suffix;
  }
  return {};
}

bool exportPicture(const std::string& path, const std::string& suffix, const PixelTarget& source,
                   Size picture, Size work) {
  const int w = std::min(picture.width, work.width);
  const int h = std::min(picture.height, work.height);
  if (w <= 0 || h <= 0 || source.rowLength < w) {
    reportWriteFailure(path);
    return false;
  }
  // Top-down rows of the picture: the canvas's top row is its last row in memory.
  std::vector<uint8_t> rows(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    const long cell = static_cast<long>(work.height - 1 - y) * source.rowLength;
    uint8_t* out = rows.data() + static_cast<size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x) {
      for (int c = 0; c < 3; ++c) {
        out[3 * x + c] = source.form == PixelForm::Pixels
                             ? source.pixels[3 * (cell + x) + c]
                             : static_cast<uint8_t>(source.planes.plane[c][cell + x]);
      }
    }
  }
  std::vector<uint8_t> bytes;
  if (!platform().encodePicture(rows.data(), w, h, suffix, kExportQuality, bytes) ||
      !replaceFile(path, bytes.data(), bytes.size())) {
    reportWriteFailure(path);
    return false;
  }
  return true;
}

}  // namespace zc
