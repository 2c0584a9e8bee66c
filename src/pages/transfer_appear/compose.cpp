#include "pages/transfer_appear/compose.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_COMPOSE_X86 1
#endif

namespace zc {
namespace {

#ifdef ZC_COMPOSE_X86
// Gradation 0, sixteen pixels a step: the transfer bytes where the mask is 0, the back bytes
// where it is 1. Returns how many pixels were done.
ZC_VBMI long takeTransferVbmi(const uint8_t* mask, const uint8_t* transfer, uint8_t* back,
                              long cells) {
  const __m512i toPixel = _mm512_load_si512(kPixelSpread.index);
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    const __m512i passes =
        _mm512_zextsi128_si512(_mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i)));
    const __mmask64 take =
        _mm512_testn_epi8_mask(_mm512_maskz_permutexvar_epi8(~__mmask64{0}, toPixel, passes),
                               _mm512_set1_epi8(1)) &
        kFortyEightBytes;
    if (!take) continue;  // every pixel passes: the back stays
    // A whole 64 bytes read where the picture goes on past them; the step's 48 stored as 32 and
    // 16, since a store reaching into the next step's bytes would hold up that step's load.
    const __m512i b = loadPixelStep(back + 3 * i, i + 32 <= cells);
    const __m512i t = _mm512_maskz_loadu_epi8(kFortyEightBytes, transfer + 3 * i);
    const __m512i out = _mm512_mask_blend_epi8(take, b, t);
    storePixelStep(back + 3 * i, out);
  }
  return i;
}

// (n * m) >> 32 in every lane, n < 2^32 and m < 2^32.
ZC_VBMI inline __m512i highProduct(__m512i n, __m512i m) {
  const __m512i even = _mm512_maskz_srli_epi64(0xFF, _mm512_maskz_mul_epu32(0xFF, n, m), 32);
  const __m512i odd = _mm512_maskz_mul_epu32(0xFF, _mm512_maskz_srli_epi64(0xFF, n, 32), m);
  return _mm512_mask_blend_epi32(0xAAAA, even, odd);
}

// The sixteen bytes of plane K as 32-bit lanes.
template <int K>
ZC_VBMI inline __m512i planeBytes(__m512i byPlane) {
  return _mm512_maskz_cvtepu8_epi32(0xFFFF, _mm512_maskz_extracti32x4_epi32(0xF, byPlane, K));
}

// Plane K of sixteen blended pixels, put in as the K-th 16 bytes of `out`.
template <int K>
ZC_VBMI inline __m512i blendPlane(__m512i out, __m512i bb, __m512i tt, __m512i pass, __m512i rest,
                                  __m512i m) {
  const __m512i n = _mm512_add_epi32(_mm512_mullo_epi32(planeBytes<K>(bb), pass),
                                     _mm512_mullo_epi32(planeBytes<K>(tt), rest));
  const __m128i q = _mm512_maskz_cvtepi32_epi8(0xFFFF, highProduct(n, m));
  return _mm512_mask_inserti32x4(out, 0xFFFF, out, q, K);
}

