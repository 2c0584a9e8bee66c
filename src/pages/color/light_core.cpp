#include "pages/color/light_core.h"

#include <algorithm>
#include <cstring>

#include "core/cpu_features.h"
#include "core/row_bands.h"
#include "pages/color/light_core_reference.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_LIGHT_CORE_X86 1
#endif

namespace zc {
namespace {

// The table form: the light core of every byte value worked out once per call, by the plain
// loop's arithmetic, and every plane value in 0 .. 255 looked up in it. A value outside a byte
// (the planes can hold any integer) is worked out as the plain loop does.

struct Stretch {
  int64_t start, factor;
  uint8_t operator()(int64_t v) const {
    return static_cast<uint8_t>(std::clamp<int64_t>((v - start) * factor, 0, 255));
  }
};

struct alignas(64) Table {
  uint8_t value[256];
};

// One row's pixels from `from` on, by the table; the OR of the written bytes.
unsigned rowByTable(const int32_t* const p[3], uint8_t* o, int from, int width, const Table& table,
                    Stretch stretch) {
  unsigned any = 0;
  for (int x = from; x < width; ++x) {
    for (int k = 0; k < 3; ++k) {
      const int32_t v = p[k][x];
      const uint8_t r = static_cast<uint32_t>(v) < 256u ? table.value[v] : stretch(v);
      o[3 * x + k] = r;
      any |= r;
    }
  }
  return any;
}

#ifdef ZC_LIGHT_CORE_X86

ZC_VBMI unsigned rowVbmi(const int32_t* const p[3], uint8_t* o, int width, const Table& table,
                         Stretch stretch) {
  const __m512i t0 = _mm512_load_si512(table.value);
  const __m512i t1 = _mm512_load_si512(table.value + 64);
  const __m512i t2 = _mm512_load_si512(table.value + 128);
  const __m512i t3 = _mm512_load_si512(table.value + 192);
  const __m512i interleave = _mm512_load_si512(kChannelInterleave.index);
  const __m512i high = _mm512_set1_epi32(~0xFF);
  __m512i any = _mm512_setzero_si512();
  unsigned anyOutside = 0;
  int x = 0;
  for (; x + 16 <= width; x += 16) {
    const __m512i b = _mm512_loadu_si512(p[0] + x);
    const __m512i g = _mm512_loadu_si512(p[1] + x);
    const __m512i r = _mm512_loadu_si512(p[2] + x);
    if (_mm512_test_epi32_mask(_mm512_or_si512(_mm512_or_si512(b, g), r), high)) {
      // A cell outside a byte: these sixteen pixels by the table and the plain arithmetic.
      const int32_t* const at[3] = {p[0] + x, p[1] + x, p[2] + x};
      anyOutside |= rowByTable(at, o + 3 * x, 0, 16, table, stretch);
      continue;
    }
    __m512i cells = _mm512_zextsi128_si512(_mm512_maskz_cvtepi32_epi8(kAll16, b));
    cells = _mm512_inserti32x4(cells, _mm512_maskz_cvtepi32_epi8(kAll16, g), 1);
    cells = _mm512_inserti32x4(cells, _mm512_maskz_cvtepi32_epi8(kAll16, r), 2);
    const __m512i lower = _mm512_maskz_permutex2var_epi8(kAll64, t0, cells, t1);
    const __m512i upper = _mm512_maskz_permutex2var_epi8(kAll64, t2, cells, t3);
    const __m512i looked = _mm512_maskz_mov_epi8(
        kFortyEightBytes, _mm512_mask_blend_epi8(_mm512_movepi8_mask(cells), lower, upper));
    any = _mm512_or_si512(any, looked);
    const __m512i out = _mm512_maskz_permutexvar_epi8(kAll64, interleave, looked);
    // Masked stores are slow on some of these machines: a whole 64 bytes where the row goes on
    // past them (the next step writes the last 16 again), the 48 alone at the row's end.
    if (x + 32 <= width) {
      _mm512_storeu_si512(o + 3 * x, out);
    } else {
      _mm512_mask_storeu_epi8(o + 3 * x, kFortyEightBytes, out);
    }
  }
  anyOutside |= rowByTable(p, o, x, width, table, stretch);
  return anyOutside | (_mm512_test_epi8_mask(any, any) != 0);
}

bool hasVbmi() {
  return hasAvx512Vbmi();
}

#endif  // ZC_LIGHT_CORE_X86

}  // namespace

void applyLightCore(const PlaneView& planes, const PixelView& out, int start, int end,
                    LightCoreTuning tuning) {
  const int64_t range = std::max<int64_t>(1, static_cast<int64_t>(end) - start);
  const Stretch stretch{start, 255 / range};
  Table table;
  for (int v = 0; v < 256; ++v) table.value[v] = stretch(v);
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  bool vbmi = false;
#ifdef ZC_LIGHT_CORE_X86
  vbmi = tuning.vectors && hasVbmi();
#else
  (void)tuning;
#endif
  // OR of every written byte, band by band: zero only if the whole result is black.
  constexpr int kMostBands = 8;
  const int bands = std::min(rowBandCount(height, tuning.bands), kMostBands);
  unsigned anyOfBand[kMostBands] = {};
  forRowBands(height, bands, [&](int firstRow, int endRow, int band) {
    unsigned any = 0;
    for (int y = firstRow; y < endRow; ++y) {
      const int32_t* const p[3] = {planes.plane[0] + planes.index(0, y),
                                   planes.plane[1] + planes.index(0, y),
                                   planes.plane[2] + planes.index(0, y)};
      uint8_t* o = out.at(0, y);
#ifdef ZC_LIGHT_CORE_X86
      if (vbmi) {
        any |= rowVbmi(p, o, width, table, stretch);
        continue;
      }
#endif
      any |= rowByTable(p, o, 0, width, table, stretch);
    }
    anyOfBand[band] = any;
  });
  unsigned any = 0;
  for (const unsigned a : anyOfBand) any |= a;
  if (any == 0 && width > 0 && height > 0) {
    for (int y = 0; y < height; ++y) std::memset(out.at(0, y), 1, static_cast<size_t>(width) * 3);
  }
}

}  // namespace zc
