#include "core/image_buffers.h"

#include <initializer_list>

#include "core/cpu_features.h"
#include "core/image_buffers_reference.h"
#include "core/workspace.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_COPIES_X86 1
#endif

namespace zc {
namespace {

// Every paint moves the whole picture between the planes and the canvas at least once, so the
// copies go sixteen pixels at a time: the byte shuffles of AVX-512 VBMI where the machine has
// them, else those of SSSE3, and the plain loop for what is left over (and on other machines).
// The planes are written only where a cell changes: a copy into planes that already hold the
// picture, as after most page steps, then only reads them, and the cells that stay the same are
// never written back to memory.

struct Planes3 {
  int32_t* b;
  int32_t* g;
  int32_t* r;
};

// The cells from `from` on, by the plain loops.
void planesToPixelsTail(Planes3 p, uint8_t* dst, long from, long cells, bool andBack) {
  for (long i = from; i < cells; ++i) {
    dst[3 * i] = static_cast<uint8_t>(p.b[i]);
    dst[3 * i + 1] = static_cast<uint8_t>(p.g[i]);
    dst[3 * i + 2] = static_cast<uint8_t>(p.r[i]);
    if (andBack) {
      p.b[i] = dst[3 * i];
      p.g[i] = dst[3 * i + 1];
      p.r[i] = dst[3 * i + 2];
    }
  }
}

void pixelsToPlanesTail(const uint8_t* src, Planes3 p, long from, long cells) {
  for (long i = from; i < cells; ++i) {
    if (p.b[i] != src[3 * i]) p.b[i] = src[3 * i];
    if (p.g[i] != src[3 * i + 1]) p.g[i] = src[3 * i + 1];
    if (p.r[i] != src[3 * i + 2]) p.r[i] = src[3 * i + 2];
  }
}

#ifdef ZC_COPIES_X86

// Byte k of pixel j (k = 0 blue, 1 green, 2 red) of sixteen pixels: interleaved it stands at
// 3 j + k, gathered by plane at 16 k + j.
struct VbmiIndices {
  alignas(64) uint8_t interleave[64];
  alignas(64) uint8_t gather[64];
  constexpr VbmiIndices() : interleave(), gather() {
    for (int j = 0; j < 16; ++j) {
      for (int k = 0; k < 3; ++k) {
        interleave[3 * j + k] = static_cast<uint8_t>(16 * k + j);
        gather[16 * k + j] = static_cast<uint8_t>(3 * j + k);
      }
    }
  }
};
constexpr VbmiIndices kVbmi{};

// Masked stores are slow on some of these machines, so every block but the last is stored whole,
// its last 16 bytes overwritten by the next block, and cells are stored only where one changes.
ZC_VBMI long planesToPixelsVbmi(Planes3 p, uint8_t* dst, long cells, bool andBack) {
  const __m512i interleave = _mm512_load_si512(kVbmi.interleave);
  const __m512i high = _mm512_set1_epi32(~0xFF);
  const __m512i low = _mm512_set1_epi32(0xFF);
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    const __m512i b = _mm512_loadu_si512(p.b + i);
    const __m512i g = _mm512_loadu_si512(p.g + i);
    const __m512i r = _mm512_loadu_si512(p.r + i);
    __m512i planes = _mm512_zextsi128_si512(_mm512_maskz_cvtepi32_epi8(kAll16, b));
    planes = _mm512_inserti32x4(planes, _mm512_maskz_cvtepi32_epi8(kAll16, g), 1);
    planes = _mm512_inserti32x4(planes, _mm512_maskz_cvtepi32_epi8(kAll16, r), 2);
    const __m512i out = _mm512_maskz_permutexvar_epi8(~__mmask64{0}, interleave, planes);
    if (i + 32 <= cells) {
      _mm512_storeu_si512(dst + 3 * i, out);
    } else {
      _mm512_mask_storeu_epi8(dst + 3 * i, kFortyEightBytes, out);
    }
    if (andBack) {
      // Only cells outside 0 .. 255 change: to their low 8 bits.
      if (_mm512_test_epi32_mask(b, high)) _mm512_storeu_si512(p.b + i, _mm512_and_si512(b, low));
      if (_mm512_test_epi32_mask(g, high)) _mm512_storeu_si512(p.g + i, _mm512_and_si512(g, low));
      if (_mm512_test_epi32_mask(r, high)) _mm512_storeu_si512(p.r + i, _mm512_and_si512(r, low));
    }
  }
  return i;
}

ZC_VBMI inline void storeChanged(int32_t* at, __m512i cells) {
  if (_mm512_cmpneq_epi32_mask(cells, _mm512_loadu_si512(at))) _mm512_storeu_si512(at, cells);
}

ZC_VBMI long pixelsToPlanesVbmi(const uint8_t* src, Planes3 p, long cells) {
  const __m512i gather = _mm512_load_si512(kVbmi.gather);
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    // A whole 64 bytes is read where the picture goes on past them.
    const __m512i in = loadPixelStep(src + 3 * i, i + 32 <= cells);
    const __m512i planes = _mm512_maskz_permutexvar_epi8(~__mmask64{0}, gather, in);
    storeChanged(p.b + i, _mm512_maskz_cvtepu8_epi32(
                              kAll16, _mm512_maskz_extracti32x4_epi32(0xF, planes, 0)));
    storeChanged(p.g + i, _mm512_maskz_cvtepu8_epi32(
                              kAll16, _mm512_maskz_extracti32x4_epi32(0xF, planes, 1)));
    storeChanged(p.r + i, _mm512_maskz_cvtepu8_epi32(
                              kAll16, _mm512_maskz_extracti32x4_epi32(0xF, planes, 2)));
  }
  return i;
}

