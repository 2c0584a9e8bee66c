#include "pages/color/color_change_reference.h"

#include <algorithm>

namespace zc {

void convertColorsReference(const PlaneView& planes, const PixelView& out, int condition,
                            const ColorRange& range, const ChangeColour& convert, int actMode) {
  const int32_t convertGrey = greyOf(convert.red, convert.green, convert.blue);
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const long i = planes.index(x, y);
      convertPixel(condition, range, convert, convertGrey, actMode, planes.plane[0][i],
                   planes.plane[1][i], planes.plane[2][i], out.at(x, y));
    }
  }
}

void showTargetPseudocolorReference(const PlaneView& planes, const PixelView& out, int condition,
                                    const ColorRange& range) {
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const long i = planes.index(x, y);
      const int32_t b = planes.plane[0][i], g = planes.plane[1][i], r = planes.plane[2][i];
      const bool white = meetsCondition(condition, range, r, g, b, greyOf(r, g, b));
      uint8_t* o = out.at(x, y);
      o[0] = white ? 255 : static_cast<uint8_t>(b);
      o[1] = white ? 255 : static_cast<uint8_t>(g);
      o[2] = white ? 255 : static_cast<uint8_t>(r);
    }
  }
}

}  // namespace zc
