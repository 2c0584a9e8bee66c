#pragma once
#include <cstdint>

#include "core/canvas_point.h"

namespace zc {

// A 24-bit picture in memory: 3 bytes per pixel (blue, green, red), rows of width * 3 bytes with
// no padding, row 0 the bottom row. The canvas buffer is one.
struct PixelView {
  uint8_t* bytes = nullptr;
  int width = 0;
  int height = 0;
  uint8_t* at(int x, int y) const { return bytes + (static_cast<long>(y) * width + x) * 3; }
};

// Three planes of signed 32-bit cells (0 blue, 1 green, 2 red), cell (x, y) at x + y * width,
// row 0 the bottom row.
struct PlaneView {
  int32_t* plane[3] = {nullptr, nullptr, nullptr};
  int width = 0;
  int height = 0;
  long index(int x, int y) const { return static_cast<long>(y) * width + x; }
};

// The mark plane (the fourth plane, where pages mark cells: strokes, boundaries, zones) at a
// canvas size: cell (column, row) at column + row * width, row 0 the bottom
// row.
struct MarkView {
  int32_t* cells = nullptr;
  int width = 0;
  int height = 0;
  bool holds(const CanvasCell& c) const {
    return c.column >= 0 && c.column < width && c.row >= 0 && c.row < height;
  }
  int32_t& at(const CanvasCell& c) const {
    return cells[static_cast<long>(c.row) * width + c.column];
  }
};

// The instructions the copies use: kBest the widest the machine has (AVX-512 VBMI, else SSSE3),
// kSsse3 no wider than SSSE3, kPlain the plain loop; a choice the machine lacks falls back to the
// next narrower one. Every choice gives the same cells.
enum class CopyIsa { kBest, kSsse3, kPlain };

// Planes from canvas: each plane takes its byte of every pixel.
void copyPixelsToPlanes(const PixelView& pixels, const PlaneView& planes,
                        CopyIsa isa = CopyIsa::kBest);
// Canvas from planes: each plane value is stored as its low 8 bits.
void copyPlanesToPixels(const PlaneView& planes, const PixelView& pixels,
                        CopyIsa isa = CopyIsa::kBest);
// Canvas from planes and then planes from that canvas, in one pass: the canvas as above, and
// every plane value outside 0 .. 255 becomes its low 8 bits.
void copyPlanesToPixelsAndBack(const PlaneView& planes, const PixelView& pixels,
                               CopyIsa isa = CopyIsa::kBest);
// These copies are fast forms of the plain loops in image_buffers_reference.h, bit for bit.

// The workspace's stores at the current work size.
PixelView workCanvas();
PlaneView workPlanes();
MarkView workMarks();

}  // namespace zc
