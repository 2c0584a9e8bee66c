#pragma once
// The copies between the canvas and the planes as plain loops over the cells: the reference the
// fast copies of image_buffers.h are held to.
#include "core/image_buffers.h"

namespace zc {

// Planes from canvas: each plane takes its byte of every pixel.
void copyPixelsToPlanesReference(const PixelView& pixels, const PlaneView& planes);
// Canvas from planes: each plane value is stored as its low 8 bits.
void copyPlanesToPixelsReference(const PlaneView& planes, const PixelView& pixels);

}  // namespace zc
