#pragma once
#include <cstdint>

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

// Planes from canvas: each plane takes its byte of every pixel.
void copyPixelsToPlanes(const PixelView& pixels, const PlaneView& planes);
// Canvas from planes: each plane value is stored as its low 8 bits.
void copyPlanesToPixels(const PlaneView& planes, const PixelView& pixels);

// The workspace's stores at the current work size.
PixelView workCanvas();
PlaneView workPlanes();

}  // namespace zc
