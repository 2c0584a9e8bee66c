#include "pages/color/color_change.h"

#include <algorithm>
#include <cstdint>

#include "core/cpu_features.h"
#include "core/row_bands.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_CHANGE_X86 1
#endif

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
  uint8_t passes[4][256];    // red, green, blue, grey rows
  uint8_t mix[3][256] = {};  // blue, green, red of k by grey
  bool looksAt[4] = {false, false, false, false};
  bool known = true;

  ByteTables(int condition, const ColorRange& range) {
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

// What every band of rows shares.
struct Job {
  PlaneView planes;
  PixelView out;
  int width;
  const ByteTables& t;
  int condition;
  const ColorRange& range;
  ChangeColour convert;
  int32_t convertGrey;
  int actMode;
};

// Pixels from .. to of a row of the conversion with the weights P : W fixed, so that the division
// by P + W is a shift. Pixels with a plane value outside 0 .. 255 take the plain arithmetic of
// convertPixel.
template <unsigned P, unsigned W>
void convertSpan(const Job& j, const PlaneRow& row, uint8_t* o, int from, int to) {
  const ByteTables& t = j.t;
  for (int x = from; x < to; ++x) {
    uint8_t* at = o + 3 * x;
    const int32_t b = row.blue[x], g = row.green[x], r = row.red[x];
    if (((b | g | r) & ~0xFF) != 0) {
      convertPixel(j.condition, j.range, j.convert, j.convertGrey, j.actMode, b, g, r, at);
      continue;
    }
    const int32_t grey = t.grey(r, g, b);
    const bool meets = t.meets(r, g, b, grey);
    const unsigned nb = (static_cast<unsigned>(b) * P + t.mix[0][grey] * W) / (P + W);
    const unsigned ng = (static_cast<unsigned>(g) * P + t.mix[1][grey] * W) / (P + W);
    const unsigned nr = (static_cast<unsigned>(r) * P + t.mix[2][grey] * W) / (P + W);
    at[0] = static_cast<uint8_t>(meets ? nb : static_cast<unsigned>(b));
    at[1] = static_cast<uint8_t>(meets ? ng : static_cast<unsigned>(g));
    at[2] = static_cast<uint8_t>(meets ? nr : static_cast<unsigned>(r));
  }
}

// Pixels from .. to of a row of the pseudocolour.
void pseudocolorSpan(const Job& j, const PlaneRow& row, uint8_t* o, int from, int to) {
  for (int x = from; x < to; ++x) {
    uint8_t* at = o + 3 * x;
    const int32_t b = row.blue[x], g = row.green[x], r = row.red[x];
    bool white;
    if (((b | g | r) & ~0xFF) == 0) {
      white = j.t.meets(r, g, b, j.t.grey(r, g, b));
    } else {
      white = meetsCondition(j.condition, j.range, r, g, b, greyOf(r, g, b));
    }
    at[0] = white ? 255 : static_cast<uint8_t>(b);
    at[1] = white ? 255 : static_cast<uint8_t>(g);
    at[2] = white ? 255 : static_cast<uint8_t>(r);
  }
}

#ifdef ZC_CHANGE_X86

// Sixteen pixels a step: the greys in double as greyValue forms them (the same products and sums,
// truncated), the condition as compares against the rows' bounds (a row not looked at lets every
// value through), the mixed colour looked up by grey in tables held in registers, and the three
// channels interleaved into 48 bytes of the picture. Sixteen pixels with a plane value outside a
// byte go by the spans above.

// GCC 12 takes the undefined pass-through lanes of the unmasked intrinsics for uninitialized
// values; they never reach a result.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

struct VectorRows {
  __m512i min[4], max[4];
  __m512i mix[3][4];  // each channel's 256 bytes in four registers
  __m512i interleave;
  bool known;
};

ZC_VBMI void loadVectorRows(const ByteTables& t, const ColorRange& range, VectorRows& v) {
  for (int row = 0; row < 4; ++row) {
    v.min[row] = _mm512_set1_epi32(t.looksAt[row] ? range.min[row] : INT32_MIN);
    v.max[row] = _mm512_set1_epi32(t.looksAt[row] ? range.max[row] : INT32_MAX);
  }
  for (int k = 0; k < 3; ++k) {
    for (int q = 0; q < 4; ++q) v.mix[k][q] = _mm512_loadu_si512(t.mix[k] + 64 * q);
  }
  v.interleave = _mm512_load_si512(kChannelInterleave.index);
  v.known = t.known;
}

ZC_VBMI inline __m256i greyHalf(__m256i r, __m256i g, __m256i b) {
  const __m512d red = _mm512_mul_pd(_mm512_set1_pd(kGreyRed), _mm512_cvtepi32_pd(r));
  const __m512d green = _mm512_mul_pd(_mm512_set1_pd(kGreyGreen), _mm512_cvtepi32_pd(g));
  const __m512d blue = _mm512_mul_pd(_mm512_set1_pd(kGreyBlue), _mm512_cvtepi32_pd(b));
  return _mm512_cvttpd_epi32(_mm512_add_pd(_mm512_add_pd(red, green), blue));
}

ZC_VBMI inline __m512i greys(__m512i r, __m512i g, __m512i b) {
  const __m256i low =
      greyHalf(_mm512_castsi512_si256(r), _mm512_castsi512_si256(g), _mm512_castsi512_si256(b));
  const __m256i high = greyHalf(_mm512_extracti64x4_epi64(r, 1), _mm512_extracti64x4_epi64(g, 1),
                                _mm512_extracti64x4_epi64(b, 1));
  return _mm512_inserti64x4(_mm512_zextsi256_si512(low), high, 1);
}

ZC_VBMI inline __mmask16 inRow(const VectorRows& v, int row, __m512i value) {
  return _mm512_cmpge_epi32_mask(value, v.min[row]) & _mm512_cmple_epi32_mask(value, v.max[row]);
}

ZC_VBMI inline __mmask16 meets(const VectorRows& v, __m512i r, __m512i g, __m512i b, __m512i grey) {
  if (!v.known) return 0;
  return inRow(v, kRangeRed, r) & inRow(v, kRangeGreen, g) & inRow(v, kRangeBlue, b) &
         inRow(v, kRangeGrey, grey);
}

// Channel k of the mixed colour of sixteen greys given as bytes.
ZC_VBMI inline __m512i mixOf(const VectorRows& v, int k, __m512i greyBytes) {
  const __m512i lower = _mm512_permutex2var_epi8(v.mix[k][0], greyBytes, v.mix[k][1]);
  const __m512i upper = _mm512_permutex2var_epi8(v.mix[k][2], greyBytes, v.mix[k][3]);
  const __m512i bytes = _mm512_mask_blend_epi8(_mm512_movepi8_mask(greyBytes), lower, upper);
  return _mm512_cvtepu8_epi32(_mm512_castsi512_si128(bytes));
}

template <unsigned P, unsigned W>
ZC_VBMI inline __m512i mixed(__m512i value, __m512i k) {
  static_assert(W == 1 && (P == 0 || P == 1 || P == 3), "weights whose sum is a power of two");
  if constexpr (P == 0) return k;
  if constexpr (P == 1) return _mm512_srli_epi32(_mm512_add_epi32(value, k), 1);
  if constexpr (P == 3) {
    const __m512i three = _mm512_add_epi32(value, _mm512_add_epi32(value, value));
    return _mm512_srli_epi32(_mm512_add_epi32(three, k), 2);
  }
}

// The three channels' cells (each 0 .. 255) as 48 bytes of the picture at o + 3 x.
ZC_VBMI inline void storePixels(const VectorRows& v, uint8_t* o, int x, int width, __m512i b,
                                __m512i g, __m512i r) {
  __m512i cells = _mm512_zextsi128_si512(_mm512_cvtepi32_epi8(b));
  cells = _mm512_inserti32x4(cells, _mm512_cvtepi32_epi8(g), 1);
  cells = _mm512_inserti32x4(cells, _mm512_cvtepi32_epi8(r), 2);
  const __m512i out = _mm512_permutexvar_epi8(v.interleave, cells);
  // A whole 64 bytes where the row goes on past them (the next step writes the last 16 again),
  // the 48 alone at the row's end, so that no step writes into another band's row.
  if (x + 32 <= width) {
    _mm512_storeu_si512(o + 3 * x, out);
  } else {
    _mm512_mask_storeu_epi8(o + 3 * x, kFortyEightBytes, out);
  }
}

ZC_VBMI inline bool outsideByte(__m512i b, __m512i g, __m512i r) {
  return _mm512_test_epi32_mask(_mm512_or_si512(_mm512_or_si512(b, g), r),
                                _mm512_set1_epi32(~0xFF)) != 0;
}

// One row of the conversion; returns where the plain span takes over.
template <unsigned P, unsigned W>
ZC_VBMI int convertRowVbmi(const Job& j, const VectorRows& v, const PlaneRow& row, uint8_t* o) {
  int x = 0;
  for (; x + 16 <= j.width; x += 16) {
    const __m512i b = _mm512_loadu_si512(row.blue + x);
    const __m512i g = _mm512_loadu_si512(row.green + x);
    const __m512i r = _mm512_loadu_si512(row.red + x);
    if (outsideByte(b, g, r)) {
      convertSpan<P, W>(j, row, o, x, x + 16);
      continue;
    }
    const __m512i grey = greys(r, g, b);
    const __mmask16 m = meets(v, r, g, b, grey);
    if (m == 0) {
      storePixels(v, o, x, j.width, b, g, r);
      continue;
    }
    const __m512i greyBytes = _mm512_zextsi128_si512(_mm512_cvtepi32_epi8(grey));
    const __m512i nb = _mm512_mask_blend_epi32(m, b, mixed<P, W>(b, mixOf(v, 0, greyBytes)));
    const __m512i ng = _mm512_mask_blend_epi32(m, g, mixed<P, W>(g, mixOf(v, 1, greyBytes)));
    const __m512i nr = _mm512_mask_blend_epi32(m, r, mixed<P, W>(r, mixOf(v, 2, greyBytes)));
    storePixels(v, o, x, j.width, nb, ng, nr);
  }
  return x;
}

ZC_VBMI int pseudocolorRowVbmi(const Job& j, const VectorRows& v, const PlaneRow& row, uint8_t* o) {
  const __m512i white = _mm512_set1_epi32(255);
  int x = 0;
  for (; x + 16 <= j.width; x += 16) {
    const __m512i b = _mm512_loadu_si512(row.blue + x);
    const __m512i g = _mm512_loadu_si512(row.green + x);
    const __m512i r = _mm512_loadu_si512(row.red + x);
    if (outsideByte(b, g, r)) {
      pseudocolorSpan(j, row, o, x, x + 16);
      continue;
    }
    const __mmask16 m = meets(v, r, g, b, greys(r, g, b));
    storePixels(v, o, x, j.width, _mm512_mask_blend_epi32(m, b, white),
                _mm512_mask_blend_epi32(m, g, white), _mm512_mask_blend_epi32(m, r, white));
  }
  return x;
}

#pragma GCC diagnostic pop

#endif  // ZC_CHANGE_X86

bool useVectors(const ChangeTuning& tuning) {
#ifdef ZC_CHANGE_X86
  return tuning.vectors && hasAvx512Vbmi();
#else
  (void)tuning;
  return false;
#endif
}

template <unsigned P, unsigned W>
void convertWithWeights(const Job& j, int height, const ChangeTuning& tuning) {
  const bool vectors = useVectors(tuning);
  forRowBands(height, tuning.bands, [&](int firstRow, int endRow, int) {
#ifdef ZC_CHANGE_X86
    VectorRows v;
    if (vectors) loadVectorRows(j.t, j.range, v);
#endif
    for (int y = firstRow; y < endRow; ++y) {
      const PlaneRow row = planeRow(j.planes, y);
      uint8_t* o = j.out.at(0, y);
      int x = 0;
#ifdef ZC_CHANGE_X86
      if (vectors) x = convertRowVbmi<P, W>(j, v, row, o);
#endif
      convertSpan<P, W>(j, row, o, x, j.width);
    }
  });
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
                   const ColorRange& range, const ChangeColour& convert, int actMode,
                   ChangeTuning tuning) {
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
  const Job job{planes, out, width, t, condition, range, convert, convertGrey, actMode};
  switch (actMode) {
    case 1:
      convertWithWeights<3, 1>(job, height, tuning);
      break;
    case 2:
      convertWithWeights<1, 1>(job, height, tuning);
      break;
    default:
      convertWithWeights<0, 1>(job, height, tuning);
  }
}

void showTargetPseudocolor(const PlaneView& planes, const PixelView& out, int condition,
                           const ColorRange& range, ChangeTuning tuning) {
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  const ByteTables t(condition, range);
  const Job job{planes, out, width, t, condition, range, ChangeColour{}, 0, 0};
  const bool vectors = useVectors(tuning);
  forRowBands(height, tuning.bands, [&](int firstRow, int endRow, int) {
#ifdef ZC_CHANGE_X86
    VectorRows v;
    if (vectors) loadVectorRows(t, range, v);
#endif
    for (int y = firstRow; y < endRow; ++y) {
      const PlaneRow row = planeRow(planes, y);
      uint8_t* o = out.at(0, y);
      int x = 0;
#ifdef ZC_CHANGE_X86
      if (vectors) x = pseudocolorRowVbmi(job, v, row, o);
#endif
      pseudocolorSpan(job, row, o, x, width);
    }
  });
}

}  // namespace zc
