#include "platform/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "platform/pixel_rows.h"

namespace zc {

namespace {

// One pixel of the surface as QImage::Format_RGB32 stores it.
inline uint32_t packed(Rgb c) {
  return 0xff000000u | (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | uint32_t{c.b};
}

// A font with the distance from the top of its text cell to the baseline, so text can be placed
// by its top-left corner.
struct CachedFont {
  QFont font;
  int baseline = 0;
};

// The rows from the top of the text cell to the baseline. Label frames run their top edge along
// the cell's first row, and the faces found on Linux draw brackets and kanji from that row or
// above it; so the baseline goes down until the tallest of these glyphs, as actually rasterised,
// starts on the cell's second row, clear of the edge.
int cellBaseline(const QFont& font) {
  const QFontMetrics metrics(font);
  const int ascent = metrics.ascent();
  const int height = metrics.height() + 8;
  QImage probe(4 * height, 2 * height, QImage::Format_RGB32);
  probe.fill(Qt::white);
  {
    QPainter painter(&probe);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(2, height), QStringLiteral("[「|画Ｗ"));
  }
  for (int y = 0; y < probe.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(probe.constScanLine(y));
    for (int x = 0; x < probe.width(); ++x) {
      if ((row[x] & 0xffffffu) != 0xffffffu) return std::max(ascent, height - y + 1);
    }
  }
  return ascent;
}

// Moves a negative origin up to 0, the other origin with it, and shortens the span by as much.
void startAtZero(int& origin, int& other, int& length) {
  if (origin >= 0) return;
  length += origin;
  other -= origin;
  origin = 0;
}

// One axis of a block copy clipped to the source, then to the surface, moving both origins
// together.
void clipSpan(int& source, int& target, int& length, int sourceLength, int targetLength) {
  startAtZero(source, target, length);
  length = std::min(length, sourceLength - source);
  startAtZero(target, source, length);
  length = std::min(length, targetLength - target);
}

}  // namespace

struct Surface::Impl {
  QImage image{kWidth, kHeight, QImage::Format_RGB32};
  // One painter serves every text and ellipse until someone outside the surface looks at the
  // image: beginning a painter costs more than drawing a label. The other drawing writes the
  // same pixel memory directly, which the painter's raster engine also draws into directly.
  std::unique_ptr<QPainter> painter;
  TextObserver observer;

  QPainter& paint() {
    if (!painter) painter = std::make_unique<QPainter>(&image);
    return *painter;
  }
  void endPainting() { painter.reset(); }
  // Program fonts by pixel height, and the window's own font by pixel height.
  std::map<int, CachedFont> programFonts;
  std::map<int, CachedFont> defaultFonts;

  uint32_t* row(int y) { return reinterpret_cast<uint32_t*>(image.scanLine(y)); }

  // Fills [x0, x1) x [y0, y1), clipped to the surface.
  void fill(int x0, int y0, int x1, int y1, uint32_t value) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, kWidth);
    y1 = std::min(y1, kHeight);
    if (x0 >= x1 || y0 >= y1) return;
    for (int y = y0; y < y1; ++y) std::fill(row(y) + x0, row(y) + x1, value);
  }

  // Visits every point of the line from (x0, y0) to (x1, y1), the end point excluded, stepping one
  // pixel along the longer axis and rounding the other coordinate to the nearest pixel.
  template <typename Visit>
  static void walkLine(int x0, int y0, int x1, int y1, Visit visit) {
    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    // Step along the longer axis (x when both are as long) and now and then along the other.
    const bool steep = dy > dx;
    const int major = steep ? dy : dx, minor = steep ? dx : dy;
    const int majorStep = (steep ? y1 >= y0 : x1 >= x0) ? 1 : -1;
    const int minorStep = (steep ? x1 >= x0 : y1 >= y0) ? 1 : -1;
    int along = steep ? y0 : x0, across = steep ? x0 : y0;
    int error = major / 2;
    for (int i = 0; i < major; ++i, along += majorStep) {
      if (steep) {
        visit(across, along);
      } else {
        visit(along, across);
      }
      error -= minor;
      if (error < 0) {
        across += minorStep;
        error += major;
      }
    }
  }

  const CachedFont& font(int height, bool windowFont) {
    auto& cache = windowFont ? defaultFonts : programFonts;
    auto found = cache.find(height);
    if (found != cache.end()) return found->second;
    QFont f;
    if (windowFont) {
      f = QGuiApplication::font();
    } else {
      // The program's face, then the Japanese gothic that Linux desktops carry, then any
      // fixed-pitch face.
      f.setFamilies({QStringLiteral("MS ゴシック"), QStringLiteral("IPAGothic")});
      f.setStyleHint(QFont::Monospace);
      f.setFixedPitch(true);
      f.setWeight(QFont::Bold);
    }
    f.setPixelSize(std::max(height, 1));
    CachedFont cached{f, cellBaseline(f)};
    return cache.emplace(height, std::move(cached)).first->second;
  }
};

Surface::Surface() : impl_(std::make_unique<Impl>()) {
  erase();
}

Surface::~Surface() = default;

void Surface::erase() {
  impl_->image.fill(packed(kWhite));
}

