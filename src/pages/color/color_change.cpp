#include "pages/color/color_change.h"

#include <algorithm>

namespace zc {
namespace {

bool within(const ColorRange& range, int row, int32_t value) {
  return range.min[row] <= value && value <= range.max[row];
}

uint8_t clampToByte(int64_t value) {
  return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, 255));
}

bool isByte(int32_t value) {
  return value >= 0 && value <= 255;
}

// Everything a pixel with its three plane values in 0 .. 255 needs, looked up by value: greyValue
// split by channel (kGreyRed * r, kGreyGreen * g and kGreyBlue * b are the doubles it forms, and
// (red + green) + blue sums them in its order, so the greys are the same),
// whether a value lets the pixel meet the condition in each row (a row the condition does not look
// at lets every value through), and the colour k mixed into a pixel of each grey.
struct ByteTables {
  double redPart[256], greenPart[256], bluePart[256];
  uint8_t passes[4][256];  // red, green, blue, grey rows
  uint8_t mix[3][256];     // blue, green, red of k by grey

  ByteTables(int condition, const ColorRange& range) {
    bool looksAt[4] = {false, false, false, false};
    bool known = true;
    switch (condition) {
      case 1:
        looksAt[kRangeRed] = looksAt[kRangeGreen] = looksAt[kRangeBlue] = true;
        break;
      case 2:
        looksAt[kRangeGrey] = true;
        break;
      case 3:
        looksAt[kRangeRed] = true;
        break;
      case 4:
        looksAt[kRangeGreen] = true;
        break;
      case 5:
        looksAt[kRangeBlue] = true;
        break;
      default:
        known = false;
    }
    for (int v = 0; v < 256; ++v) {
      redPart[v] = kGreyRed * v;
      greenPart[v] = kGreyGreen * v;
      bluePart[v] = kGreyBlue * v;
      for (int row = 0; row < 4; ++row) {
        passes[row][v] = known && (!looksAt[row] || within(range, row, v)) ? 1 : 0;
      }
    }
  }
  int32_t grey(int32_t red, int32_t green, int32_t blue) const {
    return static_cast<int32_t>((redPart[red] + greenPart[green]) + bluePart[blue]);
  }
  bool meets(int32_t red, int32_t green, int32_t blue, int32_t grey) const {
    return (passes[kRangeRed][red] & passes[kRangeGreen][green] & passes[kRangeBlue][blue] &
            passes[kRangeGrey][grey]) != 0;
  }
};

struct PlaneRow {
  const int32_t* blue;
  const int32_t* green;
  const int32_t* red;
};
PlaneRow planeRow(const PlaneView& planes, int y) {
  const long at = planes.index(0, y);
  return {planes.plane[0] + at, planes.plane[1] + at, planes.plane[2] + at};
}

// The conversion with the weights P : W fixed, so that the division by P + W is a shift. Pixels
// with a plane value outside 0 .. 255 take the plain arithmetic of convertPixel.
template <unsigned P, unsigned W>
void convertWithWeights(const PlaneView& planes, const PixelView& out, int width, int height,
                        const ByteTables& t, int condition, const ColorRange& range,
                        const ChangeColour& convert, int32_t convertGrey, int actMode) {
  for (int y = 0; y < height; ++y) {
    const PlaneRow row = planeRow(planes, y);
    uint8_t* o = out.at(0, y);
    for (int x = 0; x < width; ++x, o += 3) {
      const int32_t b = row.blue[x], g = row.green[x], r = row.red[x];
      if (((b | g | r) & ~0xFF) != 0) {
        convertPixel(condition, range, convert, convertGrey, actMode, b, g, r, o);
        continue;
      }
      const int32_t grey = t.grey(r, g, b);
      const bool meets = t.meets(r, g, b, grey);
      const unsigned nb = (static_cast<unsigned>(b) * P + t.mix[0][grey] * W) / (P + W);
      const unsigned ng = (static_cast<unsigned>(g) * P + t.mix[1][grey] * W) / (P + W);
      const unsigned nr = (static_cast<unsigned>(r) * P + t.mix[2][grey] * W) / (P + W);
      o[0] = static_cast<uint8_t>(meets ? nb : static_cast<unsigned>(b));
      o[1] = static_cast<uint8_t>(meets ? ng : static_cast<unsigned>(g));
      o[2] = static_cast<uint8_t>(meets ? nr : static_cast<unsigned>(r));
    }
  }
}

}  // namespace

