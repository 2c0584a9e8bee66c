#include "platform/bitmap_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace zc {

namespace {

// A file bigger than this would decode beyond the image reader's own allocation limit anyway.
constexpr off_t kLargestFile = off_t{256} << 20;

// Which file a decoded picture came from: the same path, the same file on disk, unchanged.
struct FileIdentity {
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  bool operator==(const FileIdentity& o) const {
    return path == o.path && device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
  }
};

FileIdentity identityOf(const std::string& path, const struct stat& st) {
  return FileIdentity{path, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

// The last file decoded, kept while the file on disk is the same. A file that could not be
// decoded is remembered as such, so a bad file is not decoded twice per paint either.
struct DecodedFile {
  FileIdentity identity;
  bool valid = false;  // identity describes a file tried before
  bool decoded = false;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // top-down rows of blue, green, red, no padding
};

DecodedFile& lastFile() {
  static DecodedFile file;
  return file;
}

// Reads the whole file, which must be a regular file. It is opened non-blocking, so a FIFO or
// device put in its place after the look at its type cannot stall the program.
bool readRegularFile(const std::string& path, QByteArray& bytes, struct stat& st) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kLargestFile;
  if (ok) {
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qsizetype got = 0;
    while (ok && got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;  // the file got shorter meanwhile: decode what is there
        bytes.resize(got);
        break;
      }
      got += n;
    }
  }
  ::close(fd);
  return ok;
}

bool decode(const QByteArray& bytes, const std::string& path, DecodedFile& out) {
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  // The name's suffix is a hint only, as when the reader opens the file itself; the content
  // decides when the hint is wrong.
  std::string suffix = std::filesystem::path(path).extension().string();
  if (!suffix.empty()) suffix.erase(0, 1);
  QImageReader reader(&buffer, QByteArray::fromStdString(suffix).toLower());
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
  const std::string key = std::filesystem::absolute(path, error).string();
  if (error) return false;
  // Only a regular file is opened at all: a FIFO would block, a device may act on being opened.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;

  DecodedFile& last = lastFile();
  if (!(last.valid && last.identity == identityOf(key, st))) {
    last.valid = false;
    last.decoded = false;
    last.width = last.height = 0;
    last.pixels = {};
    QByteArray bytes;
    if (!readRegularFile(path, bytes, st)) return false;
    last.decoded = decode(bytes, path, last);
    if (!last.decoded) last.pixels = {};
    last.identity = identityOf(key, st);
    last.valid = true;
  }
  if (!last.decoded) return false;
  bitmap.width = last.width;
  bitmap.height = last.height;
  bitmap.pixels = last.pixels.data();
  return true;
}

}  // namespace zc