// The blend of one row, columns x .. end - 1, sixteen pixels a step, by the same arithmetic as
// the scalar loop (where a window passes whole it gives the back byte and where nothing passes the
// transfer byte; steps of only such windows are taken as copies). Returns the first column not
// done.
ZC_VBMI int blendRowVbmi(const uint8_t* t, uint8_t* b, const uint32_t* windows, int x, int end,
                         uint32_t k, uint32_t m) {
  const __m512i gather = _mm512_load_si512(kChannelGather.index);
  const __m512i interleave = _mm512_load_si512(kChannelInterleave.index);
  const __m512i kk = _mm512_set1_epi32(static_cast<int>(k));
  const __m512i mm = _mm512_set1_epi32(static_cast<int>(m));
  for (; x + 16 <= end; x += 16) {
    const __m512i pass = _mm512_loadu_si512(windows + x);
    if (_mm512_cmpeq_epi32_mask(pass, kk) == 0xFFFF) continue;  // the back pixels stay
    const __m512i rest = _mm512_sub_epi32(kk, pass);
    if (_mm512_cmpeq_epi32_mask(rest, kk) == 0xFFFF) {  // nothing passes: the transfer pixels
      const __m512i tt = _mm512_maskz_loadu_epi8(kFortyEightBytes, t + 3 * x);
      storePixelStep(b + 3 * x, tt);
      continue;
    }
    const __m512i bb = _mm512_maskz_permutexvar_epi8(
        kAll64, gather, _mm512_maskz_loadu_epi8(kFortyEightBytes, b + 3 * x));
    const __m512i tt = _mm512_maskz_permutexvar_epi8(
        kAll64, gather, _mm512_maskz_loadu_epi8(kFortyEightBytes, t + 3 * x));
    __m512i out = blendPlane<0>(_mm512_setzero_si512(), bb, tt, pass, rest, mm);
    out = blendPlane<1>(out, bb, tt, pass, rest, mm);
    out = blendPlane<2>(out, bb, tt, pass, rest, mm);
    out = _mm512_maskz_permutexvar_epi8(kAll64, interleave, out);
    storePixelStep(b + 3 * x, out);
  }
  return x;
}

// The window counts of one row from column x on, sixteen a step: each is the one before it plus
// the column entering the window less the column leaving it, the sixteen steps as one running sum
// over the lanes. `d` is the count at x - 1 and becomes the count at the last column done; returns
// the first column not done.
ZC_VBMI int windowsRowVbmi(const int32_t* columns, uint32_t* windows, int g, int x, int end,
                           int32_t& d) {
  const __m512i zero = _mm512_setzero_si512();
  const __m512i last = _mm512_set1_epi32(15);
  __m512i carry = _mm512_set1_epi32(d);
  for (; x + 16 <= end; x += 16) {
    __m512i v = _mm512_sub_epi32(_mm512_loadu_si512(columns + x + g),
                                 _mm512_loadu_si512(columns + x - g - 1));
    v = _mm512_add_epi32(v, _mm512_maskz_alignr_epi32(0xFFFF, v, zero, 15));
    v = _mm512_add_epi32(v, _mm512_maskz_alignr_epi32(0xFFFF, v, zero, 14));
    v = _mm512_add_epi32(v, _mm512_maskz_alignr_epi32(0xFFFF, v, zero, 12));
    v = _mm512_add_epi32(v, _mm512_maskz_alignr_epi32(0xFFFF, v, zero, 8));
    v = _mm512_add_epi32(v, carry);
    _mm512_storeu_si512(windows + x, v);
    carry = _mm512_maskz_permutexvar_epi32(0xFFFF, last, v);
  }
  d = _mm_cvtsi128_si32(_mm512_maskz_extracti32x4_epi32(0xF, carry, 0));
  return x;
}

// The column counts moved down one row: the entering row's pass marks added, the leaving row's
// taken off, sixteen columns a step. Returns the first column not done.
ZC_VBMI int columnsRowVbmi(int32_t* columns, const uint8_t* entering, const uint8_t* leaving,
                           int width) {
  int x = 0;
  for (; x + 16 <= width; x += 16) {
    const __m512i in = _mm512_maskz_cvtepu8_epi32(
        0xFFFF, _mm_loadu_si128(reinterpret_cast<const __m128i*>(entering + x)));
    const __m512i out = _mm512_maskz_cvtepu8_epi32(
        0xFFFF, _mm_loadu_si128(reinterpret_cast<const __m128i*>(leaving + x)));
    _mm512_storeu_si512(
        columns + x, _mm512_add_epi32(_mm512_loadu_si512(columns + x), _mm512_sub_epi32(in, out)));
  }
  return x;
}

bool hasVbmi() {
  return hasAvx512Vbmi();
}
#endif

// Scratch rows kept between calls: the compose runs at every paint of real appear.
struct Scratch {
  std::vector<uint8_t> mask;      // pass test of every transfer pixel
  std::vector<int32_t> columns;   // passing pixels of each column over the window's rows
  std::vector<uint32_t> windows;  // passing pixels of each window of the current row
};