bool meetsCondition(int condition, const ColorRange& range, int32_t red, int32_t green,
                    int32_t blue, int32_t grey) {
  switch (condition) {
    case 1:
      return within(range, kRangeRed, red) && within(range, kRangeGreen, green) &&
             within(range, kRangeBlue, blue);
    case 2:
      return within(range, kRangeGrey, grey);
    case 3:
      return within(range, kRangeRed, red);
    case 4:
      return within(range, kRangeGreen, green);
    case 5:
      return within(range, kRangeBlue, blue);
    default:
      return false;
  }
}

ActWeights actWeights(int actMode) {
  switch (actMode) {
    case 1:
      return {3, 1};
    case 2:
      return {1, 1};
    default:
      return {0, 1};
  }
}

ChangeColour shadedConvertColour(const ChangeColour& convert, int32_t convertGrey, int32_t grey) {
  if (convertGrey == 0) return convert;
  auto shade = [&](int32_t channel) {
    return static_cast<int32_t>(clampToByte(static_cast<int64_t>(grey) * channel / convertGrey));
  };
  return {shade(convert.red), shade(convert.green), shade(convert.blue)};
}

void convertPixel(int condition, const ColorRange& range, const ChangeColour& convert,
                  int32_t convertGrey, int actMode, int32_t blue, int32_t green, int32_t red,
                  uint8_t* out) {
  const int32_t grey = greyOf(red, green, blue);
  if (!meetsCondition(condition, range, red, green, blue, grey)) {
    out[0] = static_cast<uint8_t>(blue);
    out[1] = static_cast<uint8_t>(green);
    out[2] = static_cast<uint8_t>(red);
    return;
  }
  const ActWeights weights = actWeights(actMode);
  const int64_t p = weights.pixel, w = weights.convert;
  const bool shaded = actMode == 1 || actMode == 2;
  const ChangeColour k = shaded ? shadedConvertColour(convert, convertGrey, grey) : convert;
  out[0] = clampToByte((blue * p + k.blue * w) / (p + w));
  out[1] = clampToByte((green * p + k.green * w) / (p + w));
  out[2] = clampToByte((red * p + k.red * w) / (p + w));
}

void convertColors(const PlaneView& planes, const PixelView& out, int condition,
                   const ColorRange& range, const ChangeColour& convert, int actMode) {
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  const int32_t convertGrey = greyOf(convert.red, convert.green, convert.blue);
  if (!isByte(convert.red) || !isByte(convert.green) || !isByte(convert.blue)) {
    // A convert colour outside 0 .. 255 is mixed unclamped: the plain arithmetic throughout.
    for (int y = 0; y < height; ++y) {
      const PlaneRow row = planeRow(planes, y);
      for (int x = 0; x < width; ++x) {
        convertPixel(condition, range, convert, convertGrey, actMode, row.blue[x], row.green[x],
                     row.red[x], out.at(x, y));
      }
    }
    return;
  }
  ByteTables t(condition, range);
  const bool shaded = actMode == 1 || actMode == 2;
  for (int grey = 0; grey < 256; ++grey) {
    const ChangeColour k = shaded ? shadedConvertColour(convert, convertGrey, grey) : convert;
    t.mix[0][grey] = static_cast<uint8_t>(k.blue);
    t.mix[1][grey] = static_cast<uint8_t>(k.green);
    t.mix[2][grey] = static_cast<uint8_t>(k.red);
  }
  switch (actMode) {
    case 1:
      convertWithWeights<3, 1>(planes, out, width, height, t, condition, range, convert,
                               convertGrey, actMode);
      break;
    case 2:
      convertWithWeights<1, 1>(planes, out, width, height, t, condition, range, convert,
                               convertGrey, actMode);
      break;
    default:
      convertWithWeights<0, 1>(planes, out, width, height, t, condition, range, convert,
                               convertGrey, actMode);
  }
}

void showTargetPseudocolor(const PlaneView& planes, const PixelView& out, int condition,
                           const ColorRange& range) {
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  const ByteTables t(condition, range);
  for (int y = 0; y < height; ++y) {
    const PlaneRow row = planeRow(planes, y);
    uint8_t* o = out.at(0, y);
    for (int x = 0; x < width; ++x, o += 3) {
      const int32_t b = row.blue[x], g = row.green[x], r = row.red[x];
      bool white;
      if (((b | g | r) & ~0xFF) == 0) {
        white = t.meets(r, g, b, t.grey(r, g, b));
      } else {
        white = meetsCondition(condition, range, r, g, b, greyOf(r, g, b));
      }
      o[0] = white ? 255 : static_cast<uint8_t>(b);
      o[1] = white ? 255 : static_cast<uint8_t>(g);
      o[2] = white ? 255 : static_cast<uint8_t>(r);
    }
  }
}

}  // namespace zc