void Surface::line(int x0, int y0, int x1, int y1, Rgb colour, int penWidth) {
  const uint32_t value = packed(colour);
  Impl& d = *impl_;
  if (penWidth <= 1) {
    // The rows are found once per line: asking the image for each pixel's row costs more than
    // setting the pixel.
    uint32_t* const first = d.row(0);
    const qsizetype stride = d.image.bytesPerLine() / 4;
    Impl::walkLine(x0, y0, x1, y1, [&](int x, int y) {
      if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) first[y * stride + x] = value;
    });
    return;
  }
  // A wide pen is a square of penWidth pixels centred on each point of the line, so consecutive
  // points overlap into a solid stroke whatever the direction.
  const int before = penWidth / 2;
  Impl::walkLine(x0, y0, x1, y1, [&](int x, int y) {
    d.fill(x - before, y - before, x - before + penWidth, y - before + penWidth, value);
  });
}

void Surface::rectangleOutline(int x0, int y0, int x1, int y1, Rgb colour, int penWidth) {
  // One closed polyline: each side stops short of its end, where the next side begins.
  line(x0, y0, x1, y0, colour, penWidth);
  line(x1, y0, x1, y1, colour, penWidth);
  line(x1, y1, x0, y1, colour, penWidth);
  line(x0, y1, x0, y0, colour, penWidth);
}

void Surface::rectangleFrame(int x0, int y0, int x1, int y1, Rgb colour) {
  if (x1 - x0 < 1 || y1 - y0 < 1) return;
  rectangleOutline(x0, y0, x1 - 1, y1 - 1, colour);
}

void Surface::fillRect(int x0, int y0, int x1, int y1, Rgb colour) {
  impl_->fill(x0, y0, x1, y1, packed(colour));
}

void Surface::ellipse(int x0, int y0, int x1, int y1, Rgb colour, int penWidth) {
  if (x1 - x0 < 2 || y1 - y0 < 2) return;
  QPainter& painter = impl_->paint();
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(QColor(colour.r, colour.g, colour.b));
  pen.setWidth(std::max(penWidth, 1));
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // The box's right and bottom edges lie outside, as with the window system's ellipse.
  painter.drawEllipse(QRectF(x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1));
}

void Surface::xorLine(int x0, int y0, int x1, int y1) {
  Impl& d = *impl_;
  Impl::walkLine(x0, y0, x1, y1, [&](int x, int y) {
    if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) d.row(y)[x] ^= 0x00ffffffu;
  });
}

void Surface::text(int x, int y, std::string_view utf8, Rgb colour, int height, bool defaultFont) {
  if (impl_->observer) impl_->observer(x, y, colour, utf8);
  if (utf8.empty()) return;
  const CachedFont& f = impl_->font(height, defaultFont);
  QPainter& painter = impl_->paint();
  painter.setFont(f.font);
  painter.setPen(QColor(colour.r, colour.g, colour.b));
  painter.drawText(QPoint(x, y + f.baseline),
                   QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void Surface::blitBottomUp(const uint8_t* pixels, int srcW, int srcH, int sx, int sy, int w, int h,
                           int dx, int dy) {
  clipSpan(sx, dx, w, srcW, kWidth);
  clipSpan(sy, dy, h, srcH, kHeight);
  if (w <= 0 || h <= 0) return;
  for (int r = 0; r < h; ++r) {
    // Display row sy + r of a bottom-up image is memory row srcH - 1 - (sy + r).
    const uint8_t* s = pixels + (static_cast<size_t>(srcH - 1 - (sy + r)) * srcW + sx) * 3;
    bgrToOpaqueRgb32(s, impl_->row(dy + r) + dx, w);
  }
}

void Surface::stretchBottomUp(const uint8_t* pixels, int srcW, int srcH, int sx, int sy, int sw,
                              int sh, int dx, int dy, int dw, int dh) {
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  const int i0 = std::max(0, -dx);
  const int i1 = std::min(dw, kWidth - dx);
  const int j0 = std::max(0, -dy);
  const int j1 = std::min(dh, kHeight - dy);
  if (i0 >= i1 || j0 >= j1) return;
  // The source column of every destination column, worked out once for all rows.
  std::vector<int> columns(static_cast<size_t>(i1 - i0));
  for (int i = i0; i < i1; ++i) {
    columns[static_cast<size_t>(i - i0)] = sx + static_cast<int>(static_cast<int64_t>(i) * sw / dw);
  }
  for (int j = j0; j < j1; ++j) {
    const int row = sy + static_cast<int>(static_cast<int64_t>(j) * sh / dh);
    if (row < 0 || row >= srcH) continue;
    const uint8_t* srcRow = pixels + static_cast<size_t>(srcH - 1 - row) * srcW * 3;
    uint32_t* out = impl_->row(dy + j) + dx;
    for (int i = i0; i < i1; ++i) {
      const int col = columns[static_cast<size_t>(i - i0)];
      if (col < 0 || col >= srcW) continue;
      const uint8_t* p = srcRow + static_cast<size_t>(col) * 3;
      out[i] = 0xff000000u | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | uint32_t{p[0]};
    }
  }
}

Rgb Surface::pixel(int x, int y) const {
  if (x < 0 || x >= kWidth || y < 0 || y >= kHeight) return Rgb{};
  const uint32_t v = reinterpret_cast<const uint32_t*>(impl_->image.constScanLine(y))[x];
  return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

bool Surface::savePng(const std::string& path) const {
  impl_->endPainting();
  return impl_->image.save(QString::fromStdString(path), "PNG");
}

void Surface::setTextObserver(TextObserver observer) {
  impl_->observer = std::move(observer);
}

void* Surface::native() {
  impl_->endPainting();
  return &impl_->image;
}

}  // namespace zc