// The same shuffles in three 16-byte vectors: byte i of interleaved vector m is byte j of plane
// k's vector when 16 m + i = 3 j + k; 0x80 marks a byte that comes from another plane.
struct SsseIndices {
  alignas(16) uint8_t interleave[3][3][16];  // [m][k][i]
  alignas(16) uint8_t gather[3][3][16];      // [k][m][j]: plane k's byte j from vector m
  constexpr SsseIndices() : interleave(), gather() {
    for (int m = 0; m < 3; ++m) {
      for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 16; ++i) {
          const int at = 16 * m + i;
          interleave[m][k][i] = at % 3 == k ? static_cast<uint8_t>(at / 3) : 0x80;
          const int from = 3 * i + k - 16 * m;
          gather[k][m][i] = from >= 0 && from < 16 ? static_cast<uint8_t>(from) : 0x80;
        }
      }
    }
  }
};
constexpr SsseIndices kSsse{};

#define ZC_SSSE3 __attribute__((target("ssse3")))

ZC_SSSE3 inline __m128i index128(const uint8_t* at) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(at));
}
ZC_SSSE3 inline __m128i load128(const void* at) {
  return _mm_loadu_si128(static_cast<const __m128i*>(at));
}

// Sixteen cells as their low bytes; `any` collects the bits above them.
ZC_SSSE3 inline __m128i lowBytes(const int32_t* at, __m128i& any) {
  const __m128i low = _mm_set1_epi32(0xFF);
  __m128i c[4];
  for (int q = 0; q < 4; ++q) {
    c[q] = load128(at + 4 * q);
    any = _mm_or_si128(any, c[q]);
    c[q] = _mm_and_si128(c[q], low);
  }
  return _mm_packus_epi16(_mm_packs_epi32(c[0], c[1]), _mm_packs_epi32(c[2], c[3]));
}

ZC_SSSE3 long planesToPixelsSsse3(Planes3 p, uint8_t* dst, long cells, bool andBack) {
  const __m128i high = _mm_set1_epi32(~0xFF);
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    __m128i any = _mm_setzero_si128();
    const __m128i plane[3] = {lowBytes(p.b + i, any), lowBytes(p.g + i, any),
                              lowBytes(p.r + i, any)};
    for (int m = 0; m < 3; ++m) {
      __m128i out = _mm_shuffle_epi8(plane[0], index128(kSsse.interleave[m][0]));
      out = _mm_or_si128(out, _mm_shuffle_epi8(plane[1], index128(kSsse.interleave[m][1])));
      out = _mm_or_si128(out, _mm_shuffle_epi8(plane[2], index128(kSsse.interleave[m][2])));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 3 * i + 16 * m), out);
    }
    if (andBack && _mm_movemask_epi8(
                       _mm_cmpeq_epi8(_mm_and_si128(any, high), _mm_setzero_si128())) != 0xFFFF) {
      for (int32_t* cell : {p.b + i, p.g + i, p.r + i}) {
        for (int q = 0; q < 16; ++q) cell[q] &= 0xFF;
      }
    }
  }
  return i;
}

