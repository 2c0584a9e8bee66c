#include "platform/bitmap_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace zc {

namespace {

// A file bigger than this is not read: no picture the program opens needs more.
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
  PictureRequest request;
  bool valid = false;  // identity and request describe a decode tried before
  PictureResult result = PictureResult::Unreadable;
  int width = 0;
  int height = 0;
  int fullWidth = 0;
  int fullHeight = 0;
  uint64_t generation = 0;
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

// Where a rectangle of the picture as shown lies in the picture as stored. The reader turns
// the picture after decoding: mirror and flip first, then a quarter turn clockwise.
QRect storedRect(const QRect& shown, QSize stored, QImageIOHandler::Transformations t) {
  auto toStored = [&](int x, int y) {
    QPoint p(x, y);
    if (t & QImageIOHandler::TransformationRotate90) p = QPoint(y, stored.height() - 1 - x);
    if (t & QImageIOHandler::TransformationMirror) p.setX(stored.width() - 1 - p.x());
    if (t & QImageIOHandler::TransformationFlip) p.setY(stored.height() - 1 - p.y());
    return p;
  };
  const QPoint a = toStored(shown.left(), shown.top());
  const QPoint b = toStored(shown.right(), shown.bottom());
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// The reduction 1/2, 1/4 or 1/8 at which the JPEG decoder itself gives exactly the stored size
// divided, still at least `need`; 1 when there is none. Only exact divisions are used, so the
// reader never scales on top of the decoder.
int jpegReduction(QSize stored, QSize need) {
  for (int d : {8, 4, 2}) {
    if (stored.width() % d == 0 && stored.height() % d == 0 && stored.width() / d >= need.width() &&
        stored.height() / d >= need.height()) {
      return d;
    }
  }
  return 1;
}

void (*busyHook)(bool) = nullptr;

struct BusyWhileDecoding {
  BusyWhileDecoding() {
    if (busyHook) busyHook(true);
  }
  ~BusyWhileDecoding() {
    if (busyHook) busyHook(false);
  }
};

bool openReader(QBuffer& buffer, const QByteArray& bytes, const std::string& path,
                std::unique_ptr<QImageReader>& reader) {
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  // The name's suffix is a hint only, as when the reader opens the file itself; the content
  // decides when the hint is wrong.
  std::string suffix = std::filesystem::path(path).extension().string();
  if (!suffix.empty()) suffix.erase(0, 1);
  reader = std::make_unique<QImageReader>(&buffer, QByteArray::fromStdString(suffix).toLower());
  // A photograph shows the way up its camera wrote down.
  reader->setAutoTransform(true);
  return true;
}

PictureResult decode(const QByteArray& bytes, const std::string& path,
                     const PictureRequest& request, DecodedFile& out) {
  // 120 megapixels of 4 bytes, the widest form the reader decodes into.
  QImageReader::setAllocationLimit(static_cast<int>((kLargestPicturePixels * 4) >> 20) + 1);
  QBuffer buffer;
  std::unique_ptr<QImageReader> reader;
  if (!openReader(buffer, bytes, path, reader)) return PictureResult::Unreadable;

  const QSize stored = reader->size();
  const QImageIOHandler::Transformations turn = reader->transformation();
  const bool quarter = turn & QImageIOHandler::TransformationRotate90;
  QSize shown = quarter ? stored.transposed() : stored;
  QSize expected;  // what the read must give, the right way up; empty when not known
  if (stored.isValid() && !stored.isEmpty()) {
    if (int64_t{stored.width()} * stored.height() > kLargestPicturePixels) {
      out.fullWidth = shown.width();
      out.fullHeight = shown.height();
      return PictureResult::TooLarge;
    }
    const bool larger = request.maxWidth > 0 && request.maxHeight > 0 &&
                        (shown.width() > request.maxWidth || shown.height() > request.maxHeight);
    if (larger && !request.fit) {
      const QRect kept(0, 0, std::min(shown.width(), request.maxWidth),
                       std::min(shown.height(), request.maxHeight));
      reader->setClipRect(storedRect(kept, stored, turn));
      expected = kept.size();
    } else if (larger && (reader->format() == "jpeg" || reader->format() == "jpg")) {
      const PictureSize fit =
          fittedSize(shown.width(), shown.height(), request.maxWidth, request.maxHeight);
      const QSize need = quarter ? QSize(fit.height, fit.width) : QSize(fit.width, fit.height);
      const int d = jpegReduction(stored, need);
      if (d > 1) {
        reader->setClipRect(QRect(QPoint(0, 0), stored));
        reader->setScaledSize(stored / d);
        expected = quarter ? (stored / d).transposed() : stored / d;
      }
    }
  }
  QImage image;
  bool ok = reader->read(&image) && !image.isNull() && image.width() > 0 && image.height() > 0;
  if (ok && !expected.isEmpty() && image.size() != expected) {
    // The reader did not decode as asked: take the whole picture instead of its guess.
    image = QImage();
    buffer.close();
    if (!openReader(buffer, bytes, path, reader)) return PictureResult::Unreadable;
    ok = reader->read(&image) && !image.isNull() && image.width() > 0 && image.height() > 0;
  }
  if (!ok) return PictureResult::Unreadable;
  if (expected.isEmpty()) shown = image.size();
  if (int64_t{shown.width()} * shown.height() > kLargestPicturePixels) {
    out.fullWidth = shown.width();
    out.fullHeight = shown.height();
    return PictureResult::TooLarge;
  }
  const size_t rowBytes = static_cast<size_t>(image.width()) * 3;
  if (image.format() == QImage::Format_RGB32) {
    // The decoders' usual form: opaque 0xffRRGGBB words, taken row by row without a second
    // whole copy of the picture.
    out.pixels.resize(rowBytes * static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
      const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      uint8_t* row = out.pixels.data() + rowBytes * static_cast<size_t>(y);
      for (int x = 0; x < image.width(); ++x) {
        row[3 * x] = static_cast<uint8_t>(qBlue(in[x]));
        row[3 * x + 1] = static_cast<uint8_t>(qGreen(in[x]));
        row[3 * x + 2] = static_cast<uint8_t>(qRed(in[x]));
      }
    }
  } else {
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    image = QImage();
    if (bgr.isNull()) return PictureResult::Unreadable;
    out.pixels.resize(rowBytes * static_cast<size_t>(bgr.height()));
    for (int y = 0; y < bgr.height(); ++y) {
      std::memcpy(out.pixels.data() + rowBytes * static_cast<size_t>(y), bgr.constScanLine(y),
                  rowBytes);
    }
  }
  out.width = static_cast<int>(rowBytes / 3);
  out.height = static_cast<int>(out.pixels.size() / rowBytes);
  out.fullWidth = shown.width();
  out.fullHeight = shown.height();
  return PictureResult::Loaded;
}

}  // namespace

void setDecodeBusyHook(void (*hook)(bool busy)) {
  busyHook = hook;
}

PictureResult loadPictureFile(const std::string& path, const PictureRequest& request,
                              LoadedBitmap& bitmap) {
  bitmap = LoadedBitmap{};
  if (path.empty()) return PictureResult::Unreadable;
  std::error_code error;
  // Keyed by the absolute path: the same name in another folder is another file.
  const std::string key = std::filesystem::absolute(path, error).string();
  if (error) return PictureResult::Unreadable;
  // Only a regular file is opened at all: a FIFO would block, a device may act on being opened.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return PictureResult::Unreadable;

  DecodedFile& last = lastFile();
  if (!(last.valid && last.identity == identityOf(key, st) && last.request == request)) {
    static uint64_t generations = 0;
    last.valid = false;
    last.result = PictureResult::Unreadable;
    last.width = last.height = last.fullWidth = last.fullHeight = 0;
    last.pixels = {};
    last.generation = ++generations;
    QByteArray bytes;
    if (!readRegularFile(path, bytes, st)) return PictureResult::Unreadable;
    {
      BusyWhileDecoding busy;
      last.result = decode(bytes, path, request, last);
    }
    if (last.result != PictureResult::Loaded) last.pixels = {};
    last.identity = identityOf(key, st);
    last.request = request;
    last.valid = true;
  }
  bitmap.fullWidth = last.fullWidth;
  bitmap.fullHeight = last.fullHeight;
  if (last.result != PictureResult::Loaded) return last.result;
  bitmap.width = last.width;
  bitmap.height = last.height;
  bitmap.pixels = last.pixels.data();
  bitmap.generation = last.generation;
  return PictureResult::Loaded;
}

bool loadBitmapFile(const std::string& path, LoadedBitmap& bitmap) {
  return loadPictureFile(path, PictureRequest{}, bitmap) == PictureResult::Loaded;
}

bool encodePictureBytes(const uint8_t* pixels, int width, int height, const std::string& suffix,
                        int quality, std::vector<uint8_t>& out) {
  out.clear();
  if (!pixels || width <= 0 || height <= 0) return false;
  QByteArray format = QByteArray::fromStdString(suffix).toLower();
  if (format == "jpg") format = "jpeg";
  if (format == "tif") format = "tiff";
  // The rows are the caller's: the image only looks at them while it is written.
  const QImage image(pixels, width, height, static_cast<qsizetype>(width) * 3,
                     QImage::Format_BGR888);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  QImageWriter writer(&buffer, format);
  if (!writer.canWrite()) return false;
  writer.setQuality(quality);
  // The whole picture in one piece, whatever the format's own default.
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull() || !writer.write(rgb)) return false;
  buffer.close();
  out.assign(reinterpret_cast<const uint8_t*>(bytes.constData()),
             reinterpret_cast<const uint8_t*>(bytes.constData()) + bytes.size());
  return true;
}

}  // namespace zc