Scratch& scratch() {
  static Scratch s;
  return s;
}

}  // namespace

void composeThroughPassZone(const PixelView& transfer, const PixelView& back, const PassZone& zone,
                            int gradation) {
  const int g = std::max(0, gradation);
  const int w = back.width, h = back.height;
  if (w <= 2 * g || h <= 2 * g) return;
  Scratch& s = scratch();
  s.mask.resize(static_cast<size_t>(w) * h);
  markPassZone(transfer, zone, s.mask.data());
  const uint8_t* mask = s.mask.data();

  if (g == 0) {
    // A window of one pixel: the back pixel where it passes, the transfer pixel elsewhere.
    const long cells = static_cast<long>(w) * h;
    long i = 0;
#ifdef ZC_COMPOSE_X86
    if (hasVbmi()) i = takeTransferVbmi(mask, transfer.bytes, back.bytes, cells);
#endif
    for (; i < cells; ++i) {
      if (!mask[i]) std::memcpy(back.bytes + 3 * i, transfer.bytes + 3 * i, 3);
    }
    return;
  }

  const int span = 2 * g + 1;
  const uint32_t k = static_cast<uint32_t>(span * span);
  // n / k as (n * m) >> 32 with m = floor(2^32 / k) + 1: exact while n * k < 2^32, and the
  // numerators here stay below 256 * k <= 256 * 289.
  const uint64_t m = (uint64_t{1} << 32) / k + 1;
#ifdef ZC_COMPOSE_X86
  const bool vbmi = hasVbmi();
#endif
  s.columns.assign(w, 0);
  s.windows.resize(w);
  int32_t* __restrict columns = s.columns.data();
  uint32_t* __restrict windows = s.windows.data();
  for (int r = 0; r < span; ++r) {
    const uint8_t* __restrict row = mask + static_cast<long>(r) * w;
    for (int x = 0; x < w; ++x) columns[x] += row[x];
  }
  for (int y = g; y < h - g; ++y) {
    if (y > g) {
      const uint8_t* __restrict entering = mask + static_cast<long>(y + g) * w;
      const uint8_t* __restrict leaving = mask + static_cast<long>(y - g - 1) * w;
      int x = 0;
#ifdef ZC_COMPOSE_X86
      if (vbmi) x = columnsRowVbmi(columns, entering, leaving, w);
#endif
      for (; x < w; ++x) columns[x] += entering[x] - leaving[x];
    }
    int32_t d = 0;
    for (int x = 0; x < span; ++x) d += columns[x];
    windows[g] = static_cast<uint32_t>(d);
    int next = g + 1;
#ifdef ZC_COMPOSE_X86
    if (vbmi) next = windowsRowVbmi(columns, windows, g, next, w - g, d);
#endif
    for (int x = next; x < w - g; ++x) {
      d += columns[x + g] - columns[x - g - 1];
      windows[x] = static_cast<uint32_t>(d);
    }
    const uint8_t* __restrict t = transfer.at(0, y);
    uint8_t* __restrict b = back.at(0, y);
    int x = g;
#ifdef ZC_COMPOSE_X86
    if (vbmi) x = blendRowVbmi(t, b, windows, x, w - g, k, static_cast<uint32_t>(m));
#endif
    for (; x < w - g; ++x) {
      const uint32_t pass = windows[x];
      if (pass == k) continue;  // the whole window passes: the back pixel stays
      if (pass == 0) {          // nothing passes: the transfer pixel
        std::memcpy(b + 3 * x, t + 3 * x, 3);
        continue;
      }
      for (int c = 0; c < 3; ++c) {
        const uint64_t n = uint32_t{b[3 * x + c]} * pass + uint32_t{t[3 * x + c]} * (k - pass);
        b[3 * x + c] = static_cast<uint8_t>((n * m) >> 32);
      }
    }
  }
}

}  // namespace zc