ZC_SSSE3 inline void storeChanged4(int32_t* at, __m128i cells) {
  const __m128i old = load128(at);
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(cells, old)) != 0xFFFF) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), cells);
  }
}

ZC_SSSE3 long pixelsToPlanesSsse3(const uint8_t* src, Planes3 p, long cells) {
  const __m128i zero = _mm_setzero_si128();
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    const __m128i in[3] = {load128(src + 3 * i), load128(src + 3 * i + 16),
                           load128(src + 3 * i + 32)};
    int32_t* const target[3] = {p.b + i, p.g + i, p.r + i};
    for (int k = 0; k < 3; ++k) {
      __m128i bytes = _mm_shuffle_epi8(in[0], index128(kSsse.gather[k][0]));
      bytes = _mm_or_si128(bytes, _mm_shuffle_epi8(in[1], index128(kSsse.gather[k][1])));
      bytes = _mm_or_si128(bytes, _mm_shuffle_epi8(in[2], index128(kSsse.gather[k][2])));
      const __m128i lo = _mm_unpacklo_epi8(bytes, zero), hi = _mm_unpackhi_epi8(bytes, zero);
      storeChanged4(target[k], _mm_unpacklo_epi16(lo, zero));
      storeChanged4(target[k] + 4, _mm_unpackhi_epi16(lo, zero));
      storeChanged4(target[k] + 8, _mm_unpacklo_epi16(hi, zero));
      storeChanged4(target[k] + 12, _mm_unpackhi_epi16(hi, zero));
    }
  }
  return i;
}

enum class Shuffles { kVbmi, kSsse3, kNone };
Shuffles shuffles(CopyIsa isa) {
  const bool vbmi = hasAvx512Vbmi();
  const bool ssse3 = hasSsse3();
  if (vbmi && isa == CopyIsa::kBest) return Shuffles::kVbmi;
  if (ssse3 && isa != CopyIsa::kPlain) return Shuffles::kSsse3;
  return Shuffles::kNone;
}

#endif  // ZC_COPIES_X86

Planes3 planes3(const PlaneView& planes) {
  return Planes3{planes.plane[0], planes.plane[1], planes.plane[2]};
}

void planesToPixels(const PlaneView& planes, const PixelView& pixels, bool andBack, CopyIsa isa) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  const Planes3 p = planes3(planes);
  long done = 0;
#ifdef ZC_COPIES_X86
  switch (shuffles(isa)) {
    case Shuffles::kVbmi:
      done = planesToPixelsVbmi(p, pixels.bytes, cells, andBack);
      break;
    case Shuffles::kSsse3:
      done = planesToPixelsSsse3(p, pixels.bytes, cells, andBack);
      break;
    case Shuffles::kNone:
      break;
  }
#else
  (void)isa;
#endif
  planesToPixelsTail(p, pixels.bytes, done, cells, andBack);
}

}  // namespace

void copyPixelsToPlanes(const PixelView& pixels, const PlaneView& planes, CopyIsa isa) {
  const long cells = static_cast<long>(planes.width) * planes.height;
  const Planes3 p = planes3(planes);
  long done = 0;
#ifdef ZC_COPIES_X86
  switch (shuffles(isa)) {
    case Shuffles::kVbmi:
      done = pixelsToPlanesVbmi(pixels.bytes, p, cells);
      break;
    case Shuffles::kSsse3:
      done = pixelsToPlanesSsse3(pixels.bytes, p, cells);
      break;
    case Shuffles::kNone:
      break;
  }
#else
  (void)isa;
#endif
  pixelsToPlanesTail(pixels.bytes, p, done, cells);
}

void copyPlanesToPixels(const PlaneView& planes, const PixelView& pixels, CopyIsa isa) {
  planesToPixels(planes, pixels, false, isa);
}

void copyPlanesToPixelsAndBack(const PlaneView& planes, const PixelView& pixels, CopyIsa isa) {
  planesToPixels(planes, pixels, true, isa);
}

PixelView workCanvas() {
  const Size s = ws().workSize;
  return PixelView{canvasBuffer(), s.width, s.height};
}

PlaneView workPlanes() {
  const Size s = ws().workSize;
  return PlaneView{{plane(0), plane(1), plane(2)}, s.width, s.height};
}

MarkView workMarks() {
  const Size s = ws().workSize;
  return MarkView{plane(3), s.width, s.height};
}

}  // namespace zc
