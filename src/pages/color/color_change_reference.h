#pragma once
// The plain loops of the Change page's conversion and pseudocolour: the stated arithmetic pixel
// by pixel, kept as the reference of the fast forms in color_change.h.
#include "pages/color/color_change.h"

namespace zc {

// convertPixel for every pixel of the picture (the smaller of the two sizes).
void convertColorsReference(const PlaneView& planes, const PixelView& out, int condition,
                            const ColorRange& range, const ChangeColour& convert, int actMode);

// White (255, 255, 255) where a pixel meets the condition, its plane values' low 8 bits elsewhere.
void showTargetPseudocolorReference(const PlaneView& planes, const PixelView& out, int condition,
                                    const ColorRange& range);

}  // namespace zc
