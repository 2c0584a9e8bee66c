#include "platform/bitmap_loader.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zc {

namespace {

// The last file decoded, kept while the file on disk is the same (path, size and modification
// time unchanged). A file that could not be decoded is remembered as such, so a bad file is not
// decoded twice per paint either.
struct DecodedFile {
  std::string path;
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified{};
  bool valid = false;  // the fields above describe a file tried before
  bool decoded = false;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // top-down rows of blue, green, red, no padding
};

DecodedFile& lastFile() {
  static DecodedFile file;
  return file;
}

bool decode(const std::string& path, DecodedFile& out) {
  QImageReader reader(QString::fromStdString(path));
  // Pixels as stored in the file: no rotation from photo metadata.
  reader.setAutoTransform(false);
  QImage image;
  if (!reader.read(&image) || image.isNull() || image.width() <= 0 || image.height() <= 0) {
    return false;
  }
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  if (bgr.isNull()) return false;
  const size_t rowBytes = static_cast<size_t>(bgr.width()) * 3;
  out.pixels.resize(rowBytes * static_cast<size_t>(bgr.height()));
  for (int y = 0; y < bgr.height(); ++y) {
    std::memcpy(out.pixels.data() + rowBytes * static_cast<size_t>(y), bgr.constScanLine(y),
                rowBytes);
  }
  out.width = bgr.width();
  out.height = bgr.height();
  return true;
}

}  // namespace

bool loadBitmapFile(const std::string& path, LoadedBitmap& bitmap) {
  bitmap = LoadedBitmap{};
  if (path.empty()) return false;
  std::error_code error;
  // Keyed by the absolute path: the same name in another folder is another file.
  const std::filesystem::path file = std::filesystem::absolute(path, error);
  if (error || !std::filesystem::is_regular_file(file, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return false;
  const auto modified = std::filesystem::last_write_time(file, error);
  if (error) return false;

  DecodedFile& last = lastFile();
  const std::string key = file.string();
  if (!(last.valid && last.path == key && last.size == size && last.modified == modified)) {
    last.valid = false;
    last.decoded = false;
    last.width = last.height = 0;
    last.pixels.clear();
    last.decoded = decode(path, last);
    if (!last.decoded) last.pixels = {};
    last.path = key;
    last.size = size;
    last.modified = modified;
    last.valid = true;
  }
  if (!last.decoded) return false;
  bitmap.width = last.width;
  bitmap.height = last.height;
  bitmap.pixels = last.pixels.data();
  return true;
}

}  // namespace zc
