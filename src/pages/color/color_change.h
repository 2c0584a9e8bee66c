#pragma once
// The Change page's image kernels: the flag of colour condition over a target range, the
// conversion toward a convert colour and the white pseudocolour of the target. They read the
// planes and write the picture; the planes are never changed.
#include <cstdint>

#include "core/grey.h"
#include "core/image_buffers.h"

namespace zc {

// Rows of a target range: red, green, blue and grey.
enum RangeRow : int { kRangeRed = 0, kRangeGreen = 1, kRangeBlue = 2, kRangeGrey = 3 };

// A target range: min and Max of red, green, blue and grey, normally 0 .. 255. A row whose min
// lies above its Max (the empty range is min 255, Max 0) holds no value.
struct ColorRange {
  int32_t min[4] = {255, 255, 255, 255};
  int32_t max[4] = {0, 0, 0, 0};
};

// A colour as red, green and blue values 0 .. 255.
struct ChangeColour {
  int32_t red = 0, green = 0, blue = 0;
};

// The flag of colour condition for a pixel with its grey: 1 all three colours within their rows,
// 2 the grey within the grey row, 3 red, 4 green, 5 blue within their own row (bounds included).
// No pixel meets any other flag.
bool meetsCondition(int condition, const ColorRange& range, int32_t red, int32_t green,
                    int32_t blue, int32_t grey);

// Weights pixel : convert colour of an act mode: 1 "wk" 3 : 1, 2 "md" 1 : 1, any other (3, "all")
// 0 : 1.
struct ActWeights {
  int pixel = 0;
  int convert = 1;
};
ActWeights actWeights(int actMode);

// The shaded convert colour of a pixel of grey g: g * channel / c for each channel of the convert
// colour, c the convert colour's grey (integer division), clamped to 0 .. 255. A convert colour
// whose grey c is 0 has no shading: the colour itself is returned.
ChangeColour shadedConvertColour(const ChangeColour& convert, int32_t convertGrey, int32_t grey);

// One pixel of the conversion, for plane values blue, green and red: when it meets the
// condition, each channel v becomes (v * p + k * w) / (p + w), clamped to 0 .. 255, with the
// weights p : w of the act mode and k the convert colour in act mode 3, the shaded convert colour
// (of convertGrey, the convert colour's grey) in modes 1 and 2; otherwise it keeps the low 8 bits
// of its plane values. out receives blue, green, red.
void convertPixel(int condition, const ColorRange& range, const ChangeColour& convert,
                  int32_t convertGrey, int actMode, int32_t blue, int32_t green, int32_t red,
                  uint8_t* out);

// How the fast forms below go: sixteen pixels a step where the machine has AVX-512 VBMI
// (vectors false: one pixel at a time by byte tables), over `bands` bands of rows on as many
// threads (0: two on a machine of two cores, for a picture of 64 rows or more). Every choice
// gives the same bytes.
struct ChangeTuning {
  bool vectors = true;
  int bands = 0;
};

// The conversion of every pixel of the picture (the smaller of the two sizes), as convertPixel,
// from the planes into out. condition: 1 .. 5 as meetsCondition; convert: 0 .. 255 per channel;
// actMode: 1 .. 3. The fast form of convertColorsReference, bit-identical to it.
void convertColors(const PlaneView& planes, const PixelView& out, int condition,
                   const ColorRange& range, const ChangeColour& convert, int actMode,
                   ChangeTuning tuning = {});

// The pseudocolour: every pixel meeting the condition is shown white (255, 255, 255), every other
// pixel is copied as the low 8 bits of its plane values. The fast form of
// showTargetPseudocolorReference, bit-identical to it.
void showTargetPseudocolor(const PlaneView& planes, const PixelView& out, int condition,
                           const ColorRange& range, ChangeTuning tuning = {});

}  // namespace zc
