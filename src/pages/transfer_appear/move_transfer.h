#pragma once
// The Appear page's move: the transfer image shown shifted by the summed drags.
#include "core/image_buffers.h"

namespace zc {

// Fills the target white (255, 255, 255), then gives every target pixel (x, y) the source pixel
// (x + offsetX, y + offsetY) when that pixel lies on the source picture (0 <= x + offsetX <
// width and 0 <= y + offsetY < height; rows never wrap into the next). Rows count from the
// bottom, so a negative offsetX moves the picture right and a positive offsetY moves it down.
// Source and target are distinct pictures of the same width and height; any offsets.
void moveTransferImage(const PixelView& source, const PixelView& target, int offsetX, int offsetY);

}  // namespace zc
