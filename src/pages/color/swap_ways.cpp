#include "pages/color/swap_ways.h"

#include <algorithm>
#include <cstdint>

#include "core/cpu_features.h"
#include "core/row_bands.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_SWAP_X86 1
#endif

namespace zc {
namespace {

// Pixels from .. to of a row, one at a time.
template <typename Way>
void spanPlain(const int32_t* b, const int32_t* g, const int32_t* r, uint8_t* o, int from, int to,
               Way way) {
  for (int x = from; x < to; ++x) {
    int nb, ng, nr;
    way(static_cast<uint8_t>(b[x]), static_cast<uint8_t>(g[x]), static_cast<uint8_t>(r[x]), nb, ng,
        nr);
    o[3 * x] = static_cast<uint8_t>(nb);
    o[3 * x + 1] = static_cast<uint8_t>(ng);
    o[3 * x + 2] = static_cast<uint8_t>(nr);
  }
}

#ifdef ZC_SWAP_X86

// GCC 12 takes the undefined pass-through lanes of the unmasked intrinsics for uninitialized
// values; they never reach a result.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

// Sixty-four pixels a step: the way's formula over the step's cells into three byte rows, a loop
// of plain arithmetic the compiler widens to AVX-512 (the formula is inlined into it), then the
// three rows interleaved into the picture sixteen pixels at a time.
template <typename Way>
ZC_VBMI int rowVbmi(const int32_t* b, const int32_t* g, const int32_t* r, uint8_t* o, int width,
                    Way way) {
  constexpr int kStep = 64;
  const __m512i interleave = _mm512_load_si512(kChannelInterleave.index);
  alignas(64) uint8_t nb[kStep], ng[kStep], nr[kStep];
  int x = 0;
  for (; x + kStep <= width; x += kStep) {
    for (int i = 0; i < kStep; ++i) {
      int cb, cg, cr;
      way(static_cast<uint8_t>(b[x + i]), static_cast<uint8_t>(g[x + i]),
          static_cast<uint8_t>(r[x + i]), cb, cg, cr);
      nb[i] = static_cast<uint8_t>(cb);
      ng[i] = static_cast<uint8_t>(cg);
      nr[i] = static_cast<uint8_t>(cr);
    }
    for (int i = 0; i < kStep; i += 16) {
      __m512i cells = _mm512_castsi128_si512(_mm_load_si128(reinterpret_cast<__m128i*>(nb + i)));
      cells = _mm512_inserti32x4(cells, _mm_load_si128(reinterpret_cast<__m128i*>(ng + i)), 1);
      cells = _mm512_inserti32x4(cells, _mm_load_si128(reinterpret_cast<__m128i*>(nr + i)), 2);
      const __m512i out = _mm512_permutexvar_epi8(interleave, cells);
      // A whole 64 bytes where the row goes on past them (the next store writes the last 16
      // again), the 48 alone at the row's end, so that no store reaches another band's row.
      uint8_t* at = o + 3 * (x + i);
      if (x + i + 32 <= width) {
        _mm512_storeu_si512(at, out);
      } else {
        _mm512_mask_storeu_epi8(at, kFortyEightBytes, out);
      }
    }
  }
  return x;
}

#pragma GCC diagnostic pop

#endif  // ZC_SWAP_X86

// Runs `way` over every pixel; the way's formula is inlined into the loops, so the choice of way
// is made once per call rather than once per pixel.
template <typename Way>
void forEachPixel(const PlaneView& planes, const PixelView& out, const SwapTuning& tuning,
                  Way way) {
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
#ifdef ZC_SWAP_X86
  const bool vectors = tuning.vectors && hasAvx512Vbmi();
#endif
  forRowBands(height, tuning.bands, [&](int firstRow, int endRow, int) {
    for (int y = firstRow; y < endRow; ++y) {
      const int32_t* b = planes.plane[0] + planes.index(0, y);
      const int32_t* g = planes.plane[1] + planes.index(0, y);
      const int32_t* r = planes.plane[2] + planes.index(0, y);
      uint8_t* o = out.at(0, y);
      int x = 0;
#ifdef ZC_SWAP_X86
      if (vectors) x = rowVbmi(b, g, r, o, width, way);
#endif
      spanPlain(b, g, r, o, x, width, way);
    }
  });
}

}  // namespace

void applySwapWay(const PlaneView& planes, const PixelView& out, int way, SwapTuning tuning) {
  // Each case gives B', G', R' from B, G, R of the same pixel.
  switch (way) {
    case 1:  // R>G>B>R
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = G, g = R, r = B; });
      break;
    case 2:  // keeps red, exchanges green and blue
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = G, g = B, r = R; });
      break;
    case 3:  // turns the channels the opposite way to way 1
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = R, g = B, r = G; });
      break;
    case 4:  // [G] B<>R
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = R, g = G, r = B; });
      break;
    case 5:  // [B] R<>G
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = R, r = G; });
      break;
    case 6:  // (R)
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = G, r = 255 - R; });
      break;
    case 7:  // (G)
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = 255 - G, r = R; });
      break;
    case 8:  // (B)
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = 255 - B, g = G, r = R; });
      break;
    case 9:  // (G)(B)
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = 255 - B, g = 255 - G, r = R;
      });
      break;
    case 10:  // (R)(B)
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = 255 - B, g = G, r = 255 - R;
      });
      break;
    case 11:  // (R)(G)
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = B, g = 255 - G, r = 255 - R;
      });
      break;
    case 12:  // (R)(G)(B)
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = 255 - B, g = 255 - G, r = 255 - R;
      });
      break;
    case 13:  // ant
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G + R) / 3, g = (G + R) / 4, r = R;
      });
      break;
    case 14:  // bat
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G) / 4, g = G, r = (B + G + R) / 3;
      });
      break;
    case 15:  // cat
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = B, g = (B + G + R) / 3, r = (B + R) / 4;
      });
      break;
    case 16:  // dog
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (R + 255) / 2, g = (B + G) / 2, r = (B + G + R + 255) / 4;
      });
      break;
    case 17:  // eel
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + R) / 2, g = (B + G + R + 255) / 4, r = (G + 255) / 2;
      });
      break;
    case 18:  // fox
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G + R + 255) / 4, g = (B + 255) / 2, r = (G + R) / 2;
      });
      break;
    case 19:  // goose
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G) / 2, g = R / 7, r = (B + G + R) / 7;
      });
      break;
    case 20:  // horse
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = G / 7, g = (B + G + R) / 7, r = (B + R) / 2;
      });
      break;
    case 21:  // iguana
      forEachPixel(planes, out, tuning, [](int B, int G, int R, int& b, int& g, int& r) {
        b = (B + G + R) / 7, g = (G + R) / 2, r = B / 7;
      });
      break;
    default:  // 0 and any unknown way: the picture as it is
      forEachPixel(planes, out, tuning,
                   [](int B, int G, int R, int& b, int& g, int& r) { b = B, g = G, r = R; });
      break;
  }
}

}  // namespace zc
