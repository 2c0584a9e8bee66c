#include "files/bmp_codec.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace zc {
namespace {

constexpr const char* kWriteFailureText = "ピクセルデータの書き込みに失敗しました";
constexpr const char* kWriteFailureTitle = "PutBmp";
constexpr const char* kReadFailureText = "ピクセルデータの読み込みに失敗しました";
constexpr const char* kReadFailureTitle = "pool Get Bmp 関数";

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

void failWrite() {
  platform().messageBox(kWriteFailureTitle, kWriteFailureText, MessageBoxKind::Ok);
}
void failRead() {
  platform().messageBox(kReadFailureTitle, kReadFailureText, MessageBoxKind::Ok);
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

bool writeImageFile(const std::string& path, const PixelTarget& source, Size size) {
  if (!fitsStores(source, size)) {
    failWrite();
    return false;
  }
  const int w = size.width, h = size.height;
  std::vector<uint8_t> data = bmpHeader(w, h);
  data.resize(kBmpHeaderBytes + static_cast<size_t>(w) * h * 3);
  uint8_t* out = data.data() + kBmpHeaderBytes;
  for (int y = 0; y < h; ++y) {
    const long row = static_cast<long>(y) * source.rowLength;
    for (int x = 0; x < w; ++x, out += 3) {
      const long i = row + x;
      if (source.form == PixelForm::Pixels) {
        std::memcpy(out, source.pixels + 3 * i, 3);
      } else {
        for (int k = 0; k < 3; ++k) out[k] = static_cast<uint8_t>(source.planes.plane[k][i]);
      }
    }
  }

  const std::string temporary = path + ".part";
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) {
    failWrite();
    return false;
  }
  const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temporary, ec);
    failWrite();
    return false;
  }
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    failWrite();
    return false;
  }
  return true;
}

bool readImageFile(const std::string& path, const PixelTarget& target, Size size) {
  if (!fitsStores(target, size)) {
    failRead();
    return false;
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    // A slot that was never written is created empty and reads as black.
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
      if (std::FILE* created = std::fopen(path.c_str(), "wb")) std::fclose(created);
    }
    f = std::fopen(path.c_str(), "rb");
    if (!f) {
      failRead();
      return false;
    }
  }
  const int w = size.width, h = size.height;
  std::vector<uint8_t> header(kBmpHeaderBytes);
  const size_t headerRead = std::fread(header.data(), 1, header.size(), f);
  std::vector<uint8_t> data(static_cast<size_t>(w) * h * 3, 0);
  if (headerRead == header.size()) {
    (void)std::fread(data.data(), 1, data.size(), f);
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    failRead();
    return false;
  }
  const uint8_t* in = data.data();
  for (int y = 0; y < h; ++y) {
    const long row = static_cast<long>(y) * target.rowLength;
    for (int x = 0; x < w; ++x, in += 3) {
      const long i = row + x;
      if (target.form == PixelForm::Pixels) {
        std::memcpy(target.pixels + 3 * i, in, 3);
      } else {
        for (int k = 0; k < 3; ++k) target.planes.plane[k][i] = in[k];
      }
    }
  }
  return true;
}

}  // namespace zc
