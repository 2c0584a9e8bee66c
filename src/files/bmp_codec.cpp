#include "files/bmp_codec.h"

#include <cstring>

#include "core/workspace.h"
#include "files/file_access.h"
#include "platform/platform.h"
#include "text/labels.h"

namespace zc {
namespace {

void put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The cells a file touches must lie inside the stores and inside the addressed picture.
bool fitsStores(const PixelTarget& t, Size size) {
  if (size.width <= 0 || size.height <= 0) return false;
  if (size.width > t.rowLength || t.rowLength > kMaxCanvasWidth) return false;
  const long cells = static_cast<long>(t.rowLength) * (size.height - 1) + size.width;
  return cells <= kPlaneCells;
}

// The codec's one file buffer, kept between calls: every read and write of the same canvas size
// reuses the same memory instead of mapping megabytes afresh.
std::vector<uint8_t>& fileBuffer(size_t bytes) {
  static std::vector<uint8_t> buffer;
  buffer.resize(bytes);
  return buffer;
}

// One row of the planes, from cell `row` on, as planes of their own: the file's rows go through
// the canvas copies, sixteen pixels a step.
PlaneView rowPlanes(const PlaneView& planes, long row, int width) {
  return PlaneView{{planes.plane[0] + row, planes.plane[1] + row, planes.plane[2] + row}, width, 1};
}

void failWrite() {
  platform().messageBox(tr(kPixelWriteFailureTitle.japanese, kPixelWriteFailureTitle.english),
                        tr(kPixelWriteFailureText.japanese, kPixelWriteFailureText.english),
                        MessageBoxKind::Ok);
}
void failRead() {
  platform().messageBox(tr(kPixelReadFailureTitle.japanese, kPixelReadFailureTitle.english),
                        tr(kPixelReadFailureText.japanese, kPixelReadFailureText.english),
                        MessageBoxKind::Ok);
}

}  // namespace

PixelTarget canvasTarget() {
  PixelTarget t;
  t.form = PixelForm::Pixels;
  t.pixels = canvasBuffer();
  t.rowLength = ws().workSize.width;
  return t;
}

PixelTarget planesTarget() {
  PixelTarget t;
  t.form = PixelForm::Planes;
  t.planes = workPlanes();
  t.rowLength = ws().workSize.width;
  return t;
}

std::vector<uint8_t> bmpHeader(int width, int height) {
  std::vector<uint8_t> h(kBmpHeaderBytes, 0);
  const uint32_t imageBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 3u;
  h[0] = 'B';
  h[1] = 'M';
  put32(&h[2], kBmpHeaderBytes + imageBytes);
  put32(&h[10], kBmpHeaderBytes);
  put32(&h[14], 40);
  put32(&h[18], static_cast<uint32_t>(width));
  put32(&h[22], static_cast<uint32_t>(height));
  put16(&h[26], 1);
  put16(&h[28], 24);
  put32(&h[34], imageBytes);
  return h;
}

bool writeImageFile(const std::string& path, const PixelTarget& source, Size size,
                    Durability durability) {
  if (!fitsStores(source, size)) {
    failWrite();
    return false;
  }
  const int w = size.width, h = size.height;
  std::vector<uint8_t>& data = fileBuffer(kBmpHeaderBytes + static_cast<size_t>(w) * h * 3);
  const std::vector<uint8_t> header = bmpHeader(w, h);
  std::memcpy(data.data(), header.data(), header.size());
  uint8_t* out = data.data() + kBmpHeaderBytes;
  const size_t rowBytes = 3 * static_cast<size_t>(w);
  for (int y = 0; y < h; ++y, out += rowBytes) {
    const long row = static_cast<long>(y) * source.rowLength;
    if (source.form == PixelForm::Pixels) {
      std::memcpy(out, source.pixels + 3 * row, rowBytes);
      continue;
    }
    copyPlanesToPixels(rowPlanes(source.planes, row, w), PixelView{out, w, 1});
  }

  if (!replaceFile(path, data.data(), data.size(), durability)) {
    failWrite();
    return false;
  }
  return true;
}

void reportWriteFailure(const std::string& path) {
  platform().messageBox(
      tr(kPixelWriteFailureTitle.japanese, kPixelWriteFailureTitle.english),
      path + "\n" + tr(kPixelWriteFailureText.japanese, kPixelWriteFailureText.english),
      MessageBoxKind::Ok);
}

bool readImageFile(const std::string& path, const PixelTarget& target, Size size) {
  if (!fitsStores(target, size)) {
    failRead();
    return false;
  }
  // A slot that was never written is created empty and reads as black; anything but a regular
  // file is refused without waiting on it.
  const int fd = openRegularFileForReading(path);
  if (fd < 0) {
    failRead();
    return false;
  }
  const int w = size.width, h = size.height;
  // A scratch picture of the file's own rows takes the pixels straight from the file.
  const bool direct = target.form == PixelForm::Pixels && target.scratch && target.rowLength == w;
  // The header is read but not looked at; pixels follow only a whole header.
  const size_t pixelBytes = static_cast<size_t>(w) * h * 3;
  uint8_t header[kBmpHeaderBytes];
  uint8_t* const pixels = direct ? target.pixels : fileBuffer(pixelBytes).data();
  size_t got = 0;
  bool readOk = readUpTo(fd, header, kBmpHeaderBytes, got);
  size_t pixelsGot = 0;
  if (readOk && got == kBmpHeaderBytes) readOk = readUpTo(fd, pixels, pixelBytes, pixelsGot);
  closeFile(fd);
  if (!readOk) {
    failRead();
    return false;
  }
  // Bytes the file does not hold read as black.
  std::memset(pixels + pixelsGot, 0, pixelBytes - pixelsGot);
  if (direct) return true;
  uint8_t* in = pixels;
  const size_t rowBytes = 3 * static_cast<size_t>(w);
  for (int y = 0; y < h; ++y, in += rowBytes) {
    const long row = static_cast<long>(y) * target.rowLength;
    if (target.form == PixelForm::Pixels) {
      std::memcpy(target.pixels + 3 * row, in, rowBytes);
      continue;
    }
    copyPixelsToPlanes(PixelView{in, w, 1}, rowPlanes(target.planes, row, w));
  }
  return true;
}

}  // namespace zc
