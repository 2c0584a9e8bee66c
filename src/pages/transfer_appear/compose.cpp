#include "pages/transfer_appear/compose.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZC_COMPOSE_X86 1
#endif

namespace zc {
namespace {

#ifdef ZC_COMPOSE_X86
// Byte 3 j + k of sixteen pixels belongs to pixel j.
struct alignas(64) ToPixel {
  uint8_t index[64];
  constexpr ToPixel() : index() {
    for (int b = 0; b < 48; ++b) index[b] = static_cast<uint8_t>(b / 3);
  }
};
constexpr ToPixel kToPixel{};

// Gradation 0, sixteen pixels a step: the transfer bytes where the mask is 0, the back bytes
// where it is 1. Returns how many pixels were done.
__attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi"))) long takeTransferVbmi(
    const uint8_t* mask, const uint8_t* transfer, uint8_t* back, long cells) {
  const __m512i toPixel = _mm512_load_si512(kToPixel.index);
  constexpr __mmask64 kFortyEightBytes = (__mmask64{1} << 48) - 1;
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
    const __m512i b = i + 32 <= cells ? _mm512_loadu_si512(back + 3 * i)
                                      : _mm512_maskz_loadu_epi8(kFortyEightBytes, back + 3 * i);
    const __m512i t = _mm512_maskz_loadu_epi8(kFortyEightBytes, transfer + 3 * i);
    const __m512i out = _mm512_mask_blend_epi8(take, b, t);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(back + 3 * i),
                        _mm512_maskz_extracti64x4_epi64(0xF, out, 0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(back + 3 * i + 32),
                     _mm512_maskz_extracti32x4_epi32(0xF, out, 2));
  }
  return i;
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
      for (int x = 0; x < w; ++x) columns[x] += entering[x] - leaving[x];
    }
    int32_t d = 0;
    for (int x = 0; x < span; ++x) d += columns[x];
    windows[g] = static_cast<uint32_t>(d);
    for (int x = g + 1; x < w - g; ++x) {
      d += columns[x + g] - columns[x - g - 1];
      windows[x] = static_cast<uint32_t>(d);
    }
    const uint8_t* __restrict t = transfer.at(0, y);
    uint8_t* __restrict b = back.at(0, y);
    for (int x = g; x < w - g; ++x) {
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
