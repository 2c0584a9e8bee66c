#pragma once
#include "core/image_buffers.h"

namespace zc {

// The radius of the local contrast window and of its strength.
constexpr int kLocalContrastRadius = 24;

// LocalContrast around column a, row b: the window is columns max(a - 24, 0) .. min(a + 24,
// W - 1) and rows max(b - 24, 0) .. min(b + 24, H - 1), both ends included. The greys
// trunc(0.299 R + 0.587 G + 0.114 B) of its n pixels, sorted in descending order, give the
// reference m at index (n - 1) / 2 (for an even n the upper of the two middle values). A window
// pixel at distance d from the point gets the strength s = trunc(24 (1 - q^3)), q = min(d / 24, 1):
// darker than m, each channel becomes max(channel - s, 0); otherwise (grey >= m)
// min(channel + s, 255).
//
// planes: the committed picture, W x H, channel values 0..255; read, and written when commit.
// canvas: the shown picture, the same W x H; every window pixel is written.
// column, row: the point a, b; any values (a window off the picture is empty).
// commit: also write the window into the planes.
void localContrast(const PlaneView& planes, const PixelView& canvas, int column, int row,
                   bool commit);

}  // namespace zc
