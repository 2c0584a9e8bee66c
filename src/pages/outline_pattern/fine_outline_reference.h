#pragma once
#include "core/image_buffers.h"
#include "platform/rgb.h"

namespace zc {

// The fine outline as a plain loop of its arithmetic, pixel by pixel: the reference the fast
// form (fine_outline.h, where the parameters are described) is checked and timed against.
void fineOutlineReference(const PlaneView& planes, const PixelView& canvas, int judge,
                          int condition, Rgb colour);

// Whether pixel (k, r) lies on an edge: the eight neighbour groups of (k, r) in the planes, their
// four opposed pairs and the condition's test. Needs 1 <= k < width - 1 and 1 <= r < height - 1.
bool fineOutlineEdgeAt(const PlaneView& planes, int k, int r, int judge, int condition);

}  // namespace zc
